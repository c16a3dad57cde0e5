// The windows of variable access worked out anew for every level, after
// the reference step may have changed the layout of the address space;
// and the fast crseg and dlseg in their less common cases, which change
// more of them.
#include "fast_frames.h"

namespace kam {

void Machine::refresh_windows() {
  top_level_ = 0;
  others_end_ = 0;
  for (int level = 1; level <= max_level; ++level) {
    refresh_window(level);
    if (display_[static_cast<std::size_t>(level)] != 0) top_level_ = level;
  }
  // Beyond the room, the fast crseg of a small segment clears a fixed
  // number of words.
  const std::size_t capacity = mem_.capacity();
  fast_room_ = std::min(memory_limit_,
                        capacity > WordSpace::small_room ? capacity - WordSpace::small_room : 0);
  layout_dirty_ = false;
  kept_frames_ = 0;
}

// fast_crseg in every other case, when it fits into the room: the first
// kept segment, and those that are not kept.
std::uint32_t Machine::fast_crseg_other(std::int32_t sn, std::int32_t length) {
  const auto level = static_cast<std::size_t>(sn);
  const std::int32_t stat = display_[level - 1];
  const std::int32_t dyn = display_[level];
  if (size_bound_levels_ == 0 && keeps(sn, length, stat, dyn) && caller_kept(sn, dyn))
    return kept_crseg(sn, length, stat, dyn);
  kept_frames_ = 0;
  const auto base = static_cast<std::uint32_t>(mem_.append_segment_within(
      sn, length, display_[level - 1], display_[static_cast<std::size_t>(csn_)]));
  if (sn != csn_) others_end_ = std::max(others_end_, window_end(csn_));
  csn_ = sn;
  display_[level] = static_cast<std::int32_t>(base);
  if (sn > top_level_) top_level_ = sn;
  // The new segment ends the address space: its window is all of it
  // (none for length 0, where the base is the size). Growing changes only
  // the windows cut short by the end of the address space.
  set_segment_window(level, base, static_cast<std::uint32_t>(length));
  if (size_bound_levels_ != 0 || length == 0) [[unlikely]] {
    const std::uint32_t bit = 1u << sn;
    std::uint32_t others = size_bound_levels_ & ~bit;
    size_bound_levels_ = length == 0 ? others | bit : others;
    for (; others != 0; others &= others - 1) refresh_window(std::countr_zero(others));
  }
  return base;
}

// fast_dlseg of a segment that no kept frame holds.
bool Machine::fast_dlseg_other() {
  const int csn = csn_;
  if (csn < 1) return false;
  const auto size = static_cast<std::int64_t>(mem_.size());
  const std::int64_t address = display_[static_cast<std::size_t>(csn)];
  if (address < header_words || address > size) return false;
  const std::int32_t* word = mem_.words();
  const std::int32_t* head = word + (address - header_words);  // sn, length, stat, dyn
  if (address + head[1] != size) return false;  // not the last segment
  const std::int32_t stat = head[2];
  const std::int32_t dyn = head[3];
  int high = csn;  // the display entries csn .. high change (none when high < csn)
  bool same_level = false;
  if (stat == dyn) {
    display_[static_cast<std::size_t>(csn)] = 0;
    csn_ = csn - 1;
  } else {
    // The caller's static chain, checked before the display changes.
    const auto valid = [&](std::int64_t at) {
      return at >= header_words && at <= address - header_words;
    };
    if (!valid(dyn)) return false;
    const std::int32_t caller = word[dyn - 4];
    if (caller < 1 || caller > max_level) return false;
    if (caller == csn) {  // a call at the same level: back to its caller's segment
      display_[static_cast<std::size_t>(csn)] = dyn;
      same_level = true;
    } else {
      std::int64_t at = dyn;
      for (int level = caller; level >= csn; --level) {
        if (!valid(at)) return false;
        at = word[at - 2];
      }
      at = dyn;
      for (int level = caller; level >= csn; --level) {
        display_[static_cast<std::size_t>(level)] = static_cast<std::int32_t>(at);
        at = word[at - 2];
      }
      high = caller;
      top_level_ = std::max(top_level_, static_cast<int>(caller));
    }
    csn_ = caller;
  }
  const auto size_now = static_cast<std::uint32_t>(address - header_words);
  mem_.shrink(size_now);
  if (same_level) {
    // The caller's segment, below the deleted one, is its window when its
    // length is a header word and keeps within the address space; and no
    // other window reaches into the deleted segment unless others_end_ says
    // it might.
    const std::int32_t length = word[dyn - 3];
    const auto at = static_cast<std::size_t>(csn);
    const auto room = size_now - static_cast<std::uint32_t>(dyn);
    if (length > 0 && static_cast<std::uint32_t>(length) <= room && mem_.is_header(dyn - 3)) {
      set_window(at, static_cast<std::uint32_t>(dyn), static_cast<std::uint32_t>(length));
      size_bound_levels_ &= ~(1u << csn);
    } else {
      refresh_window(csn);
    }
    if (others_end_ <= size_now) return true;
  } else {
    // The windows of the levels set here, and of those that reach beyond
    // the new end of the address space, change.
    for (int level = csn; level <= high; ++level) refresh_window(level);
  }
  const int top = top_level_;
  for (int level = 1; level <= top; ++level) {
    if (level == csn && high >= csn) {  // set above
      level = high;
      continue;
    }
    if (window_end(level) > size_now) refresh_window(level);
  }
  others_end_ = 0;
  for (int level = 1; level <= top; ++level)
    if (level != csn_) others_end_ = std::max(others_end_, window_end(level));
  return true;
}

}  // namespace kam
