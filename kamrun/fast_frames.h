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
  const std::uint32_t bit = 1u << level;
  size_bound_levels_ = size_bound ? size_bound_levels_ | bit : size_bound_levels_ & ~bit;
}

// crseg sn i with length = the length table's entry i, both checked when
// the program was decoded; false leaves everything as it was.
inline bool Machine::fast_crseg(std::int32_t sn, std::int32_t length) {
  const std::size_t header = mem_.size();
  const std::size_t words = header_words + static_cast<std::size_t>(length);
  if (header + words > memory_limit_ || words > mem_.capacity() - header) return false;
  const auto level = static_cast<std::size_t>(sn);
  const std::int32_t stat = display_[level - 1];
  const std::int32_t dyn = display_[static_cast<std::size_t>(csn_)];
  mem_.grow_within(words);
  std::int32_t* word = mem_.words() + header;
  word[0] = sn;
  word[1] = length;
  word[2] = stat;
  word[3] = dyn;
  std::uint8_t* flag = mem_.header_flags() + header;
  std::fill_n(flag, header_words, std::uint8_t{1});
  const auto base = static_cast<std::uint32_t>(header + header_words);
  csn_ = sn;
  display_[level] = static_cast<std::int32_t>(base);
  top_level_ = std::max(top_level_, static_cast<int>(sn));
  // The new segment ends the address space: its window is all of it
  // (none for length 0, where the base is the size). Growing changes only
  // the windows cut short by the end of the address space.
  window_base_[level] = base;
  window_limit_[level] = static_cast<std::uint32_t>(length);
  const std::uint32_t bit = 1u << sn;
  size_bound_levels_ = length == 0 ? size_bound_levels_ | bit : size_bound_levels_ & ~bit;
  for (std::uint32_t levels = size_bound_levels_ & ~bit; levels != 0; levels &= levels - 1)
    refresh_window(std::countr_zero(levels));
  return true;
}

// dlseg when none of its checks fails; false leaves everything as it was.
inline bool Machine::fast_dlseg() {
  if (csn_ < 1) return false;
  const std::int64_t address = display_[static_cast<std::size_t>(csn_)];
  const auto size = static_cast<std::int64_t>(mem_.size());
  if (address < header_words || address > size) return false;
  const auto word = [&](std::int64_t at) { return mem_[static_cast<std::size_t>(at)]; };
  if (address + word(address - 3) != size) return false;  // not the last segment
  const std::int32_t stat = word(address - 2);
  const std::int32_t dyn = word(address - 1);
  if (stat == dyn) {
    display_[static_cast<std::size_t>(csn_)] = 0;
    --csn_;
  } else {
    // The caller's static chain, checked before the display changes.
    const auto valid = [&](std::int64_t at) {
      return at >= header_words && at <= address - header_words;
    };
    if (!valid(dyn)) return false;
    const std::int32_t caller = word(dyn - 4);
    if (caller < 1 || caller > max_level) return false;
    std::int64_t at = dyn;
    for (int level = caller; level >= csn_; --level) {
      if (!valid(at)) return false;
      at = word(at - 2);
    }
    at = dyn;
    for (int level = caller; level >= csn_; --level) {
      display_[static_cast<std::size_t>(level)] = static_cast<std::int32_t>(at);
      at = word(at - 2);
    }
    csn_ = caller;
    top_level_ = std::max(top_level_, static_cast<int>(caller));
  }
  // Only the levels set here and those whose windows reach beyond the
  // new end of the address space change.
  const auto size_now = static_cast<std::uint32_t>(address - header_words);
  mem_.shrink(size_now);
  for (int level = 1; level <= top_level_; ++level) {
    const auto at = static_cast<std::size_t>(level);
    if (window_base_[at] != static_cast<std::uint32_t>(display_[at]) ||
        std::uint64_t{window_base_[at]} + window_limit_[at] > size_now)
      refresh_window(level);
  }
  return true;
}

}  // namespace kam
