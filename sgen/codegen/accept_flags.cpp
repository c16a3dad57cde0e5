#include "codegen/accept_flags.h"

#include "dfa/transitions.h"
#include "model/terminals.h"

namespace zedra {

unsigned accept_flags(const Terminal& terminal) {
  if (terminal.kind == TerminalKind::Skip) return kSkipFlag;
  if (terminal.kind == TerminalKind::Verify) return kVerifyFlag;
  return 0;
}

unsigned flags_in_state(const Dfa& automaton, int number, unsigned on_entry) {
  const AutomatonState* state = automaton.table.state(number);
  if (state && state->terminal && automaton.table.accepting.contains(number))
    return 1u << accept_flags(*state->terminal);
  return on_entry;
}

std::map<int, unsigned> flags_on_entry(const Dfa& automaton) {
  std::map<int, unsigned> entry;
  for (int number = 0; number < automaton.dfa_state_count; ++number)
    if (automaton.representatives.contains(number)) entry[number] = 0;
  if (entry.empty()) return entry;
  entry.begin()->second = 1u;  // state 0: no flag set
  bool changed = true;
  while (changed) {
    changed = false;
    for (auto& [number, sets] : entry) {
      const AutomatonState* state = automaton.table.state(number);
      if (!state || sets == 0) continue;
      const unsigned leaving = flags_in_state(automaton, number, sets);
      StateSet successors = state->follow;
      while (const auto transition = take_transition(automaton.table, successors)) {
        const auto target = entry.find(transition->target);
        if (target == entry.end() || (target->second | leaving) == target->second) continue;
        target->second |= leaving;
        changed = true;
      }
    }
  }
  return entry;
}

}  // namespace zedra
