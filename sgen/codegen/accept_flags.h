// The flags i_skip and i_verify of the generated scanner. Each accepting
// state sets the flag of its terminal's kind and clears the other, so that
// after the loop the flags are those of the token that was accepted last:
// a longer token of a plain rule that runs through a state accepting a
// SKIP or VERIFY token must be neither skipped nor verified. A state
// writes the clearing only where the other flag may be set when the
// scanner enters it; this module finds those flags.
#pragma once

#include <map>

#include "dfa/dfa.h"

namespace zedra {

struct Terminal;

// The flags as bits, and their combinations as bit sets over 0..3.
enum AcceptFlag : unsigned { kSkipFlag = 1, kVerifyFlag = 2 };

// The flag that accepting `terminal` sets: kSkipFlag, kVerifyFlag or 0.
unsigned accept_flags(const Terminal& terminal);

// For every representative state of the minimal automaton: the flag
// combinations (bit 1 << flags) that may hold when the scanner enters it,
// on some way from state 0. State 0 is entered with none set.
std::map<int, unsigned> flags_on_entry(const Dfa& automaton);

// The flag combinations that hold while the scanner stands in `number`,
// given those on entry: an accepting state's own flags, else those on entry.
unsigned flags_in_state(const Dfa& automaton, int number, unsigned on_entry);

}  // namespace zedra
