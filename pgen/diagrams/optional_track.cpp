// An option: the body on the baseline and a bypass above it. The body of
// an option never wraps.
#include <algorithm>
#include <utility>

#include "diagrams/svg_canvas.h"
#include "diagrams/track.h"

namespace zedra {

namespace {

class OptionalTrack : public Track {
 public:
  explicit OptionalTrack(TrackPtr body) : body_(std::move(body)) {}

  void measure(int) override {
    body_->measure(kUnbounded);
    bypass_ = std::max(body_->extent().up + kBranchGap, kTurn);
    extent_.width = body_->extent().width + 2 * kTurn;
    extent_.up = bypass_;
    extent_.down = body_->extent().down;
    extent_.exit_dy = 0;
  }

  void draw(SvgCanvas& canvas, int x, int y) const override {
    const int body_width = body_->extent().width;
    canvas.line(x, x + kTurn, y);
    body_->draw(canvas, x + kTurn, y);
    canvas.line(x + kTurn + body_width, x + extent_.width, y);
    canvas.path(TrackPath(x, y)
                    .arc(kArcRadius, -kArcRadius, false)
                    .vertical(-(bypass_ - kTurn))
                    .arc(kArcRadius, -kArcRadius, true)
                    .horizontal(body_width)
                    .arc(kArcRadius, kArcRadius, true)
                    .vertical(bypass_ - kTurn)
                    .arc(kArcRadius, kArcRadius, false));
    canvas.arrow(x + kTurn + body_width / 2 + 3, y - bypass_, Heading::East);
  }

 private:
  TrackPtr body_;
  int bypass_ = 0;  // the bypass runs this far above the baseline
};

}  // namespace

TrackPtr optional_track(TrackPtr body) { return std::make_unique<OptionalTrack>(std::move(body)); }

}  // namespace zedra
