// The elements of a syntax diagram in the railroad style: a track enters
// on the left on its baseline and leaves on the right; boxes stand on the
// track, choices branch off below it, options bypass above it and loops
// return below it. Each element first measures itself, then draws itself
// at a given entry point; containers place their parts from the parts'
// measures. Only sequences wrap into rows, so only they leave below their
// entry.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace zedra {

class SvgCanvas;

// Distances in CSS pixels.
inline constexpr int kArcRadius = 10;      // every curve of a track
inline constexpr int kTurn = 2 * kArcRadius;  // a turn of two arcs, across or up
inline constexpr int kItemGap = 16;        // the track between neighbours in a row
inline constexpr int kBranchGap = 10;      // between stacked branches
inline constexpr int kUnbounded = 1 << 20;  // a width limit that never wraps

// The size of a track around its entry point.
struct Extent {
  int width = 0;
  int up = 0;       // above the baseline
  int down = 0;     // below the baseline
  int exit_dy = 0;  // the exit lies this far below the entry
};

class Track {
 public:
  virtual ~Track() = default;
  // Lays the track out within `max_width` where it can (sequences wrap
  // into rows; everything else only passes the limit on).
  virtual void measure(int max_width) = 0;
  // Draws the measured track with its entry at (x, y).
  virtual void draw(SvgCanvas& canvas, int x, int y) const = 0;
  const Extent& extent() const { return extent_; }

 protected:
  Extent extent_;
};

using TrackPtr = std::unique_ptr<Track>;
using TrackList = std::vector<TrackPtr>;

// A terminal: a rounded box.
TrackPtr terminal_track(std::string name);
// A nonterminal: a square box linked to `href`.
TrackPtr nonterminal_track(std::string name, std::string href);
// An action call: a small dashed box with `label`; `tooltip` holds the
// whole call.
TrackPtr action_track(std::string label, std::string tooltip);
// A bare piece of track: an empty alternative.
TrackPtr skip_track();
// The tracks one behind the other, wrapped into rows beyond the width limit.
TrackPtr sequence_track(TrackList items);
// Alternatives: the first on the baseline, the others below it.
TrackPtr choice_track(TrackList branches);
// One or more passes through `body`; a non-null `separator` stands on the
// way back.
TrackPtr loop_track(TrackPtr body, TrackPtr separator);
// `body` or a bypass above it.
TrackPtr optional_track(TrackPtr body);

}  // namespace zedra
