// The windows of variable access worked out anew for every level, after
// the reference step may have changed the layout of the address space.
#include "fast_frames.h"

namespace kam {

void Machine::refresh_windows() {
  top_level_ = 0;
  others_end_ = 0;
  for (int level = 1; level <= max_level; ++level) {
    refresh_window(level);
    if (display_[static_cast<std::size_t>(level)] != 0) top_level_ = level;
  }
  fast_room_ = std::min(memory_limit_, mem_.capacity());
  layout_dirty_ = false;
  kept_frames_ = 0;
}

}  // namespace kam
