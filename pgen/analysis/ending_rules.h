// The rules a construct can end with: the rule names in its LAST set,
// which the FOLLOW sets are built from ("every rule whose name is in
// LAST(s) gets ...").
//
// A LAST set holds, besides terminals, every rule that can end the phrase,
// directly or through other rules. Kept as sets, they grow with the square
// of a grammar whose rules end in one another (a chain of right-recursive
// rules: each rule's set names every rule after it), in four places per
// rule. Here only the rules a construct ends with directly are kept, and
// the others are found by following the rules from there when the FOLLOW
// walk asks, so that memory stays linear in the grammar. Which rules are
// found is exactly the membership of the LAST sets; their order does not
// matter to FOLLOW, which adds to each rule's set on its own.
#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "model/rule_model.h"

namespace zedra {

class EndingRules {
 public:
  explicit EndingRules(RuleList& rules);

  // Calls `visit` once for every rule named in LAST(secondary), or in
  // LAST(primary).
  void for_each(const Secondary& secondary, const std::function<void(Rule&)>& visit);
  void for_each(const Primary& primary, const std::function<void(Rule&)>& visit);

 private:
  using Indices = std::vector<std::uint32_t>;

  const Indices& of_group(const Group& group);
  Indices of_items(const ItemList& items);
  const Indices& of_secondary(const Secondary& secondary);
  const Indices& of_primary(const Primary& primary);
  void visit_from(const Indices& start, const std::function<void(Rule&)>& visit);

  std::vector<Rule*> rules_;
  std::unordered_map<const Rule*, std::uint32_t> index_;
  std::vector<Indices> rule_ends_;  // the rules each rule's body ends with directly
  std::unordered_map<const void*, Indices> memo_;
  std::vector<std::uint32_t> seen_;  // the walk that last reached a rule
  std::uint32_t walk_ = 0;
};

}  // namespace zedra
