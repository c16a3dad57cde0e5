// The compact notation of a set of characters on the edges of the automaton
// graphs, in the style of regular expressions: a single character ("a",
// "\n"), a single range ("a-z"), a bracketed list of characters and ranges
// ("[0-9A-Fa-f]"), or the complement within the ASCII codes 0 to 127 when
// that is shorter ("[^\"]"). A blank is written as the visible blank sign
// U+2423, control characters as C escapes or "\xHH".
#pragma once

#include <string>

#include "nfa/state_set.h"

namespace zedra {

std::string compact_character_class(const StateSet& chars);

}  // namespace zedra
