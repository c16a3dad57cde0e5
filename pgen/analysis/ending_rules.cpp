#include "analysis/ending_rules.h"

#include <algorithm>

namespace zedra {

namespace {

// Adds the members of `more` that `into` lacks; `into` stays free of
// duplicates as long as `more` is.
void add_missing(std::vector<std::uint32_t>& into, const std::vector<std::uint32_t>& more) {
  for (std::uint32_t index : more)
    if (std::find(into.begin(), into.end(), index) == into.end()) into.push_back(index);
}

}  // namespace

EndingRules::EndingRules(RuleList& rules) {
  for (auto& rule : rules.rules) {
    index_.emplace(rule.get(), static_cast<std::uint32_t>(rules_.size()));
    rules_.push_back(rule.get());
  }
  rule_ends_.resize(rules_.size());
  for (std::size_t i = 0; i < rules_.size(); ++i)
    if (rules_[i]->body) rule_ends_[i] = of_group(*rules_[i]->body);
}

// LAST of a group: what any of its alternatives ends with.
const EndingRules::Indices& EndingRules::of_group(const Group& group) {
  auto [entry, fresh] = memo_.try_emplace(&group);
  if (!fresh) return entry->second;
  Indices result;
  for (const Alternative& alternative : group.alternatives) add_missing(result, of_items(alternative.items));
  return memo_[&group] = std::move(result);
}

// LAST of items: what the last item ends with, and what the items before
// end with while the items after them can be empty.
EndingRules::Indices EndingRules::of_items(const ItemList& items) {
  Indices result;
  bool first = true;
  for (const Item& item : items) {
    if (item.is_call()) continue;
    const Secondary& secondary = *item.secondary;
    if (first || secondary.empty != kFalse)
      add_missing(result, of_secondary(secondary));
    else
      result = of_secondary(secondary);
    first = false;
  }
  return result;
}

const EndingRules::Indices& EndingRules::of_secondary(const Secondary& secondary) {
  auto [entry, fresh] = memo_.try_emplace(&secondary);
  if (!fresh) return entry->second;
  Indices result;
  if (secondary.kind == SecondaryKind::Plain) {
    result = of_primary(*secondary.primary);
  } else {
    result = of_secondary(*secondary.operand);
    if (secondary.kind == SecondaryKind::Chain && secondary.empty == kTrue)
      add_missing(result, of_primary(*secondary.primary));
  }
  return memo_[&secondary] = std::move(result);
}

const EndingRules::Indices& EndingRules::of_primary(const Primary& primary) {
  auto [entry, fresh] = memo_.try_emplace(&primary);
  if (!fresh) return entry->second;
  Indices result;
  if (primary.kind == PrimaryKind::Group) {
    result = of_group(*primary.group);
  } else if (primary.kind == PrimaryKind::Nonterminal && primary.rule) {
    auto found = index_.find(primary.rule);
    if (found != index_.end()) result.push_back(found->second);
  }
  return memo_[&primary] = std::move(result);
}

}  // namespace zedra
