// The LL(1) conflict test of one rule: empty director sets, alternatives
// whose director sets overlap, CHAIN loops that cannot tell continuing from
// leaving, and OPTION, SEQ and CLOS operands that cannot be decided. Each
// finding is an error with its sets written behind "***" in the listing.
#pragma once

#include <string>

namespace zedra {

class Diagnostics;
class Listing;
class NameList;
struct Rule;

// Writes `label`, then " name" for every element of `set`, then a line end.
void list_set(Listing& listing, const std::string& label, const NameList& set);

// Reports Msg::EmptyDirset, AlternativesNotDisjoint, ChainNotDisjoint and
// SecondaryNotDisjoint for `rule`; changes no set.
void test_ll1_conflicts(Diagnostics& diagnostics, const Rule& rule);

}  // namespace zedra
