// Tracks standing one behind the other on one baseline, joined by short
// pieces of track: the rows of sequences and the parts of a pack.
#pragma once

#include <cstddef>

#include "diagrams/track.h"

namespace zedra {

// The measured tracks items[first .. last) as one row, `gap` apart.
Extent row_extent(const TrackList& items, std::size_t first, std::size_t last, int gap = kItemGap);

// Draws the row items[first .. last) from (x, y) with the joining track;
// gives the x where the row ends.
int draw_row(SvgCanvas& canvas, const TrackList& items, std::size_t first, std::size_t last, int x, int y,
             int gap = kItemGap);

}  // namespace zedra
