// Variable access, indexing and the block instructions of the machine.
#include <algorithm>

#include "machine.h"
#include "opcodes.h"

namespace kam {
namespace {

// Index arithmetic saturates far outside every valid displacement, so an
// absurd index is still refused by the segment check with its own message.
constexpr std::int64_t saturation = std::int64_t{1} << 50;

std::int64_t saturate(std::int64_t value) { return std::clamp(value, -saturation, saturation); }

std::int64_t saturating_mul(std::int64_t a, std::int64_t b) {
  std::int64_t product;
  if (__builtin_mul_overflow(a, b, &product)) return (a < 0) != (b < 0) ? -saturation : saturation;
  return saturate(product);
}

std::int64_t saturating_add(std::int64_t a, std::int64_t b) {
  return saturate(saturate(a) + saturate(b));
}

}  // namespace

bool Machine::execute_memory(const Instruction& instruction) {
  const std::int64_t sn = instruction.args[0];
  const std::int64_t dpl = instruction.args[1];
  std::int32_t value = 0;
  std::int64_t element = 0;
  switch (instruction.op) {
    case LDVAR: return getmemr(sn, dpl, value) && push(value);
    case STVAR: return pop(value) && putmemr(sn, dpl, value);
    case VARADDR: {
      const auto address = var_address(sn, dpl);
      return address && push(static_cast<std::int32_t>(*address));
    }
    case LDXVAR: return ixdpl(sn, dpl, element) && getmemr(sn, element, value) && push(value);
    case STXVAR: return ixdpl(sn, dpl, element) && pop(value) && putmemr(sn, element, value);
    case XVARADDR: {
      if (!ixdpl(sn, dpl, element)) return false;
      const auto address = var_address(sn, element);
      return address && push(static_cast<std::int32_t>(*address));
    }
    case LDNVAR: return ldnvar(sn, dpl);
    case STNVAR: return stnvar(sn, dpl);
    case POPN: return popn(sn, dpl);
    case LDIND: {
      std::int32_t address;
      return pop(address) && push(address) && getmema(address, value) && push(value);
    }
    case STIND: {
      std::int32_t address;
      return pop(value) && pop(address) && push(address) && putmema(value, address);
    }
    case CRSEG: return crseg(sn, dpl);
    case DLSEG: return dlseg();
    default: return descr(sn, dpl, instruction.args[2]);  // DESCR
  }
}

// The segment check of every variable access; the absolute address.
std::optional<std::int64_t> Machine::var_address(std::int64_t sn, std::int64_t dpl) {
  if (sn < 1 || sn > max_level) {
    report(Msg::SegmentOutOfRange, {sn, max_level});
    return std::nullopt;
  }
  const std::int64_t address = display_[static_cast<std::size_t>(sn)];
  const auto size = static_cast<std::int64_t>(mem_.size());
  if (address == size) {
    report(Msg::ZeroLengthSegment, {sn});
    return std::nullopt;
  }
  if (address < header_words || address > size) {
    report(Msg::SegmentUnknown, {sn});
    return std::nullopt;
  }
  const std::int64_t length = mem_[static_cast<std::size_t>(address - 3)];
  // The second test guards against a length word overwritten through stind.
  if (dpl < 0 || dpl >= length || address + dpl >= size) {
    report(Msg::DisplacementOutside);
    return std::nullopt;
  }
  return address + dpl;
}

bool Machine::getmemr(std::int64_t sn, std::int64_t dpl, std::int32_t& value) {
  if (sn == 0 && dpl == 0) {
    value = 0;
    return true;
  }
  const auto address = var_address(sn, dpl);
  if (address) value = mem_[static_cast<std::size_t>(*address)];
  return address.has_value();
}

bool Machine::putmemr(std::int64_t sn, std::int64_t dpl, std::int32_t value) {
  const auto address = var_address(sn, dpl);
  if (!address) return false;
  mem_[static_cast<std::size_t>(*address)] = value;
  stored(static_cast<std::size_t>(*address));
  trace_segment();
  return true;
}

bool Machine::getmema(std::int64_t address, std::int32_t& value) {
  if (address < header_words || address >= static_cast<std::int64_t>(mem_.size())) {
    report(Msg::OutsideAddressSpace);
    return false;
  }
  value = mem_[static_cast<std::size_t>(address)];
  return true;
}

bool Machine::putmema(std::int32_t value, std::int64_t address) {
  if (address < header_words || address >= static_cast<std::int64_t>(mem_.size())) {
    report(Msg::OutsideAddressSpace);
    return false;
  }
  mem_[static_cast<std::size_t>(address)] = value;
  stored(static_cast<std::size_t>(address));
  trace_segment();
  return true;
}

// Pops the selector: k >= 0 indexes with k (index, lower bound, extent)
// triples on the stack, k < 0 with the descriptor at dpl.
bool Machine::ixdpl(std::int64_t sn, std::int64_t dpl, std::int64_t& displacement) {
  std::int32_t selector;
  if (!pop(selector)) return false;
  std::int64_t total = 0;
  if (selector >= 0) {
    if (!ixdpl_bounds(selector, total)) return false;
    displacement = saturating_add(total, dpl);
    return true;
  }
  std::int32_t base;
  if (!getmemr(sn, dpl + 1, base) || !ixdpl_descriptor(sn, dpl, total)) return false;
  displacement = saturating_add(total, base);
  return true;
}

bool Machine::ixdpl_bounds(std::int32_t dimensions, std::int64_t& total) {
  std::int64_t stride = 1;
  for (std::int32_t k = 0; k < dimensions; ++k) {
    std::int32_t index, low, extent;
    if (!pop(index) || !pop(low)) return false;
    total = saturating_add(total, saturating_mul(std::int64_t{index} - low, stride));
    if (!pop(extent)) return false;
    stride = extent;
    if (index < low || index >= std::int64_t{low} + extent) {
      report(Msg::IndexOutOfBounds);
      return false;
    }
  }
  return true;
}

bool Machine::ixdpl_descriptor(std::int64_t sn, std::int64_t dpl, std::int64_t& total) {
  std::int32_t dimensions;
  if (!getmemr(sn, dpl, dimensions)) return false;
  std::int64_t stride = 1;
  for (std::int64_t j = dimensions; j >= 1; --j) {
    std::int32_t index, low, size;
    if (!pop(index) || !getmemr(sn, dpl + 2 * j + 1, low)) return false;
    const std::int64_t offset = saturating_mul(std::int64_t{index} - low, stride);
    total = saturating_add(total, offset);
    if (!getmemr(sn, dpl + 2 * j, size)) return false;
    if (offset < 0 || offset > size - stride) {
      report(Msg::IndexOutOfBounds);
      return false;
    }
    stride = size;
  }
  return true;
}

// eqn/nen: compares the top n words with the n words below them.
bool Machine::compare_n(std::int64_t sn, std::int64_t dpl, bool negate) {
  std::int64_t count;
  bool whole_array;
  if (!pop_word_count(sn, dpl, count, whole_array)) return false;
  count = std::max<std::int64_t>(count, 0);
  if (2 * count > sp_) {
    report(Msg::Empty, {"stack"});
    return false;
  }
  bool equal = true;
  for (std::int64_t i = 0; i < count; ++i)
    equal = equal && stack_[static_cast<std::size_t>(sp_ - 1 - i)] ==
                         stack_[static_cast<std::size_t>(sp_ - 1 - count - i)];
  std::int32_t ignored;
  for (std::int64_t i = 0; i < 2 * count; ++i) pop(ignored);
  return push(equal != negate);
}

// Pops the word count n of a block instruction; n = 0 stands for the
// number of elements of the array described at dpl.
bool Machine::pop_word_count(std::int64_t sn, std::int64_t dpl, std::int64_t& count,
                             bool& whole_array) {
  std::int32_t value;
  if (!pop(value)) return false;
  whole_array = value == 0;
  if (whole_array && !getmemr(sn, dpl + 2, value)) return false;
  count = value;
  return true;
}

// The word count and first displacement of ldnvar/stnvar: n words at dpl,
// or the elements of the array described at dpl.
bool Machine::block_start(std::int64_t sn, std::int64_t dpl, std::int64_t& count,
                          std::int64_t& start) {
  bool whole_array;
  if (!pop_word_count(sn, dpl, count, whole_array)) return false;
  start = dpl;
  if (!whole_array) return true;
  std::int32_t first;
  if (!getmemr(sn, dpl + 1, first)) return false;
  start = first;
  return true;
}

bool Machine::ldnvar(std::int64_t sn, std::int64_t dpl) {
  std::int64_t count, start;
  if (!block_start(sn, dpl, count, start)) return false;
  for (std::int64_t i = 0; i < count; ++i) {
    std::int32_t value;
    if (!getmemr(sn, start + i, value) || !push(value)) return false;
  }
  return true;
}

bool Machine::stnvar(std::int64_t sn, std::int64_t dpl) {
  std::int64_t count, start;
  if (!block_start(sn, dpl, count, start)) return false;
  for (std::int64_t i = count - 1; i >= 0; --i) {
    std::int32_t value;
    if (!pop(value) || !putmemr(sn, start + i, value)) return false;
  }
  return true;
}

bool Machine::popn(std::int64_t sn, std::int64_t dpl) {
  std::int64_t count;
  bool whole_array;
  if (!pop_word_count(sn, dpl, count, whole_array)) return false;
  for (std::int64_t i = 0; i < count; ++i) {
    std::int32_t ignored;
    if (!pop(ignored)) return false;
  }
  return true;
}

}  // namespace kam
