// The page "<module>.html" of "pgen --diagrams": one self-contained HTML
// document with a legend, a list of the rules and a syntax diagram per
// rule in the order of the rule list (ROOT first), each an inline SVG
// styled by the page's own style sheet. The page holds no script and
// refers to nothing outside itself.
#pragma once

#include <string>
#include <string_view>

#include "diagrams/rule_tracks.h"

namespace zedra {

struct RuleList;

std::string diagram_page(const RuleList& rules, std::string_view module, const DiagramSettings& settings);

}  // namespace zedra
