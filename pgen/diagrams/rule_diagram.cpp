#include "diagrams/rule_diagram.h"

#include <algorithm>

#include "concat.h"
#include "diagrams/svg_canvas.h"
#include "diagrams/track.h"
#include "model/rule_model.h"

namespace zedra {

namespace {

constexpr int kMargin = 10;    // around the whole picture
constexpr int kBarGap = 5;     // between the two bars of an end mark
constexpr int kBarHalf = 9;    // half the height of a bar
constexpr int kLead = 14;      // the track between an end mark and the body
constexpr int kMarkWidth = kBarGap + kLead;

}  // namespace

std::string rule_svg(const Rule& rule, const DiagramSettings& settings) {
  TrackPtr track = rule_track(rule, settings);
  track->measure(kDiagramWidth - 2 * (kMargin + kMarkWidth));
  const Extent& extent = track->extent();
  const int x = kMargin + kMarkWidth;
  const int y = kMargin + std::max(extent.up, kBarHalf);
  const int exit_x = x + extent.width;
  const int exit_y = y + extent.exit_dy;
  SvgCanvas canvas;
  canvas.bar(kMargin, y, kBarHalf);
  canvas.bar(kMargin + kBarGap, y, kBarHalf);
  canvas.line(kMargin + kBarGap, x, y);
  track->draw(canvas, x, y);
  canvas.line(exit_x, exit_x + kLead, exit_y);
  canvas.bar(exit_x + kLead, exit_y, kBarHalf);
  canvas.bar(exit_x + kMarkWidth, exit_y, kBarHalf);
  const int width = exit_x + kMarkWidth + kMargin;
  const int height = y + std::max(extent.down, extent.exit_dy + kBarHalf) + kMargin;
  return canvas.svg(width, height, "diagram", concat({"syntax diagram of ", rule.name}));
}

}  // namespace zedra
