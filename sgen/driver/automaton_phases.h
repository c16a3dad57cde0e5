// The automaton phases of a run in their order: the NFA diagram, the
// subset construction, the DFA diagram, the minimisation and the diagram of
// the minimal automaton, each as the options ask and each only while no
// error has been counted. Observers may look at each automaton on the way.
#pragma once

#include "driver/automaton_taps.h"

namespace zedra {

class Diagnostics;
class Nfa;
class SgenOptions;
struct Dfa;

// Runs the phases; true when no error has been counted afterwards, so that
// the scanner may be generated from `dfa`. The observers of `taps` are
// called as their automata are completed.
bool run_automaton_phases(Diagnostics& diagnostics, const SgenOptions& options, Nfa& nfa, Dfa& dfa,
                          const AutomatonTaps& taps = {});

}  // namespace zedra
