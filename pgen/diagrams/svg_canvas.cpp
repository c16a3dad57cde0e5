#include "diagrams/svg_canvas.h"

#include <cstdlib>

#include "concat.h"

namespace zedra {

namespace {

std::string number(int value) { return std::to_string(value); }

constexpr int kArrowLength = 7;
constexpr int kArrowHalfWidth = 4;

}  // namespace

TrackPath::TrackPath(int x, int y) : data_(concat({"M", number(x), " ", number(y)})) {}

TrackPath& TrackPath::horizontal(int dx) {
  if (dx != 0) data_ += concat({"h", number(dx)});
  return *this;
}

TrackPath& TrackPath::vertical(int dy) {
  if (dy != 0) data_ += concat({"v", number(dy)});
  return *this;
}

TrackPath& TrackPath::arc(int dx, int dy, bool right_turn) {
  const std::string radius = number(std::abs(dx));
  data_ += concat({"a", radius, " ", radius, " 0 0 ", right_turn ? "1" : "0", " ", number(dx), " ", number(dy)});
  return *this;
}

void SvgCanvas::element(const std::string& text) {
  body_.append(static_cast<std::size_t>(depth_) * 2, ' ');
  body_ += text;
  body_ += '\n';
}

void SvgCanvas::path(const TrackPath& path, std::string_view css_class) {
  element(concat({"<path class=\"", css_class, "\" d=\"", path.data(), "\"/>"}));
}

void SvgCanvas::line(int x1, int x2, int y) {
  if (x2 > x1) path(TrackPath(x1, y).horizontal(x2 - x1));
}

void SvgCanvas::rect(int x, int y, int width, int height, int corner) {
  std::string text = concat({"<rect x=\"", number(x), "\" y=\"", number(y), "\" width=\"", number(width),
                             "\" height=\"", number(height), "\""});
  if (corner > 0) text += concat({" rx=\"", number(corner), "\""});
  text += "/>";
  element(text);
}

void SvgCanvas::text(int x, int y, std::string_view label) {
  element(concat({"<text x=\"", number(x), "\" y=\"", number(y), "\">", markup_escaped(label), "</text>"}));
}

void SvgCanvas::arrow(int x, int y, Heading heading) {
  const int back = heading == Heading::East ? -kArrowLength : kArrowLength;
  element(concat({"<path class=\"arrow\" d=\"M", number(x), " ", number(y), "l", number(back), " ",
                  number(-kArrowHalfWidth), "v", number(2 * kArrowHalfWidth), "z\"/>"}));
}

void SvgCanvas::bar(int x, int y, int half_height) {
  element(concat({"<path class=\"end\" d=\"M", number(x), " ", number(y - half_height), "v",
                  number(2 * half_height), "\"/>"}));
}

void SvgCanvas::begin_group(std::string_view css_class, std::string_view tooltip) {
  element(concat({"<g class=\"", css_class, "\">"}));
  ++depth_;
  if (!tooltip.empty()) element(concat({"<title>", markup_escaped(tooltip), "</title>"}));
}

void SvgCanvas::end_group() {
  --depth_;
  element("</g>");
}

void SvgCanvas::begin_link(std::string_view href) {
  element(concat({"<a href=\"", markup_escaped(href), "\">"}));
  ++depth_;
}

void SvgCanvas::end_link() {
  --depth_;
  element("</a>");
}

std::string SvgCanvas::svg(int width, int height, std::string_view css_class, std::string_view label) const {
  const std::string w = number(width);
  const std::string h = number(height);
  return concat({"<svg class=\"", css_class, "\" width=\"", w, "\" height=\"",
                 h, "\" viewBox=\"0 0 ", w, " ", h, "\" aria-label=\"", markup_escaped(label),
                 "\">\n", body_, "</svg>\n"});
}

}  // namespace zedra
