// The windows of variable access worked out anew for every level, after
// the reference step may have changed the layout of the address space;
// and the fast crseg in its less common cases, which change more of them.
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

// fast_crseg in every other case, when it fits into the room.
bool Machine::fast_crseg_other(std::int32_t sn, std::int32_t length) {
  kept_frames_ = 0;
  const auto level = static_cast<std::size_t>(sn);
  const auto base = static_cast<std::uint32_t>(mem_.append_segment_within(
      sn, length, display_[level - 1], display_[static_cast<std::size_t>(csn_)]));
  if (sn != csn_) others_end_ = std::max(others_end_, window_end(csn_));
  csn_ = sn;
  display_[level] = static_cast<std::int32_t>(base);
  if (sn > top_level_) top_level_ = sn;
  // The new segment ends the address space: its window is all of it
  // (none for length 0, where the base is the size). Growing changes only
  // the windows cut short by the end of the address space.
  window_base_[level] = base;
  window_limit_[level] = static_cast<std::uint32_t>(length);
  if (size_bound_levels_ != 0 || length == 0) [[unlikely]] {
    const std::uint32_t bit = 1u << sn;
    std::uint32_t others = size_bound_levels_ & ~bit;
    size_bound_levels_ = length == 0 ? others | bit : others;
    for (; others != 0; others &= others - 1) refresh_window(std::countr_zero(others));
  }
  return true;
}

}  // namespace kam
