// The fast loop's segment instructions and the windows of variable access
// they keep up to date: crseg and dlseg as the reference step executes
// them, for the cases that cannot fail, without allocating. Private to the
// machine (fast_run.cpp and windows.cpp).
#pragma once

#include <algorithm>
#include <bit>

#include "machine.h"

namespace kam {

// The window of one level, as var_address checks a variable of it.
inline void Machine::refresh_window(int level) {
  const auto at = static_cast<std::size_t>(level);
  const auto size = static_cast<std::uint32_t>(mem_.size());
  const auto base = static_cast<std::uint32_t>(display_[at]);
  std::uint32_t limit = 0;
  bool size_bound = base >= size;
  if (base >= header_words && base < size) {
    const std::int32_t length = mem_[base - 3];
    if (length > 0) {
      limit = std::min(static_cast<std::uint32_t>(length), size - base);
      size_bound = static_cast<std::uint32_t>(length) > size - base;
    }
  }
  window_base_[at] = base;
  window_limit_[at] = limit;
  if (level != csn_) others_end_ = std::max(others_end_, window_end(level));
  const std::uint32_t bit = 1u << level;
  size_bound_levels_ = size_bound ? size_bound_levels_ | bit : size_bound_levels_ & ~bit;
}

// crseg sn i with length = the length table's entry i, both checked when
// the program was decoded; false leaves everything as it was.
inline bool Machine::fast_crseg(std::int32_t sn, std::int32_t length) {
  if (mem_.size() + header_words + static_cast<std::size_t>(length) > fast_room_) return false;
  const auto level = static_cast<std::size_t>(sn);
  const std::int32_t stat = display_[level - 1];
  const std::int32_t dyn = display_[level];
  // Below a segment that the same case created, caller_kept holds.
  if (sn != csn_ || stat == dyn || length <= 0 ||
      (kept_frames_ == 0 && (size_bound_levels_ != 0 || !caller_kept(sn, dyn)))) [[unlikely]]
    return fast_crseg_other(sn, length);
  // A call at the same level that its dlseg undoes plainly: only the
  // display entry and the window of this level change.
  const auto base = static_cast<std::uint32_t>(mem_.append_segment_within(sn, length, stat, dyn));
  display_[level] = static_cast<std::int32_t>(base);
  window_base_[level] = base;
  window_limit_[level] = static_cast<std::uint32_t>(length);
  ++kept_frames_;
  return true;
}

// Whether the dlseg of a segment of level sn created now, with dynamic
// link dyn, goes back to the caller's segment at dyn as its window shows
// it now, whatever the fast loop does in between: the caller's segment is
// of level sn, wholly within its window (which no growth changes), and
// its first two header words are protected from stores; the fast loop
// changes no header word, and step() marks the layout changed when it does.
inline bool Machine::caller_kept(std::int32_t sn, std::int32_t dyn) const {
  const auto level = static_cast<std::size_t>(sn);
  if (window_limit_[level] == 0) return false;  // else dyn is a segment's base within the space
  const auto at = static_cast<std::size_t>(dyn) - 4;
  return mem_.is_header(at) && mem_.is_header(at + 1) && mem_[at] == sn;
}

// dlseg when none of its checks fails; false leaves everything as it was.
inline bool Machine::fast_dlseg() {
  const int csn = csn_;
  if (kept_frames_ != 0) {
    // Created by the fast crseg at the same level, with nothing between
    // that changed the layout: back to the caller's segment and window.
    --kept_frames_;
    std::int32_t* word = mem_.words();
    const auto at = static_cast<std::size_t>(csn);
    const auto address = static_cast<std::uint32_t>(display_[at]);
    const std::int32_t dyn = word[address - 1];
    display_[at] = dyn;
    window_base_[at] = static_cast<std::uint32_t>(dyn);
    window_limit_[at] = static_cast<std::uint32_t>(word[dyn - 3]);
    mem_.shrink(address - header_words);
    return true;
  }
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
    // length keeps within the address space; and no other window reaches
    // into the deleted segment unless others_end_ says it might.
    const std::int32_t length = word[dyn - 3];
    const auto at = static_cast<std::size_t>(csn);
    const auto room = size_now - static_cast<std::uint32_t>(dyn);
    if (length > 0 && static_cast<std::uint32_t>(length) <= room) {
      window_base_[at] = static_cast<std::uint32_t>(dyn);
      window_limit_[at] = static_cast<std::uint32_t>(length);
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
