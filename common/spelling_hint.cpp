#include "spelling_hint.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "diagnostics.h"
#include "scpatype.h"

namespace zedra {

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Edits from A to B, case aside (letters left out, added or changed, two
// neighbours swapped), or LIMIT + 1 when they exceed LIMIT (at once when
// the lengths alone differ by more).
std::size_t edits(std::string_view a, std::string_view b, std::size_t limit) {
  const std::size_t m = a.size(), n = b.size();
  if ((m > n ? m - n : n - m) > limit) return limit + 1;
  // Three rows of the table: two back, one back, the current one.
  std::vector<std::size_t> before(n + 1), previous(n + 1), current(n + 1);
  for (std::size_t j = 0; j <= n; ++j) previous[j] = j;
  for (std::size_t i = 1; i <= m; ++i) {
    current[0] = i;
    for (std::size_t j = 1; j <= n; ++j) {
      const bool same = lower(a[i - 1]) == lower(b[j - 1]);
      std::size_t cost = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (same ? 0 : 1)});
      if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) && lower(a[i - 2]) == lower(b[j - 1]))
        cost = std::min(cost, before[j - 2] + 1);
      current[j] = cost;
    }
    std::swap(before, previous);
    std::swap(previous, current);
  }
  return std::min(previous[n], limit + 1);
}

}  // namespace

std::string_view closest_name(std::string_view name, const std::vector<std::string_view>& candidates) {
  const std::size_t limit = std::min<std::size_t>(2, name.size() / 3);
  std::string_view best;
  std::size_t best_edits = limit + 1;
  for (std::string_view candidate : candidates) {
    if (candidate == name || candidate.empty()) continue;
    const std::size_t n = edits(name, candidate, limit);
    if (n < best_edits) {
      best = candidate;
      best_edits = n;
      if (n == 0) break;
    }
  }
  return best;
}

std::string_view SpellingHints::suggest(std::string_view name, const std::vector<std::string_view>& candidates) {
  if (left_ <= 0) return {};
  --left_;
  return closest_name(name, candidates);
}

void SpellingHints::report(Diagnostics& diagnostics, std::string_view name,
                           const std::function<std::vector<std::string_view>()>& candidates) {
  if (left_ <= 0) return;
  const std::string_view meant = suggest(name, candidates());
  if (!meant.empty()) diagnostics.report(Msg::FreeText, "  (did you mean '%s'?)", std::string(meant).c_str());
}

std::vector<std::string_view> type_names(const TypeTable& types) {
  std::vector<std::string_view> names;
  for (TypeTable::Layer layer : {TypeTable::Layer::Own, TypeTable::Layer::Predefined, TypeTable::Layer::Imported})
    for (const TypeRecord& type : types.layer(layer))
      if (type.name) names.push_back(*type.name);
  return names;
}

std::vector<std::string_view> value_names(const TypeRecord* type) {
  std::vector<std::string_view> names;
  if (type)
    for (const TypeValue& value : type->values) names.push_back(*value.name);
  return names;
}

bool report_value_of_other_type(Diagnostics& diagnostics, const TypeTable& types, std::string_view name,
                                const TypeRecord* expected) {
  const TypeRecord* type = types.value_type_find(name);
  if (!type || type == expected) return false;
  const std::string value(name);
  if (expected)
    diagnostics.report(Msg::FreeText, "  ('%s' is a value of type '%s', not of type '%s')", value.c_str(),
                       type->name->c_str(), expected->name->c_str());
  else
    diagnostics.report(Msg::FreeText, "  ('%s' is a value of type '%s')", value.c_str(), type->name->c_str());
  return true;
}

}  // namespace zedra
