// The boxes that stand on a track (terminals, nonterminals, action calls)
// and the bare track of an empty alternative.
#include <utility>

#include "diagrams/svg_canvas.h"
#include "diagrams/text_metrics.h"
#include "diagrams/track.h"

namespace zedra {

namespace {

struct BoxStyle {
  const char* css_class;
  int font_size;
  int height;
  int padding;  // left and right of the label
  int corner;   // radius of the corners
};

constexpr BoxStyle kTerminalStyle{"box terminal", kBoxFontSize, 26, 10, 13};
constexpr BoxStyle kNonterminalStyle{"box nonterminal", kBoxFontSize, 26, 10, 0};
constexpr BoxStyle kActionStyle{"box action", kActionFontSize, 18, 6, 4};

class BoxTrack : public Track {
 public:
  BoxTrack(const BoxStyle& style, std::string label, std::string tooltip, std::string href)
      : style_(style), label_(std::move(label)), tooltip_(std::move(tooltip)), href_(std::move(href)) {}

  void measure(int) override {
    extent_.width = text_width(label_, style_.font_size) + 2 * style_.padding;
    extent_.up = style_.height / 2;
    extent_.down = style_.height - extent_.up;
  }

  void draw(SvgCanvas& canvas, int x, int y) const override {
    if (!href_.empty()) canvas.begin_link(href_);
    canvas.begin_group(style_.css_class, tooltip_);
    canvas.rect(x, y - extent_.up, extent_.width, style_.height, style_.corner);
    canvas.text(x + extent_.width / 2, y + baseline_offset(style_.font_size), label_);
    canvas.end_group();
    if (!href_.empty()) canvas.end_link();
  }

 private:
  const BoxStyle& style_;
  std::string label_;
  std::string tooltip_;
  std::string href_;
};

class SkipTrack : public Track {
 public:
  void measure(int) override { extent_ = Extent{}; }
  void draw(SvgCanvas&, int, int) const override {}
};

}  // namespace

TrackPtr terminal_track(std::string name) {
  return std::make_unique<BoxTrack>(kTerminalStyle, std::move(name), std::string(), std::string());
}

TrackPtr nonterminal_track(std::string name, std::string href) {
  return std::make_unique<BoxTrack>(kNonterminalStyle, std::move(name), std::string(), std::move(href));
}

TrackPtr action_track(std::string label, std::string tooltip) {
  return std::make_unique<BoxTrack>(kActionStyle, std::move(label), std::move(tooltip), std::string());
}

TrackPtr skip_track() { return std::make_unique<SkipTrack>(); }

}  // namespace zedra
