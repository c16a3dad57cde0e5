#include "diagrams/track_row.h"

#include <algorithm>

#include "diagrams/svg_canvas.h"

namespace zedra {

Extent row_extent(const TrackList& items, std::size_t first, std::size_t last, int gap) {
  Extent row;
  for (std::size_t i = first; i < last; ++i) {
    const Extent& item = items[i]->extent();
    if (i > first) row.width += gap;
    row.width += item.width;
    row.up = std::max(row.up, item.up);
    row.down = std::max(row.down, item.down);
  }
  return row;
}

int draw_row(SvgCanvas& canvas, const TrackList& items, std::size_t first, std::size_t last, int x, int y,
             int gap) {
  for (std::size_t i = first; i < last; ++i) {
    if (i > first) {
      canvas.line(x, x + gap, y);
      x += gap;
    }
    items[i]->draw(canvas, x, y);
    x += items[i]->extent().width;
  }
  return x;
}

}  // namespace zedra
