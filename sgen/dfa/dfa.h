// The deterministic automaton of the scanner: the subset construction from
// the NFA (with its conflict test between terminals) and the minimisation,
// whose results say which DFA states the generated scanner implements.
#pragma once

#include "nfa/automaton.h"
#include "nfa/state_set.h"

namespace zedra {

class Diagnostics;
class Nfa;

// The DFA and what the minimisation found out about it. Like the NFA, the
// DFA is labelled on its states: a state's chars are the characters that
// lead into it, its follow set holds its successors.
struct Dfa {
  // starts: the successors of state 0; accepting: the accepting states.
  // The highest state is an extra empty state behind the last subset.
  StateTable table;
  int nfa_state_count = 0;  // the highest NFA state in use (without the spare)
  int dfa_state_count = 0;  // the number of subsets

  // Results of the minimisation. The group field of every unused and every
  // minimised state holds its group; code is generated for the
  // representatives only, and a transition into a state leads to the
  // smallest member of that state's group.
  StateSet representatives;  // the smallest state of every group
  StateSet unused;           // the other members, merged into their representative
  StateSet minimised;        // representatives of groups with several members
  StateSet dead;             // representatives that can never lead to acceptance
  int mdfa_state_count = 0;  // the number of groups less the dead states
};

// Builds `dfa` from the NFA by subset construction and releases the NFA
// states. Msg::TransitionConflict for every pair of accepting NFA states that meet in
// one subset with comparable character sets (the listing describes both);
// Msg::TableFull when the subset or state table is full. With `trace` the
// subsets are written into the listing as they are found.
void subset_construction(Diagnostics& diagnostics, Nfa& nfa, Dfa& dfa, bool trace);

// Partitions the DFA states into groups of equivalent states, chooses the
// representatives, records the groups, removes dead states and writes the
// statistics into the listing. With `trace` the partitions are written.
void minimisation(Diagnostics& diagnostics, Dfa& dfa, bool trace);

}  // namespace zedra
