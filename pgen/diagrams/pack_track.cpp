#include "diagrams/pack_track.h"

#include <algorithm>
#include <utility>

#include "diagrams/svg_canvas.h"
#include "diagrams/track_row.h"

namespace zedra {

namespace {

constexpr int kBracketWidth = 12;
constexpr int kBracketReach = 6;  // how far the bracket reaches beyond what it encloses
constexpr int kMinimumSpan = 13;  // half the height of a box
constexpr int kPackGap = 8;       // between a bracket and what it encloses

class PackTrack : public Track {
 public:
  PackTrack(std::unique_ptr<BracketTrack> left, TrackPtr content, TrackPtr right, BracketTrack* closing)
      : closing_(closing) {
    left_ = left.get();
    parts_.push_back(std::move(left));
    parts_.push_back(std::move(content));
    parts_.push_back(std::move(right));
  }

  void measure(int) override {
    Track& content = *parts_[1];
    content.measure(kUnbounded);
    const int up = std::max(content.extent().up, kMinimumSpan) + kBracketReach;
    const int down = std::max(content.extent().down, kMinimumSpan) + kBracketReach;
    left_->set_span(up, down);
    closing_->set_span(up, down);
    parts_[0]->measure(kUnbounded);
    parts_[2]->measure(kUnbounded);
    extent_ = row_extent(parts_, 0, parts_.size(), kPackGap);
  }

  void draw(SvgCanvas& canvas, int x, int y) const override { draw_row(canvas, parts_, 0, parts_.size(), x, y, kPackGap); }

 private:
  TrackList parts_;  // the opening bracket, the content, the closing track
  BracketTrack* left_ = nullptr;
  BracketTrack* closing_ = nullptr;
};

}  // namespace

BracketTrack::BracketTrack(BracketSide side, std::string terminal) : side_(side), terminal_(std::move(terminal)) {}

void BracketTrack::set_span(int up, int down) {
  up_ = up;
  down_ = down;
}

void BracketTrack::measure(int) {
  extent_.width = kBracketWidth;
  extent_.up = std::max(up_, kMinimumSpan);
  extent_.down = std::max(down_, kMinimumSpan);
  extent_.exit_dy = 0;
}

void BracketTrack::draw(SvgCanvas& canvas, int x, int y) const {
  canvas.line(x, x + kBracketWidth, y);
  const bool left = side_ == BracketSide::Left;
  const int stem = left ? x + 3 : x + kBracketWidth - 3;
  const int hook = left ? kBracketWidth - 5 : -(kBracketWidth - 5);
  const int top = y - extent_.up + 1;
  const int height = extent_.up + extent_.down - 2;
  canvas.begin_group("bracket", terminal_);
  canvas.path(TrackPath(stem + hook, top).horizontal(-hook).vertical(height).horizontal(hook), "bracket-line");
  canvas.end_group();
}

TrackPtr pack_track(std::unique_ptr<BracketTrack> left, TrackPtr content, TrackPtr right, BracketTrack* closing) {
  return std::make_unique<PackTrack>(std::move(left), std::move(content), std::move(right), closing);
}

}  // namespace zedra
