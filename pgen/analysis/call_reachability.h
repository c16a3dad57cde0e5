// The reachability test of action calls: every attribute of a nonterminal
// instance that a call names must belong to an occurrence that lies on the
// call's own path through the rule.
#pragma once

namespace zedra {

class Diagnostics;
struct Rule;

// Reports Msg::NotInReachabilitySet (with the reachability set in the listing) for every
// argument of a call of `rule` that names an instance off the call's path.
void test_reachability(Diagnostics& diagnostics, const Rule& rule);

}  // namespace zedra
