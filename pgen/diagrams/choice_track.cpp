// Alternatives: the first stays on the baseline, the others hang below it,
// each reached by a curve off a common vertical track on the left and
// leading back up to the baseline on the right. A single alternative is
// drawn as it is.
#include <algorithm>
#include <utility>

#include "diagrams/svg_canvas.h"
#include "diagrams/track.h"

namespace zedra {

namespace {

class ChoiceTrack : public Track {
 public:
  explicit ChoiceTrack(TrackList branches) : branches_(std::move(branches)) {}

  void measure(int max_width) override {
    int inner = 0;
    ys_.clear();
    for (std::size_t i = 0; i < branches_.size(); ++i) {
      Track& branch = *branches_[i];
      branch.measure(max_width - 2 * kTurn);
      inner = std::max(inner, branch.extent().width);
      if (i == 0) {
        ys_.push_back(0);
      } else {
        const Track& above = *branches_[i - 1];
        const int y = ys_.back() + above.extent().down + kBranchGap + branch.extent().up;
        ys_.push_back(std::max(y, i == 1 ? kTurn : ys_.back() + kTurn));
      }
    }
    inner_ = inner;
    extent_.width = inner + 2 * kTurn;
    extent_.up = branches_.front()->extent().up;
    extent_.down = ys_.back() + branches_.back()->extent().down;
    extent_.exit_dy = 0;
  }

  void draw(SvgCanvas& canvas, int x, int y) const override {
    for (std::size_t i = 0; i < branches_.size(); ++i) {
      const Track& branch = *branches_[i];
      const int top = y + ys_[i];
      draw_entry(canvas, x, y, top);
      branch.draw(canvas, x + kTurn, top);
      const int exit_y = top + branch.extent().exit_dy;
      canvas.line(x + kTurn + branch.extent().width, x + kTurn + inner_, exit_y);
      draw_exit(canvas, x + kTurn + inner_, y, exit_y);
    }
  }

 private:
  // From the choice's entry at (x, y) to a branch entry at (x + 2r, top).
  static void draw_entry(SvgCanvas& canvas, int x, int y, int top) {
    if (top == y) {
      canvas.line(x, x + kTurn, y);
      return;
    }
    canvas.path(TrackPath(x, y)
                    .arc(kArcRadius, kArcRadius, true)
                    .vertical(top - y - kTurn)
                    .arc(kArcRadius, kArcRadius, false));
  }

  // From a branch exit at (x, exit_y) to the choice's exit at (x + 2r, y).
  static void draw_exit(SvgCanvas& canvas, int x, int y, int exit_y) {
    if (exit_y == y) {
      canvas.line(x, x + kTurn, y);
      return;
    }
    canvas.path(TrackPath(x, exit_y)
                    .arc(kArcRadius, -kArcRadius, false)
                    .vertical(-(exit_y - y - kTurn))
                    .arc(kArcRadius, -kArcRadius, true));
  }

  TrackList branches_;
  std::vector<int> ys_;  // each branch's baseline below the entry
  int inner_ = 0;        // the width of the widest branch
};

}  // namespace

TrackPtr choice_track(TrackList branches) {
  if (branches.empty()) return skip_track();
  if (branches.size() == 1) return std::move(branches.front());
  return std::make_unique<ChoiceTrack>(std::move(branches));
}

}  // namespace zedra
