// Observers of the automaton phases: each is called with its automaton as
// soon as that automaton is complete and no error has been counted, before
// the next phase changes or releases it. An empty observer is not called.
#pragma once

#include <functional>

namespace zedra {

class Nfa;
struct Dfa;

struct AutomatonTaps {
  std::function<void(const Nfa&)> nfa;   // before the subset construction
  std::function<void(const Dfa&)> dfa;   // after the subset construction
  std::function<void(const Dfa&)> mdfa;  // after the minimisation
};

}  // namespace zedra
