#include "analysis/last_sets.h"

#include <algorithm>

#include "analysis/ll1_analysis.h"
#include "analysis/set_walk.h"

namespace zedra {

LastSetStore::LastSetStore(RuleList& rules, const std::vector<const std::string*>& names)
    : rules_(&rules), closed_(rules.rules.size()), final_(rules.rules.size()) {
  for (const std::string* name : names) number_of(*name);
  for (std::size_t position = 0; position < rules_->rules.size(); ++position)
    position_.emplace(rules_->rules[position].get(), position);
}

std::uint32_t LastSetStore::number_of(std::string_view name) {
  auto found = number_.find(name);
  if (found != number_.end()) return found->second;
  const auto number = static_cast<std::uint32_t>(entries_.size());
  entries_.emplace_back(name);
  number_.emplace(entries_.back().name(), number);
  return number;
}

// A list holds its names with the newest at the front; the numbers keep
// them the other way round, in the order they were added.
LastSetStore::Numbers LastSetStore::numbers_of(const NameList& set) {
  Numbers numbers;
  numbers.reserve(set.size());
  for (const std::string& name : set) numbers.push_back(number_of(name));
  std::reverse(numbers.begin(), numbers.end());
  return numbers;
}

NameList LastSetStore::list_of(const Numbers& numbers) const {
  NameList set;
  for (std::uint32_t number : numbers) set.add(entries_[number]);
  return set;
}

void LastSetStore::set_closed(std::size_t position, const NameList& base, const std::vector<std::uint32_t>& added) {
  Numbers numbers = numbers_of(base);
  numbers.insert(numbers.end(), added.begin(), added.end());
  closed_[position] = std::move(numbers);
}

NameList LastSetStore::walk_body(Rule& rule, std::size_t position) {
  if (!rule.body) return NameList();
  SetWalk walk;
  walk.last = true;
  walk.pass1 = false;
  walk.rule_set = [this, position](const Rule& named) -> const NameList& {
    auto found = position_.find(&named);
    if (found == position_.end()) return named.last;
    scratch_ = list_of(found->second < position ? final_[found->second] : closed_[found->second]);
    return scratch_;
  };
  NameList set = reversed(walk.alternatives(*rule.body));
  scratch_.clear();
  return set;
}

void LastSetStore::settle() {
  for (std::size_t position = 0; position < rules_->rules.size(); ++position) {
    Rule& rule = *rules_->rules[position];
    final_[position] = numbers_of(walk_body(rule, position));
    release(rule);
  }
}

void LastSetStore::fill(Rule& rule) {
  auto found = position_.find(&rule);
  if (found != position_.end()) rule.last = walk_body(rule, found->second);
}

void LastSetStore::release(Rule& rule) {
  rule.last.clear();
  release_rule_sets(rule, true, false, true);
}

}  // namespace zedra
