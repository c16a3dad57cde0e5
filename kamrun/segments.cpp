// Segments (activation records) of the address space: creation, deletion
// with the display restored along the links, and array descriptors.
#include <algorithm>

#include "machine.h"

namespace kam {
namespace {

// Header words in front of the data of the segment at address.
enum HeaderWord { SegmentNumber = 4, Length = 3, StaticLink = 2, DynamicLink = 1 };

}  // namespace

bool Machine::grow(std::int64_t words, const char* who) {
  const std::int64_t size = static_cast<std::int64_t>(mem_.size()) + words;
  if (words < 0 || size > static_cast<std::int64_t>(memory_limit_)) {
    report(Msg::NotEnoughMemory, {who});
    return false;
  }
  if (!mem_.grow(static_cast<std::size_t>(words))) {
    report(Msg::NotEnoughMemory, {who});
    return false;
  }
  layout_changed();
  return true;
}

// True when the data of the segment at address end the address space.
bool Machine::is_last_segment(std::int64_t address) {
  return address >= header_words && address <= static_cast<std::int64_t>(mem_.size()) &&
         address + mem_[static_cast<std::size_t>(address - Length)] ==
             static_cast<std::int64_t>(mem_.size());
}

void Machine::trace_segment() {
  if (!tracer_.wants(TraceSeg)) return;
  const std::int64_t address = display_[static_cast<std::size_t>(csn_)];
  const auto size = static_cast<std::int64_t>(mem_.size());
  if (address < header_words || address > size) return;
  const auto at = [&](int word) { return mem_[static_cast<std::size_t>(address - word)]; };
  const std::int64_t length = std::clamp<std::int64_t>(at(Length), 0, size - address);
  tracer_.segment(at(SegmentNumber), at(StaticLink), at(DynamicLink),
                  mem_.span().subspan(static_cast<std::size_t>(address),
                                          static_cast<std::size_t>(length)));
}

bool Machine::crseg(std::int64_t sn, std::int64_t index) {
  if (sn < 1 || sn > max_level) {
    report(Msg::SegmentOutOfRange, {sn, max_level});
    return false;
  }
  if (index < 1 || index > program_.length_count || index >= length_limit) {
    report(Msg::CrsegLengthTable);
    return false;
  }
  const std::int32_t length = program_.lengths[static_cast<std::size_t>(index)];
  const std::size_t header = mem_.size();
  if (!grow(std::int64_t{length} + header_words, "crseg")) return false;
  mem_[header] = static_cast<std::int32_t>(sn);
  mem_[header + 1] = length;
  mem_[header + 2] = display_[static_cast<std::size_t>(sn - 1)];
  mem_[header + 3] = display_[static_cast<std::size_t>(csn_)];
  for (std::size_t word = header; word < header + header_words; ++word) mem_.mark_header(word);
  layout_changed();
  csn_ = static_cast<int>(sn);
  display_[static_cast<std::size_t>(sn)] = static_cast<std::int32_t>(header + header_words);
  trace_segment();
  return true;
}

bool Machine::dlseg() {
  layout_changed();
  const std::int32_t address = display_[static_cast<std::size_t>(csn_)];
  if (address < header_words) {
    report(Msg::DlsegNoSegment);
    return false;
  }
  // Only the last segment of the address space can be given back.
  if (!is_last_segment(address)) {
    report(Msg::SegmentationViolation);
    return false;
  }
  const auto at = [&](int word) { return mem_[static_cast<std::size_t>(address - word)]; };
  const std::int32_t stat = at(StaticLink);
  const std::int32_t dyn = at(DynamicLink);
  if (stat == dyn) {  // created from its static parent
    if (csn_ < 1) {
      report(Msg::DlsegNoMoreSegments);
      return false;
    }
    display_[static_cast<std::size_t>(csn_)] = 0;
    --csn_;
  } else if (!restore_display(dyn, address)) {
    return false;
  }
  mem_.shrink(static_cast<std::size_t>(address - header_words));
  trace_segment();
  return true;
}

// Back to the caller's segment at dyn: the display levels from the
// caller's level down to the current one follow the caller's static chain.
bool Machine::restore_display(std::int32_t dyn, std::int32_t own_address) {
  // The caller's segment lies before the one deleted, header included.
  const auto valid = [&](std::int64_t at) {
    return at >= header_words && at <= own_address - header_words;
  };
  if (!valid(dyn)) {
    report(Msg::SegmentationViolation);
    return false;
  }
  const std::int32_t caller_level = mem_[static_cast<std::size_t>(dyn - SegmentNumber)];
  if (caller_level < 1 || caller_level > max_level) {
    report(Msg::SegmentationViolation);
    return false;
  }
  std::int64_t at = dyn;
  for (int level = caller_level; level >= csn_; --level) {
    display_[static_cast<std::size_t>(level)] = static_cast<std::int32_t>(at);
    if (!valid(at)) {
      report(Msg::SegmentationViolation);
      return false;
    }
    at = mem_[static_cast<std::size_t>(at - StaticLink)];
  }
  csn_ = caller_level;
  return true;
}

bool Machine::descr(std::int64_t sn, std::int64_t dpl, std::int64_t dimensions) {
  if (!var_address(sn, dpl)) return false;
  const std::int32_t address = display_[static_cast<std::size_t>(sn)];
  // The elements are appended to the segment, so it must end the address space.
  if (!is_last_segment(address)) {
    report(Msg::SegmentationViolation);
    return false;
  }
  std::int64_t size = 1;
  for (std::int64_t k = dimensions; k >= 1; --k) {
    std::int32_t high, low;
    if (!pop(high) || !pop(low)) return false;
    if (high < low) {
      report(Msg::DescrBounds);
      return false;
    }
    size *= std::int64_t{high} - low + 1;
    if (size > static_cast<std::int64_t>(memory_limit_)) {
      report(Msg::NotEnoughMemory, {"descr"});
      return false;
    }
    if (!putmemr(sn, dpl + 2 * k + 1, low) ||
        !putmemr(sn, dpl + 2 * k, static_cast<std::int32_t>(size)))
      return false;
  }
  const std::size_t length_word = static_cast<std::size_t>(address - Length);
  if (!putmemr(sn, dpl + 1, mem_[length_word]) ||
      !putmemr(sn, dpl, static_cast<std::int32_t>(dimensions)) || !grow(size, "descr"))
    return false;
  mem_[length_word] += static_cast<std::int32_t>(size);
  layout_changed();
  return true;
}

}  // namespace kam
