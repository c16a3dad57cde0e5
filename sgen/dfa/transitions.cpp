#include "dfa/transitions.h"

namespace zedra {

std::optional<Transition> take_transition(const StateTable& table, StateSet& successors) {
  const int first = successors.next(0);
  if (first < 0) return std::nullopt;
  const AutomatonState* successor = table.state(first);
  StateSet group = successor ? successor->group : StateSet::of(first);
  group.insert(first);
  Transition transition;
  transition.target = group.next(0);
  (successors & group).for_each([&](int j) {
    if (const AutomatonState* member = table.state(j)) transition.chars |= member->chars;
  });
  successors -= group;
  return transition;
}

}  // namespace zedra
