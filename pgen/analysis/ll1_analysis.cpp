#include "analysis/ll1_analysis.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "analysis/ending_rules.h"
#include "analysis/follow_contributions.h"
#include "analysis/set_walk.h"
#include "front/parser_declarations.h"

namespace zedra {

namespace {

constexpr const char* kEndOfFile = "i_EndOfFile";

Rule* find_rule(const RuleIndex& rules, std::string_view name) {
  auto found = rules.find(name);
  return found == rules.end() ? nullptr : found->second;
}

// ---- EMPTY, first stage ----

Tristate empty_of_alternatives(Group& group, bool pass1);

Tristate empty_of_primary(const Primary& primary, bool pass1) {
  switch (primary.kind) {
    case PrimaryKind::Terminal: return kFalse;
    case PrimaryKind::Nonterminal:
      if (pass1) return kUndecided;
      return primary.rule ? primary.rule->empty : kFalse;
    case PrimaryKind::Group: return empty_of_alternatives(*primary.group, pass1);
  }
  return kFalse;
}

Tristate empty_of_secondary(Secondary& secondary, bool pass1) {
  switch (secondary.kind) {
    case SecondaryKind::Plain: secondary.empty = empty_of_primary(*secondary.primary, pass1); break;
    case SecondaryKind::Option:
    case SecondaryKind::Clos: secondary.empty = kTrue; break;
    case SecondaryKind::Seq:
    case SecondaryKind::Chain: secondary.empty = empty_of_secondary(*secondary.operand, pass1); break;
  }
  return secondary.empty;
}

Tristate empty_of_items(ItemList& items, bool pass1) {
  bool undecided = false;
  for (Item& item : items) {
    if (item.is_call()) continue;
    Secondary& secondary = *item.secondary;
    if (pass1 || secondary.empty == kUndecided) {
      if (empty_of_secondary(secondary, pass1) == kFalse) return kFalse;
    }
    if (secondary.empty == kUndecided) undecided = true;
  }
  return undecided ? kUndecided : kTrue;
}

Tristate empty_of_alternatives(Group& group, bool pass1) {
  bool undecided = false;
  for (Alternative& alternative : group.alternatives) {
    if (pass1 || alternative.empty == kUndecided) alternative.empty = empty_of_items(alternative.items, pass1);
    if (alternative.empty == kTrue) return kTrue;
    if (alternative.empty == kUndecided) undecided = true;
  }
  return undecided ? kUndecided : kFalse;
}

// ---- EMPTY, second stage: below rule level only false or true ----

Tristate settle_group(Group& group);

Tristate settle_primary(Primary& primary) {
  switch (primary.kind) {
    case PrimaryKind::Terminal: primary.empty = kFalse; break;
    case PrimaryKind::Nonterminal:
      primary.empty = primary.rule && primary.rule->empty == kTrue ? kTrue : kFalse;
      break;
    case PrimaryKind::Group: primary.empty = settle_group(*primary.group); break;
  }
  return primary.empty;
}

Tristate settle_secondary(Secondary& secondary) {
  switch (secondary.kind) {
    case SecondaryKind::Plain: secondary.empty = settle_primary(*secondary.primary); break;
    case SecondaryKind::Option:
    case SecondaryKind::Clos:
      settle_secondary(*secondary.operand);
      secondary.empty = kTrue;
      break;
    case SecondaryKind::Seq: secondary.empty = settle_secondary(*secondary.operand); break;
    case SecondaryKind::Chain:
      settle_primary(*secondary.primary);
      secondary.empty = settle_secondary(*secondary.operand);
      break;
  }
  return secondary.empty;
}

Tristate settle_group(Group& group) {
  Tristate any = kFalse;
  for (Alternative& alternative : group.alternatives) {
    Tristate all = kTrue;
    for (Item& item : alternative.items)
      if (!item.is_call() && settle_secondary(*item.secondary) == kFalse) all = kFalse;
    alternative.empty = all;
    if (all == kTrue) any = kTrue;
  }
  return any;
}

// ---- FOLLOW ----

// The direct contributions are recorded in the order of the walk, and
// given to the rules once all are known (FollowContributions).
class FollowWalk {
 public:
  // `keep_for_listing`: also store the FOLLOW sets that only the listing
  // reads (of plain secondaries and of primaries). A rule whose many
  // alternatives end in a rule that may be empty gives every one of their
  // items a FOLLOW set as large as the rule; unstored, they cost nothing.
  FollowWalk(FollowContributions& contributions, bool keep_for_listing)
      : contributions_(contributions), keep_for_listing_(keep_for_listing) {}

  void direct_group(Group& group);
  void push_items(ItemList& items, const NameList& follow) const;

