// The picture of one rule: its tracks between a start and an end mark, as
// one inline <svg> element that fits a given width where the rule allows.
#pragma once

#include <string>

#include "diagrams/rule_tracks.h"

namespace zedra {

struct Rule;

// Rows of a long alternative wrap at this width.
inline constexpr int kDiagramWidth = 1080;

std::string rule_svg(const Rule& rule, const DiagramSettings& settings);

}  // namespace zedra
