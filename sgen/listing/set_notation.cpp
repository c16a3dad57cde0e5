#include "listing/set_notation.h"

#include <string>

#include "code_writer.h"
#include "listing.h"

namespace zedra {

namespace {

// Writes the members of `set` up to `last` in maximal runs: a single
// member as itself, two as "a" ",b", three or more as "a" "..c"; runs are
// separated by ",". Every piece is one unit of the listing writer, and
// continuation lines start under the first member.
// "<separator><name>" as one piece (built without operator+, which trips a
// false -Wrestrict of g++ 12 at -O3).
std::string piece(const char* separator, const std::string& name) {
  std::string text(separator);
  text += name;
  return text;
}

template <class Name>
void write_runs(Listing& listing, const StateSet& set, int last, Name name) {
  listing.write(0, "[");
  listing.push_indent();
  bool first_run = true;
  for (int low = set.next(0); low >= 0 && low <= last;) {
    int high = low;
    while (high < last && set.contains(high + 1)) ++high;
    listing.write(0, piece(first_run ? "" : ",", name(low)));
    if (high == low + 1)
      listing.write(0, piece(",", name(high)));
    else if (high > low + 1)
      listing.write(0, piece("..", name(high)));
    first_run = false;
    low = set.next(high + 1);
  }
  listing.write(0, "]");
  listing.pop_indent();
}

}  // namespace

void write_number_set(Listing& listing, const StateSet& set) {
  write_runs(listing, set, StateSet::kLimit - 1, [](int n) { return std::to_string(n); });
}

void write_character_set(Listing& listing, const StateSet& set) {
  constexpr int kLastCharacter = 255;
  write_runs(listing, set, kLastCharacter, [](int c) { return c_char_literal(c); });
}

}  // namespace zedra
