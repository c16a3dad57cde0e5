// What the scanner of the fast shape (sgen --fast) needs to know about the
// minimal automaton beyond its transitions: the classes of input bytes that
// every state treats alike, the flags (SKIP, VERIFY) that the default
// scanner has set when it stands in a state, and the terminals whose tokens
// may hold a line end.
#pragma once

#include <array>
#include <map>
#include <vector>

#include "dfa/dfa.h"
#include "dfa/transitions.h"

namespace zedra {

struct Terminal;

struct FastState {
  int number = 0;
  const Terminal* terminal = nullptr;     // accepted here, or none
  std::vector<Transition> transitions;    // in the order the default scanner tests them
  bool final() const { return terminal && transitions.empty() && number != 0; }
  // The flags of the default scanner (accept_flags.h) that may hold in this
  // state: one bit per combination of AcceptFlag bits.
  unsigned flag_sets = 0;
};

constexpr int kNulClass = 0;

struct FastAutomaton {
  std::vector<FastState> states;          // the representatives, ascending
  std::array<int, 256> byte_class{};      // the class of every byte
  int class_count = 0;
  // The bytes of every class, the class of its smallest byte first: the
  // NUL alone in class 0 (kNulClass).
  std::vector<StateSet> classes;
  std::vector<const Terminal*> accepted;  // the terminals accepted somewhere, in state order
  std::vector<const Terminal*> multiline; // those whose tokens may hold a line end
  std::vector<const Terminal*> with_nul;  // those whose tokens may hold a NUL
  // Those whose tokens hold nothing but ASCII letters and digits: setting
  // bit 5 of every byte puts such a lexeme in lower case.
  std::vector<const Terminal*> alphanumeric;

  const FastState* state(int number) const;
  FastState* state(int number);
  bool may_hold_line_end(const Terminal* terminal) const;
  bool may_hold_nul(const Terminal* terminal) const;
  bool holds_only_alphanumerics(const Terminal* terminal) const;
};

FastAutomaton analyse_fast_automaton(const Dfa& automaton);

}  // namespace zedra
