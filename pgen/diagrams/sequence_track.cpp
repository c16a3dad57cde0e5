// A sequence: its items in one row, or, beyond the width limit, in several
// rows. The track leaves each full row on the right, returns below it to
// the left and enters the next row; the sequence then leaves at the end of
// its last row.
#include <algorithm>
#include <utility>

#include "diagrams/svg_canvas.h"
#include "diagrams/track.h"
#include "diagrams/track_row.h"

namespace zedra {

namespace {

constexpr int kRowGap = 14;            // between a row and the way back below it

struct Row {
  std::size_t first = 0;
  std::size_t last = 0;  // one past the last item
  Extent extent;
  int start = 0;  // x of the row's first item
  int y = 0;      // the row's baseline below the entry
};

class SequenceTrack : public Track {
 public:
  explicit SequenceTrack(TrackList items) : items_(std::move(items)) {}

  void measure(int max_width) override {
    for (const TrackPtr& item : items_) item->measure(max_width);
    split_rows(max_width);
    place_rows();
  }

  void draw(SvgCanvas& canvas, int x, int y) const override {
    for (std::size_t k = 0; k < rows_.size(); ++k) {
      const Row& row = rows_[k];
      const int end = draw_row(canvas, items_, row.first, row.last, x + row.start, y + row.y);
      if (k + 1 == rows_.size()) {
        canvas.line(end, x + extent_.width, y + row.y);
      } else {
        draw_return(canvas, x, y, k, end);
      }
    }
  }

 private:
  // As few rows as the limit allows, as even in width as they can be: the
  // narrowest row limit that needs no more rows than the widest one.
  void split_rows(int max_width) {
    const int row_limit = max_width - 3 * kArcRadius;
    rows_ = fill_rows(row_limit);
    if (rows_.size() < 2) return;
    int low = 0;
    int high = row_limit;
    while (low < high) {
      const int middle = low + (high - low) / 2;
      if (fill_rows(middle).size() <= rows_.size())
        high = middle;
      else
        low = middle + 1;
    }
    rows_ = fill_rows(high);
  }

  // Fills rows greedily up to `row_limit`; an item wider than that gets a
  // row of its own.
  std::vector<Row> fill_rows(int row_limit) const {
    std::vector<Row> rows;
    Row row;
    int width = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      const int item_width = items_[i]->extent().width;
      if (i > row.first && width + kItemGap + item_width > row_limit) {
        row.last = i;
        rows.push_back(row);
        row = Row{i, i, {}, 0, 0};
        width = 0;
      }
      width += (i > row.first ? kItemGap : 0) + item_width;
    }
    row.last = items_.size();
    rows.push_back(row);
    return rows;
  }

  // The rows' extents and positions, and the extent of the whole.
  void place_rows() {
    int right = 0;
    for (std::size_t k = 0; k < rows_.size(); ++k) {
      Row& row = rows_[k];
      row.extent = row_extent(items_, row.first, row.last);
      row.start = k == 0 ? 0 : kTurn;
      if (k > 0) {
        const Row& above = rows_[k - 1];
        row.y = return_y(above) + std::max(kRowGap + row.extent.up, kTurn);
      }
      right = std::max(right, row.start + row.extent.width);
    }
    const bool wrapped = rows_.size() > 1;
    extent_.width = wrapped ? right + kArcRadius : right;
    extent_.up = rows_.front().extent.up;
    extent_.down = rows_.back().y + rows_.back().extent.down;
    extent_.exit_dy = rows_.back().y;
    right_ = right;
  }

  // The baseline of the way back below `row`.
  static int return_y(const Row& row) { return row.y + std::max(row.extent.down + kRowGap, kTurn); }

  // From the end of row k to the right edge, down, back to the left below
  // the row and down into row k + 1.
  void draw_return(SvgCanvas& canvas, int x, int y, std::size_t k, int end) const {
    const Row& row = rows_[k];
    const Row& next = rows_[k + 1];
    const int back = y + return_y(row);
    canvas.line(end, x + right_, y + row.y);
    canvas.path(TrackPath(x + right_, y + row.y)
                    .arc(kArcRadius, kArcRadius, true)
                    .vertical(back - (y + row.y) - kTurn)
                    .arc(-kArcRadius, kArcRadius, true)
                    .horizontal(-(right_ - kTurn))
                    .arc(-kArcRadius, kArcRadius, false)
                    .vertical((y + next.y) - back - kTurn)
                    .arc(kArcRadius, kArcRadius, false));
    canvas.arrow(x + (right_ + kTurn) / 2 - 3, back, Heading::West);
  }

  TrackList items_;
  std::vector<Row> rows_;
  int right_ = 0;  // where the rows' track turns down on the right
};

}  // namespace

TrackPtr sequence_track(TrackList items) {
  if (items.empty()) return skip_track();
  if (items.size() == 1) return std::move(items.front());
  return std::make_unique<SequenceTrack>(std::move(items));
}

}  // namespace zedra