 private:
  void direct_inner(Secondary& secondary);
  void push_secondary(const NameList& follow, Secondary& secondary) const;
  void push_primary(const NameList& follow, Primary& primary) const;

  FollowContributions& contributions_;
  bool keep_for_listing_;
};

// Every rule an item can end with gets FIRST of the items behind it, up to
// the first that cannot be empty.
void FollowWalk::direct_group(Group& group) {
  for (Alternative& alternative : group.alternatives) {
    std::vector<Secondary*> list = secondaries_of(alternative.items);
    for (std::size_t i = 0; i < list.size(); ++i) {
      for (std::size_t j = i + 1; j < list.size(); ++j) {
        contributions_.add(*list[i], list[j]->first);
        if (list[j]->empty != kTrue) break;
      }
      direct_inner(*list[i]);
    }
  }
}

void FollowWalk::direct_inner(Secondary& secondary) {
  if (secondary.kind == SecondaryKind::Seq || secondary.kind == SecondaryKind::Clos) {
    const Secondary& operand = *secondary.operand;
    contributions_.add(operand, operand.first);
  } else if (secondary.kind == SecondaryKind::Chain) {
    const Secondary& operand = *secondary.operand;
    const Primary& separator = *secondary.primary;
    contributions_.add(operand, separator.first);
    if (separator.empty == kTrue) contributions_.add(operand, operand.first);
    contributions_.add(separator, operand.first);
    if (operand.empty == kTrue) contributions_.add(separator, separator.first);
  }
  if (secondary.operand) direct_inner(*secondary.operand);
  if (secondary.primary && secondary.primary->kind == PrimaryKind::Group) direct_group(*secondary.primary->group);
}

void FollowWalk::push_items(ItemList& items, const NameList& follow) const {
  std::vector<Secondary*> list = secondaries_of(items);
  if (list.empty()) return;
  NameList next = follow;
  for (std::size_t i = list.size(); i-- > 0;) {
    push_secondary(next, *list[i]);
    if (i == 0) break;
    const Secondary& after = *list[i];
    next = after.empty == kTrue ? united(after.first, next) : after.first;
  }
}

void FollowWalk::push_secondary(const NameList& follow, Secondary& secondary) const {
  if (keep_for_listing_ || secondary.kind != SecondaryKind::Plain) secondary.follow = follow;
  switch (secondary.kind) {
    case SecondaryKind::Plain: push_primary(follow, *secondary.primary); break;
    case SecondaryKind::Option: push_secondary(follow, *secondary.operand); break;
    case SecondaryKind::Seq:
    case SecondaryKind::Clos: push_secondary(united(secondary.operand->first, follow), *secondary.operand); break;
    case SecondaryKind::Chain: {
      Secondary& operand = *secondary.operand;
      Primary& separator = *secondary.primary;
      NameList operand_follow = united(separator.first, follow);
      if (separator.empty == kTrue) operand_follow.add_all(operand.first);
      NameList separator_follow = operand.first;
      if (operand.empty == kTrue) {
        separator_follow = united(operand.first, separator.first);
        separator_follow.add_all(follow);
      }
      push_secondary(operand_follow, operand);
      push_primary(separator_follow, separator);
      break;
    }
  }
}

void FollowWalk::push_primary(const NameList& follow, Primary& primary) const {
  if (keep_for_listing_) primary.follow = follow;
  if (primary.kind != PrimaryKind::Group) return;
  for (Alternative& alternative : primary.group->alternatives) {
    alternative.follow = follow;
    push_items(alternative.items, follow);
  }
}

// ---- DIRSET ----

void dirset_of_group(Group& group);

void dirset_of_secondary(Secondary& secondary) {
  if (secondary.kind == SecondaryKind::Chain) {
    const Secondary& operand = *secondary.operand;
    const Primary& separator = *secondary.primary;
    if (separator.empty == kTrue) {
      secondary.dirset = united(operand.first, separator.first);
      if (operand.empty == kTrue) secondary.dirset.add_all(secondary.follow);
    } else {
      secondary.dirset = reversed(separator.first);
    }
  }
  if (secondary.operand) dirset_of_secondary(*secondary.operand);
  if (secondary.primary && secondary.primary->kind == PrimaryKind::Group) dirset_of_group(*secondary.primary->group);
}

void dirset_of_group(Group& group) {
  group.dirset.clear();
  for (Alternative& alternative : group.alternatives) {
    alternative.dirset =
        alternative.empty != kTrue ? alternative.first : united(alternative.first, alternative.follow);
    for (Item& item : alternative.items)
      if (!item.is_call()) dirset_of_secondary(*item.secondary);
    group.dirset.add_all(alternative.dirset);
  }
}

// ---- releasing sets ----

struct Release {
  bool first, last, follow;

