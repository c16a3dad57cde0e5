// The SVG text of one syntax diagram, written element by element with
// integer coordinates: track lines as paths of straight pieces and quarter
// arcs, boxes with their labels, arrowheads, groups with a tooltip and
// links. Styling is left to the classes, which the page's style sheet
// defines.
#pragma once

#include <string>
#include <string_view>

#include "markup.h"

namespace zedra {

// A path of straight pieces and quarter arcs of one radius, starting at a
// point. Turning right means clockwise on the screen (y grows downwards).
class TrackPath {
 public:
  TrackPath(int x, int y);
  TrackPath& horizontal(int dx);
  TrackPath& vertical(int dy);
  // A quarter arc that ends `dx` across and `dy` down from here.
  TrackPath& arc(int dx, int dy, bool right_turn);
  const std::string& data() const { return data_; }

 private:
  std::string data_;
};

enum class Heading { East, West };

class SvgCanvas {
 public:
  void path(const TrackPath& path, std::string_view css_class = "track");
  // A straight track line from (x1, y) to (x2, y); nothing when x2 <= x1.
  void line(int x1, int x2, int y);
  void rect(int x, int y, int width, int height, int corner);
  // A label centred on x with its baseline at y.
  void text(int x, int y, std::string_view label);
  // An arrowhead whose tip is at (x, y), pointing along `heading`.
  void arrow(int x, int y, Heading heading);
  // A short vertical bar centred on (x, y): the ends of a diagram.
  void bar(int x, int y, int half_height);

  // A group of elements styled by `css_class`; a non-empty `tooltip`
  // becomes its title.
  void begin_group(std::string_view css_class, std::string_view tooltip);
  void end_group();
  void begin_link(std::string_view href);
  void end_link();

  // The whole <svg> element of the given size around what was drawn;
  // `label` names the picture for screen readers.
  std::string svg(int width, int height, std::string_view css_class, std::string_view label) const;

 private:
  void element(const std::string& text);

  std::string body_;
  int depth_ = 1;
};

}  // namespace zedra
