// The diagrams of the automata in the listing: for every state its
// transitions, and the terminal it accepts with that terminal's attribute
// assignments.
#pragma once

#include <string_view>

#include "nfa/automaton.h"
#include "nfa/state_set.h"

namespace zedra {

class Listing;
class Nfa;
struct Dfa;

// Writes the diagram called `name` of `table` showing the states of `shown`
// (ascending).
void write_diagram(Listing& listing, std::string_view name, const StateTable& table,
                   const StateSet& shown);

// The three diagrams of a run: the NFA and the DFA without their spare or
// extra empty state, the minimal automaton with its representatives.
void write_nfa_diagram(Listing& listing, const Nfa& nfa);
void write_dfa_diagram(Listing& listing, const Dfa& dfa);
void write_mdfa_diagram(Listing& listing, const Dfa& dfa);

}  // namespace zedra