  void group(Group& group) const {
    for (Alternative& alternative : group.alternatives) {
      if (first) alternative.first.clear();
      if (last) alternative.last.clear();
      if (follow) alternative.follow.clear();
      for (Item& item : alternative.items)
        if (!item.is_call()) secondary(*item.secondary);
    }
  }
  void secondary(Secondary& secondary) const {
    if (last) secondary.last.clear();
    if (secondary.primary) primary(*secondary.primary);
    if (secondary.operand) this->secondary(*secondary.operand);
  }
  void primary(Primary& primary) const {
    if (last) primary.last.clear();
    if (follow) primary.follow.clear();
    if (primary.group) group(*primary.group);
  }
};

}  // namespace

std::vector<std::string> closure_terminals(const ParserDeclarations& declarations) {
  std::vector<std::string> names;
  for (const DeclarationLayer* layer : {&declarations.own, &declarations.imported})
    for (const LocatedName& terminal : layer->terminals) names.push_back(terminal.name);
  return names;
}

Ll1Analysis::Ll1Analysis(RuleList& rules, const std::vector<std::string>& terminals) : rules_(rules) {
  for (const auto& rule : rules_.rules) {
    rule_by_name_.emplace(rule->name, rule.get());
    add_rank(rule->name);
  }
  for (const std::string& terminal : terminals) add_rank(terminal);
  add_rank(kEndOfFile);
}

// Ranks are given in closure order; a name listed twice keeps its first.
void Ll1Analysis::add_rank(const std::string& name) {
  auto [entry, added] = closure_rank_.emplace(name, rank_names_.size());
  if (added) rank_names_.push_back(&entry->first);
}

Rule* Ll1Analysis::rule_named(std::string_view name) const {
  return find_rule(rule_by_name_, name);
}

void Ll1Analysis::compute_all(LastSets last_sets, bool keep_for_listing) {
  compute_empty();
  compute_first();
  if (last_sets != LastSets::Skip) compute_last();
  if (last_sets == LastSets::Compute)
    for (auto& rule : rules_.rules) last_sets_->fill(*rule);
  compute_follow(keep_for_listing);
  compute_dirset();
}

std::optional<LastSetStore> Ll1Analysis::take_last_sets() {
  std::optional<LastSetStore> sets = std::move(last_sets_);
  last_sets_.reset();
  return sets;
}

void Ll1Analysis::compute_empty() {
  for (auto& rule : rules_.rules)
    rule->empty = rule->body ? empty_of_alternatives(*rule->body, true) : kFalse;
  for (bool changed = true; changed;) {
    changed = false;
    for (auto& rule : rules_.rules) {
      if (rule->empty != kUndecided || !rule->body) continue;
      rule->empty = empty_of_alternatives(*rule->body, false);
      if (rule->empty != kUndecided) changed = true;
    }
  }
  for (auto& rule : rules_.rules)
    if (rule->body) settle_group(*rule->body);
}

// Warshall's closure: for every rule K in list order, every rule I whose
// set names K receives the names of K's set that the closure carries, in
// the order of their ranks. Only the rules whose sets name a rule take
// part: each keeps its membership as one bit row (a bit per rank), and
// every rule the rows that name it, so that a step visits just those rows
// and a grammar whose sets name few rules costs little more than its sets.
// The names each row gains are recorded in the order they are added, so
// the sets end in the order that adding them one by one gives. Gives the
// ranks each rule's set gains, in that order.
std::vector<std::vector<std::uint32_t>> Ll1Analysis::closure_additions(SetOf set) const {
  const std::size_t rule_count = rules_.rules.size();
  const std::size_t words = (rank_names_.size() + 63) / 64;
  std::vector<std::vector<std::uint32_t>> initial(rule_count);
  for (std::size_t i = 0; i < rule_count; ++i)
    for (const std::string& name : (*rules_.rules[i]).*set) {
      auto rank = closure_rank_.find(name);
      if (rank != closure_rank_.end()) initial[i].push_back(static_cast<std::uint32_t>(rank->second));
    }
  std::vector<std::vector<std::uint64_t>> rows(rule_count);
  // The rows that name rule K, kept only while K's step is still to come.
  std::vector<std::vector<std::uint32_t>> holders(rule_count);
  std::size_t step = 0;
  std::vector<std::vector<std::uint32_t>> added(rule_count);
  // Puts RANK into row I; false when it was there.
  const auto gain = [&](std::size_t i, std::uint32_t rank) {
    std::uint64_t& word = rows[i][rank / 64];
    const std::uint64_t bit = std::uint64_t{1} << (rank % 64);
    if (word & bit) return false;
    word |= bit;
    if (rank < rule_count && rank >= step) holders[rank].push_back(static_cast<std::uint32_t>(i));
    return true;
  };
  for (std::size_t i = 0; i < rule_count; ++i) {
    const bool names_a_rule = std::any_of(initial[i].begin(), initial[i].end(),
                                          [&](std::uint32_t rank) { return rank < rule_count; });
    if (!names_a_rule) continue;
    rows[i].assign(words, 0);
    for (std::uint32_t rank : initial[i]) gain(i, rank);
  }
  std::vector<std::uint32_t> carried;
  for (std::size_t k = 0; k < rule_count; ++k) {
    step = k;
    if (holders[k].empty()) continue;
    // Row K as it stands before this step, in the order of the ranks.
    carried = initial[k];
    carried.insert(carried.end(), added[k].begin(), added[k].end());
    std::sort(carried.begin(), carried.end());
    carried.erase(std::unique(carried.begin(), carried.end()), carried.end());
    // A row gains K in this step only if it held K before, so the rows
    // counted here are all the step has to visit.
    const std::size_t visits = holders[k].size();
    for (std::size_t h = 0; h < visits; ++h) {
      const std::uint32_t i = holders[k][h];
      for (std::uint32_t rank : carried)
        if (gain(i, rank)) added[i].push_back(rank);
    }
    std::vector<std::uint32_t>().swap(holders[k]);
  }
  return added;
}

void Ll1Analysis::compute_first() {
  SetWalk walk;
  for (auto& rule : rules_.rules) rule->first = rule->body ? reversed(walk.alternatives(*rule->body)) : NameList();
  // The rule names a closed FIRST set would hold are dropped at once: the
  // terminals keep the order that adding and then removing them gives.
  const std::vector<std::vector<std::uint32_t>> added = closure_additions(&Rule::first);
  std::vector<bool> is_rule(rank_names_.size());
  for (std::size_t rank = 0; rank < rank_names_.size(); ++rank) is_rule[rank] = rule_named(*rank_names_[rank]) != nullptr;
  for (std::size_t i = 0; i < rules_.rules.size(); ++i)
    for (std::uint32_t rank : added[i])
      if (!is_rule[rank]) rules_.rules[i]->first.add(*rank_names_[rank]);
  for (auto& rule : rules_.rules)
    rule->first.remove_if([this](const std::string& name) { return rule_named(name) != nullptr; });
  walk.pass1 = false;
  for (auto& rule : rules_.rules) rule->first = rule->body ? reversed(walk.alternatives(*rule->body)) : NameList();
}

// The closed sets go to the store as they are made; the final sets of the
// second pass stay there, until the listing asks for them.
void Ll1Analysis::compute_last() {
  SetWalk walk;
  walk.last = true;
  for (auto& rule : rules_.rules) rule->last = rule->body ? reversed(walk.alternatives(*rule->body)) : NameList();
  std::vector<std::vector<std::uint32_t>> added = closure_additions(&Rule::last);
  last_sets_.emplace(rules_, rank_names_);
  for (std::size_t i = 0; i < rules_.rules.size(); ++i) {
    last_sets_->set_closed(i, rules_.rules[i]->last, added[i]);
    std::vector<std::uint32_t>().swap(added[i]);
  }
  last_sets_->settle();
}

void Ll1Analysis::compute_follow(bool keep_for_listing) {
  EndingRules ending(rules_);
  FollowContributions contributions(ending);
  FollowWalk walk(contributions, keep_for_listing);
  for (auto& rule : rules_.rules) rule->follow.clear();
  for (auto& rule : rules_.rules)
    if (rule->body) walk.direct_group(*rule->body);
  contributions.distribute();
  for (auto& rule : rules_.rules) {
    if (!rule->body) continue;
    const NameList follow = reversed(rule->follow);
    for (Alternative& alternative : rule->body->alternatives) {
      alternative.follow = follow;
      walk.push_items(alternative.items, follow);
    }
  }
}

void Ll1Analysis::compute_dirset() {
  for (auto& rule : rules_.rules)
    if (rule->body) dirset_of_group(*rule->body);
}

void release_rule_sets(Rule& rule, bool keep_first, bool keep_last, bool keep_follow) {
  if (rule.body) Release{!keep_first, !keep_last, !keep_follow}.group(*rule.body);
}

void release_unlisted_sets(RuleList& rules, bool keep_first, bool keep_last, bool keep_follow) {
  for (auto& rule : rules.rules) release_rule_sets(*rule, keep_first, keep_last, keep_follow);
}

}  // namespace zedra
