#include "nfa/automaton.h"

namespace zedra {

void StateTable::clear() {
  states_.clear();
  starts.clear();
  accepting.clear();
}

AutomatonState* StateTable::add() {
  if (full()) return nullptr;
  auto state = std::make_unique<AutomatonState>();
  state->group.insert(highest() + 1);
  states_.push_back(std::move(state));
  return states_.back().get();
}

AutomatonState* StateTable::state(int n) {
  return n >= 0 && n <= highest() ? states_[static_cast<std::size_t>(n)].get() : nullptr;
}

const AutomatonState* StateTable::state(int n) const {
  return n >= 0 && n <= highest() ? states_[static_cast<std::size_t>(n)].get() : nullptr;
}

void StateTable::release(int n) {
  if (n >= 0 && n <= highest()) states_[static_cast<std::size_t>(n)].reset();
}

}  // namespace zedra
