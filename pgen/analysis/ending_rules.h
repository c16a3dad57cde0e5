// The rules a construct can end with: the rule names in its LAST set,
// which the FOLLOW sets are built from ("every rule whose name is in
// LAST(s) gets ...").
//
// A LAST set holds, besides terminals, every rule that can end the phrase,
// directly or through other rules. Kept as sets, they grow with the square
// of a grammar whose rules end in one another (a chain of right-recursive
// rules: each rule's set names every rule after it), in four places per
// rule. Here only the rules a construct ends with directly are kept, with
// the graph of the rules each rule's body ends with directly; the others
// are found by following that graph. Which rules are found is exactly the
// membership of the LAST sets.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "model/rule_model.h"

namespace zedra {

class EndingRules {
 public:
  using Indices = std::vector<std::uint32_t>;

  explicit EndingRules(RuleList& rules);

  // The rules (by index) that LAST(secondary) or LAST(primary) names
  // directly; the rest of its rules are those these end with.
  const Indices& of_secondary(const Secondary& secondary);
  const Indices& of_primary(const Primary& primary);

  std::size_t rule_count() const { return rules_.size(); }
  Rule& rule(std::uint32_t index) const { return *rules_[index]; }
  // The rules that the body of rule `index` ends with directly.
  const Indices& ends_of(std::uint32_t index) const { return rule_ends_[index]; }

 private:
  const Indices& of_group(const Group& group);
  Indices of_items(const ItemList& items);

  std::vector<Rule*> rules_;
  std::unordered_map<const Rule*, std::uint32_t> index_;
  std::vector<Indices> rule_ends_;
  std::unordered_map<const void*, Indices> memo_;
};

}  // namespace zedra
