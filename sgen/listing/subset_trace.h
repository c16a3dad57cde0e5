// The trace of the subset construction in the listing: the subsets that
// every expansion creates, and at the end the list of all subsets.
#pragma once

#include "dfa/subset_table.h"

namespace zedra {

class Listing;

// "NEW SUBSETS :" and the column headings.
void write_subset_trace_heading(Listing& listing);
// The expanded subset `current`, then the subsets `first_new` to the
// highest, or "> NONE" when the expansion created none.
void write_subset_expansion(Listing& listing, const SubsetTable& subsets, int current, int first_new);
// "ALL SUBSETS :" and every subset.
void write_all_subsets(Listing& listing, const SubsetTable& subsets);

}  // namespace zedra
