// PACK: a part of an alternative enclosed between the terminals tPackLeft
// and tPackRight, drawn as brackets as tall as what they enclose. The
// closing bracket may carry an operator of its own (X PACK OPTION), so it
// is drawn inside whatever track that operator makes.
#pragma once

#include <memory>
#include <string>

#include "diagrams/track.h"

namespace zedra {

enum class BracketSide { Left, Right };

// One bracket on the track; its height is set by the pack around it
// before it is measured.
class BracketTrack : public Track {
 public:
  BracketTrack(BracketSide side, std::string terminal);
  // The bracket reaches `up` above and `down` below the baseline.
  void set_span(int up, int down);
  void measure(int max_width) override;
  void draw(SvgCanvas& canvas, int x, int y) const override;

 private:
  BracketSide side_;
  std::string terminal_;
  int up_ = 0;
  int down_ = 0;
};

// The pack of `content` between `left` and `right`: `right` is the track
// of the closing terminal with its operator, `closing` the bracket inside
// it (owned by `right`).
TrackPtr pack_track(std::unique_ptr<BracketTrack> left, TrackPtr content, TrackPtr right, BracketTrack* closing);

}  // namespace zedra
