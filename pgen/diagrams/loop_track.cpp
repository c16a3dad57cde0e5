// Loops: the body on the baseline, the way back below it from the right
// end to the left one, with the separator of a CHAIN or LIST standing on
// the way back. The body of a loop never wraps.
#include <algorithm>
#include <utility>

#include "diagrams/svg_canvas.h"
#include "diagrams/track.h"

namespace zedra {

namespace {

constexpr int kArrowRoom = 22;  // track left free for an arrowhead beside a separator

class LoopTrack : public Track {
 public:
  LoopTrack(TrackPtr body, TrackPtr separator) : body_(std::move(body)), separator_(std::move(separator)) {}

  void measure(int) override {
    body_->measure(kUnbounded);
    int inner = body_->extent().width;
    int separator_up = 0;
    int separator_down = 0;
    if (separator_) {
      separator_->measure(kUnbounded);
      inner = std::max(inner, separator_->extent().width + 2 * kArrowRoom);
      separator_up = separator_->extent().up;
      separator_down = separator_->extent().down;
    }
    inner_ = inner;
    back_ = std::max(body_->extent().down + kBranchGap + separator_up, kTurn);
    extent_.width = inner + kTurn;
    extent_.up = body_->extent().up;
    extent_.down = back_ + separator_down;
    extent_.exit_dy = 0;
  }

  void draw(SvgCanvas& canvas, int x, int y) const override {
    const int left = x + kArcRadius;
    const int right = left + inner_;
    const int body_x = left + (inner_ - body_->extent().width) / 2;
    canvas.line(x, body_x, y);
    body_->draw(canvas, body_x, y);
    canvas.line(body_x + body_->extent().width, x + extent_.width, y);
    const int back = y + back_;
    canvas.path(TrackPath(right, y).arc(kArcRadius, kArcRadius, true).vertical(back_ - kTurn).arc(-kArcRadius, kArcRadius, true));
    canvas.path(TrackPath(left, back).arc(-kArcRadius, -kArcRadius, true).vertical(-(back_ - kTurn)).arc(kArcRadius, -kArcRadius, true));
    if (!separator_) {
      canvas.line(left, right, back);
      canvas.arrow(left + inner_ / 2 - 3, back, Heading::West);
      return;
    }
    const int separator_x = left + (inner_ - separator_->extent().width) / 2;
    const int separator_end = separator_x + separator_->extent().width;
    canvas.line(separator_end, right, back);
    separator_->draw(canvas, separator_x, back);
    canvas.line(left, separator_x, back);
    canvas.arrow(left + (separator_x - left) / 2 - 3, back, Heading::West);
  }

 private:
  TrackPtr body_;
  TrackPtr separator_;
  int inner_ = 0;  // the width between the two turns
  int back_ = 0;   // the baseline of the way back below the entry
};

}  // namespace

TrackPtr loop_track(TrackPtr body, TrackPtr separator) {
  return std::make_unique<LoopTrack>(std::move(body), std::move(separator));
}

}  // namespace zedra
