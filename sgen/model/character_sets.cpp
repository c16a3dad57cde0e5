#include "model/character_sets.h"

#include <algorithm>

#include "cformat.h"
#include "diagnostics.h"

namespace zedra {

namespace {

// A code outside the bytes is refused with a counted error (the "%s at
// '%s'" message) naming `where`.
bool report_unsupported_code(Diagnostics& diagnostics, int code, std::string_view where) {
  if (code >= 0 && code <= kMaxCharacterCode) return false;
  diagnostics.report(Msg::ErrorAt, format("Character code %d outside 0..%d", code, kMaxCharacterCode),
                     std::string(where));
  return true;
}

}  // namespace

bool CharsetTable::charset_add_range(int low, int high) {
  CharacterSet* set = sets_.current();
  if (!set) return false;
  if (report_unsupported_code(diagnostics_, std::max(low, high), *set->name)) return false;
  auto& ranges = set->ranges;
  const bool overlaps = std::any_of(ranges.begin(), ranges.end(), [&](const CharacterRange& other) {
    return high >= other.low && other.high >= low;
  });
  if (overlaps) {
    diagnostics_.report(Msg::OverlappingRanges);
    return false;
  }
  ranges.push_back(CharacterRange{low, high});
  return true;
}

}  // namespace zedra
