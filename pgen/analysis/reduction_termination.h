// The grammar-wide tests that run before the LL(1) analysis: which rules
// can be reached from ROOT (reduction) and which can derive a finite phrase
// (termination).
// (Known in the design as the module `rchbtest`.)
#pragma once

namespace zedra {

class Diagnostics;
class Listing;
struct Rule;
struct RuleList;

// Marks every rule reachable from ROOT (the first rule) as reduced;
// Msg::NeverReduced for each rule that is not.
void test_reduction(Diagnostics& diagnostics, RuleList& rules);

// Marks every rule, alternative and secondary that can derive a finite
// phrase; Msg::EndlessRecursion for each rule that cannot.
void test_termination(Diagnostics& diagnostics, RuleList& rules);

// The listing line "Rule '%s' is ..." of option "reduced".
void list_reduction(Listing& listing, const Rule& rule);

}  // namespace zedra
