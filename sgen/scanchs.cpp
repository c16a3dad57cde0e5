#include "sgen/scanchs.h"

#include <algorithm>
#include <iterator>

#include "common/cformat.h"
#include "common/diagnostics.h"
#include "common/symtab.h"

namespace zedra {

namespace {

// The automaton only has room for 7-bit codes; a higher code is refused
// with a counted error (the "%s at '%s'" message) naming `where`.
bool report_unsupported_code(Diagnostics& diagnostics, int code, std::string_view where) {
  if (code >= 0 && code <= kMaxCharacterCode) return false;
  diagnostics.report(26, format("Character code %d outside 0..%d", code, kMaxCharacterCode),
                     std::string(where));
  return true;
}

}  // namespace

bool check_character_codes(Diagnostics& diagnostics, std::string_view text) {
  for (char c : text)
    if (report_unsupported_code(diagnostics, static_cast<unsigned char>(c), text)) return false;
  return true;
}

bool CharsetTable::charset_new(std::string_view name) {
  const std::string* entered = symbols_.enter(name);
  if (!entered) return false;
  const auto position = current_ == list_.end() ? list_.begin() : std::next(current_);
  current_ = list_.insert(position, CharacterSet{entered, {}});
  return true;
}

bool CharsetTable::charset_add_range(int low, int high) {
  if (current_ == list_.end()) return false;
  if (report_unsupported_code(diagnostics_, std::max(low, high), *current_->name)) return false;
  auto& ranges = current_->ranges;
  const bool overlaps = std::any_of(ranges.begin(), ranges.end(), [&](const CharacterRange& other) {
    return high >= other.low && other.high >= low;
  });
  if (overlaps) {
    diagnostics_.report(34);
    return false;
  }
  ranges.push_back(CharacterRange{low, high});
  return true;
}

const CharacterSet* CharsetTable::charset_find(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const CharacterSet& set : list_)
    if (*set.name == name) return &set;
  return nullptr;
}

void CharsetTable::release(bool /*all*/) {
  for (const CharacterSet& set : list_) symbols_.remove(*set.name);
  list_.clear();
  current_ = list_.end();
}

}  // namespace zedra
