// The transitions of one automaton state as the generated scanner and the
// diagrams show them: successors in one group share one transition to the
// group's smallest member, on the union of their characters.
#pragma once

#include <vector>

#include "sgen/automaton.h"
#include "sgen/state_set.h"

namespace zedra {

struct Transition {
  int target = 0;  // the smallest member of the successors' group
  StateSet chars;  // the characters that lead there
};

// The transitions of `state` in the order of their smallest successor.
// Before the minimisation every group is the state alone, so every
// successor gets a transition of its own.
std::vector<Transition> grouped_transitions(const StateTable& table, const AutomatonState& state);

}  // namespace zedra
