#include "listing/subset_trace.h"

#include "listing.h"
#include "listing/set_notation.h"

namespace zedra {

namespace {

void write_column_headings(Listing& listing) {
  listing.write(1, "SUBSET    STATE(S)            INDUCED BY     FOR INPUT CHARACTER(S)");
  listing.write(1, "NR                            STATE(S)");
}

// Continuation lines of a set start under its first member, so every set
// begins at its column.
void at_column(Listing& listing, int column) { listing.writer().set_indentation(column); }

void write_subset_line(Listing& listing, const SubsetTable& subsets, int number, char marker) {
  listing.printf(0, "%c%3d", marker, number);
  if (const Subset* subset = subsets.at(number)) {
    at_column(listing, 10);
    write_number_set(listing, subset->states);
    at_column(listing, 30);
    write_number_set(listing, subset->induced_by);
    at_column(listing, 45);
    write_character_set(listing, subset->input_chars);
    listing.writer().set_indentation(0, false);
  }
  listing.newlines(1);
}

}  // namespace

void write_subset_trace_heading(Listing& listing) {
  listing.write(2, "NEW SUBSETS :");
  write_column_headings(listing);
}

void write_subset_expansion(Listing& listing, const SubsetTable& subsets, int current, int first_new) {
  write_subset_line(listing, subsets, current, ' ');
  if (first_new > subsets.highest()) listing.write(1, "> NONE");
  for (int n = first_new; n <= subsets.highest(); ++n) write_subset_line(listing, subsets, n, '>');
  listing.newlines(1);
}

void write_all_subsets(Listing& listing, const SubsetTable& subsets) {
  listing.write(2, "ALL SUBSETS :");
  write_column_headings(listing);
  for (int n = 0; n <= subsets.highest(); ++n) write_subset_line(listing, subsets, n, ' ');
  listing.newlines(2);
}

}  // namespace zedra
