// The fast loop's segment instructions and the windows of variable access
// they keep up to date: crseg and dlseg as the reference step executes
// them, for the cases that cannot fail, without allocating. Private to the
// machine (fast_run.cpp and windows.cpp).
#pragma once

#include <algorithm>
#include <bit>
#include <cstring>

#include "machine.h"

namespace kam {

// Whether no word of the window at base with limit words (within the
// address space) is a segment header. With the headers intact, a window
// that begins right behind a header and keeps within the length it gives
// holds none; otherwise the header flags tell.
inline bool Machine::header_free(std::uint32_t base, std::uint32_t limit) const {
  if (limit == 0) return true;
  const std::uint8_t* flags = mem_.header_flags();
  if (headers_intact_ && base >= header_words && flags[base - 1] != 0 && flags[base] == 0 &&
      std::int64_t{limit} <= mem_[base - 3])
    return true;
  return std::memchr(flags + base, 1, limit) == nullptr;
}

inline void Machine::set_window(std::size_t level, std::uint32_t base, std::uint32_t limit) {
  window_base_[level] = base;
  window_limit_[level] = limit;
  window_store_limit_[level] = header_free(base, limit) ? limit : 0;
}

inline void Machine::set_segment_window(std::size_t level, std::uint32_t base,
                                        std::uint32_t length) {
  window_base_[level] = base;
  window_limit_[level] = length;
  window_store_limit_[level] = length;
}

// The window of one level, as var_address checks a variable of it. A
// display entry left behind by a deleted segment may point where the word
// var_address takes for the length is a data word, which any store may
// change: that level has no window, and the reference step checks each of
// its variables.
inline void Machine::refresh_window(int level) {
  const auto at = static_cast<std::size_t>(level);
  const auto size = static_cast<std::uint32_t>(mem_.size());
  const auto base = static_cast<std::uint32_t>(display_[at]);
  std::uint32_t limit = 0;
  bool size_bound = base >= size;
  if (base >= header_words && base < size && mem_.is_header(base - 3)) {
    const std::int32_t length = mem_[base - 3];
    if (length > 0) {
      limit = std::min(static_cast<std::uint32_t>(length), size - base);
      size_bound = static_cast<std::uint32_t>(length) > size - base;
    }
  }
  set_window(at, base, limit);
  if (level != csn_) others_end_ = std::max(others_end_, window_end(level));
  const std::uint32_t bit = 1u << level;
  size_bound_levels_ = size_bound ? size_bound_levels_ | bit : size_bound_levels_ & ~bit;
}

// crseg sn i with length = the length table's entry i, both checked when
// the program was decoded: the new segment's base, or 0, leaving
// everything as it was. Inline only below a kept segment, where
// caller_kept holds.
inline std::uint32_t Machine::fast_crseg(std::int32_t sn, std::int32_t length) {
  if (mem_.size() + header_words + static_cast<std::size_t>(length) > fast_room_) return 0;
  const auto level = static_cast<std::size_t>(sn);
  const std::int32_t stat = display_[level - 1];
  const std::int32_t dyn = display_[level];
  if (kept_frames_ == 0 || !keeps(sn, length, stat, dyn)) [[unlikely]]
    return fast_crseg_other(sn, length);
  return kept_crseg(sn, length, stat, dyn);
}

// Whether a crseg of level sn and length (within the room) with links
// stat and dyn can be kept, when caller_kept holds.
inline bool Machine::keeps(std::int32_t sn, std::int32_t length, std::int32_t stat,
                           std::int32_t dyn) const {
  return sn == csn_ && stat != dyn && length > 0 &&
         static_cast<std::size_t>(length) <= WordSpace::small_data;
}

// A call at the same level that its dlseg undoes plainly: only the
// display entry and the window of this level change. (The room keeps
// small_room words of the capacity free.)
inline std::uint32_t Machine::kept_crseg(std::int32_t sn, std::int32_t length,
                                         std::int32_t stat, std::int32_t dyn) {
  const auto level = static_cast<std::size_t>(sn);
  const auto base = static_cast<std::uint32_t>(mem_.append_small_segment(sn, length, stat, dyn));
  display_[level] = static_cast<std::int32_t>(base);
  set_segment_window(level, base, static_cast<std::uint32_t>(length));
  ++kept_frames_;
  return base;
}

// The crseg of a kept call (F_VC_ADD_KEPT_CALL): sn and length (1 ..
// small_data) at crseg[0] and crseg[1], as the segment's first two header
// words. Done when the caller's segment is kept and so is this one, with
// the new segment's base; false leaves everything as it was.
inline bool Machine::kept_call(const std::int32_t* crseg, std::uint32_t& base) {
  const std::int32_t sn = crseg[0];
  const std::size_t size = mem_.size();
  if (kept_frames_ == 0 || sn != csn_ ||
      size + header_words + static_cast<std::size_t>(crseg[1]) > fast_room_)
    return false;
  // The links stat and dyn, display entries sn - 1 and sn, as they are stored.
  const auto level = static_cast<std::size_t>(sn);
  std::uint64_t links;
  std::memcpy(&links, &display_[level - 1], sizeof links);
  if (static_cast<std::uint32_t>(links) == static_cast<std::uint32_t>(links >> 32)) return false;
  base = static_cast<std::uint32_t>(size + header_words);
  display_[level] = static_cast<std::int32_t>(base);
  set_segment_window(level, base, static_cast<std::uint32_t>(crseg[1]));
  ++kept_frames_;
  mem_.append_small_segment(crseg, links);
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
  if (kept_frames_ != 0) [[likely]] {
    // Created by the fast crseg at the same level, with nothing between
    // that changed the layout: back to the caller's segment and window.
    --kept_frames_;
    std::int32_t* word = mem_.words();
    const auto at = static_cast<std::size_t>(csn);
    const auto address = static_cast<std::uint32_t>(display_[at]);
    const std::int32_t dyn = word[address - 1];
    display_[at] = dyn;
    set_window(at, static_cast<std::uint32_t>(dyn), static_cast<std::uint32_t>(word[dyn - 3]));
    mem_.cut_to(address - header_words);
    return true;
  }
  return fast_dlseg_other();
}

}  // namespace kam
