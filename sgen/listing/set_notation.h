// The two ways a state set is written into the listing: as numbers (states,
// groups) and as C character constants (the characters of a state). Runs of
// consecutive members are shortened: 1..5 and 'a'..'z'.
#pragma once

#include "nfa/state_set.h"

namespace zedra {

class Listing;

// "[" members "]" with the members 0 to 255 written in decimal.
void write_number_set(Listing& listing, const StateSet& set);
// "[" members "]" with the codes 0 to 128 written as C character constants.
void write_character_set(Listing& listing, const StateSet& set);

}  // namespace zedra
