// The rule listing: every rule with its locals, its right-hand side, its
// action calls and the analysis sets that the options select.
#pragma once

#include <string>

namespace zedra {

class Listing;
class PgenOptions;
struct ActionCall;
struct Rule;

// Writes `rule` (ROOT when `is_root`) from its name to the lines after the
// final "." (the EMPTY, FIRST, LAST, FOLLOW and reduction lines). Resets the
// use marks of the rule's locals when they are listed.
void list_rule(Listing& listing, const PgenOptions& options, Rule& rule, bool is_root);

// The text of an action call: "name(arg, arg)".
std::string call_text(const ActionCall& call, const std::string& rule_name, bool numbers);

}  // namespace zedra
