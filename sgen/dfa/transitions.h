// The transitions of a state of the minimal automaton: its successors
// grouped by the group of equivalent states they belong to, each group
// leading to its representative (the smallest member) on the union of the
// characters of the successors in it. The generated scanner writes one
// `if` per transition and the diagrams one line.
#pragma once

#include <optional>

#include "nfa/automaton.h"
#include "nfa/state_set.h"

namespace zedra {

struct Transition {
  int target = 0;  // the representative of the successors' group
  StateSet chars;  // the characters that lead there
};

// Takes the next transition from `successors`: the group of its smallest
// member, whose members leave `successors`. Nothing when it is empty.
// A successor missing from the table contributes no characters.
std::optional<Transition> take_transition(const StateTable& table, StateSet& successors);

}  // namespace zedra
