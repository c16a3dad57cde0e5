#include "analysis/call_reachability.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "diagnostics.h"
#include "model/action_modules.h"
#include "model/rule_model.h"

namespace zedra {

namespace {

// A symbol instance: the symbol's name and its occurrence number.
using Instance = std::pair<std::string, int>;

// A list of instances without duplicates; a new instance goes to the front
// (kept at the back of the vector). Copies list the source in reverse.
class ReachSet {
 public:
  void add(const Instance& instance) {
    if (!contains(instance)) pairs_.push_back(instance);
  }
  bool contains(const Instance& instance) const {
    for (const Instance& pair : pairs_)
      if (pair == instance) return true;
    return false;
  }
  // Adds the instances of `other` in its order.
  void add_all(const ReachSet& other) {
    for (auto it = other.pairs_.rbegin(); it != other.pairs_.rend(); ++it) add(*it);
  }
  ReachSet copy() const {
    ReachSet result;
    result.add_all(*this);
    return result;
  }
  // The instances in list order (newest first).
  std::vector<Instance> in_order() const { return {pairs_.rbegin(), pairs_.rend()}; }

 private:
  std::vector<Instance> pairs_;
};

// The reach sets of one rule's alternatives and secondaries, kept only
// while that rule is tested.
class ReachabilityTest {
 public:
  ReachabilityTest(Diagnostics& diagnostics, const Rule& rule) : diagnostics_(diagnostics), rule_(rule) {}

  void run() {
    ReachSet set = occurrences_of_group(*rule_.body);
    set.add({rule_.name, 0});
    propagate_group(*rule_.body, set);
  }

 private:
  ReachSet occurrences_of_group(const Group& group);
  ReachSet occurrences_of_items(const Alternative& alternative);
  ReachSet occurrences_of_secondary(const Secondary& secondary);
  ReachSet occurrences_of_primary(const Primary& primary);

  void propagate_group(const Group& group, const ReachSet& set);
  void propagate_alternative(const Alternative& alternative, const ReachSet& set);
  void propagate_secondary(const Secondary& secondary, const ReachSet& set);
  void check_call(const ActionCall& call, const ReachSet& set);

  Diagnostics& diagnostics_;
  const Rule& rule_;
  std::unordered_map<const void*, ReachSet> reach_;
};

ReachSet ReachabilityTest::occurrences_of_group(const Group& group) {
  if (group.alternatives.size() == 1) return occurrences_of_items(group.alternatives.front());
  for (const Alternative& alternative : group.alternatives) reach_[&alternative] = occurrences_of_items(alternative);
  return {};
}

ReachSet ReachabilityTest::occurrences_of_items(const Alternative& alternative) {
  ReachSet result;
  for (const Item& item : alternative.items)
    if (!item.is_call()) result.add_all(occurrences_of_secondary(*item.secondary));
  return result;
}

ReachSet ReachabilityTest::occurrences_of_secondary(const Secondary& secondary) {
  switch (secondary.kind) {
    case SecondaryKind::Plain: return occurrences_of_primary(*secondary.primary);
    case SecondaryKind::Option:
    case SecondaryKind::Clos: reach_[&secondary] = occurrences_of_secondary(*secondary.operand); return {};
    case SecondaryKind::Seq: return occurrences_of_secondary(*secondary.operand);
    case SecondaryKind::Chain:
      reach_[&secondary] = occurrences_of_primary(*secondary.primary);
      return occurrences_of_secondary(*secondary.operand);
  }
  return {};
}

ReachSet ReachabilityTest::occurrences_of_primary(const Primary& primary) {
  if (primary.kind == PrimaryKind::Group) return occurrences_of_group(*primary.group);
  ReachSet result;
  result.add({primary.name, primary.number});
  return result;
}

void ReachabilityTest::propagate_group(const Group& group, const ReachSet& set) {
  for (const Alternative& alternative : group.alternatives) propagate_alternative(alternative, set);
}

void ReachabilityTest::propagate_alternative(const Alternative& alternative, const ReachSet& set) {
  if (alternative.items.empty()) return;
  ReachSet& reach = reach_[&alternative];
  reach.add_all(set);
  for (const Item& item : alternative.items) {
    if (item.is_call())
      check_call(*item.call, reach);
    else
      propagate_secondary(*item.secondary, reach.copy());
  }
}

void ReachabilityTest::propagate_secondary(const Secondary& secondary, const ReachSet& set) {
  switch (secondary.kind) {
    case SecondaryKind::Plain:
      if (secondary.primary->kind == PrimaryKind::Group) propagate_group(*secondary.primary->group, set);
      return;
    case SecondaryKind::Option:
    case SecondaryKind::Clos: {
      ReachSet& reach = reach_[&secondary];
      reach.add_all(set);
      propagate_secondary(*secondary.operand, reach.copy());
      return;
    }
    case SecondaryKind::Seq: propagate_secondary(*secondary.operand, set); return;
    case SecondaryKind::Chain: {
      propagate_secondary(*secondary.operand, set);
      ReachSet& reach = reach_[&secondary];
      reach.add_all(set);
      if (secondary.primary->kind == PrimaryKind::Group) propagate_group(*secondary.primary->group, reach);
      return;
    }
  }
}

void ReachabilityTest::check_call(const ActionCall& call, const ReachSet& set) {
  for (const Argument& argument : call.arguments) {
    if (argument.kind != ArgumentKind::Attribute || !argument.rule) continue;
    if (set.contains({argument.symbol, argument.number})) continue;
    diagnostics_.report(Msg::NotInReachabilitySet, rule_.name, argument.symbol, argument.number, call.name);
    std::string line = "*** reachability set= ";
    for (const Instance& pair : set.in_order()) line += " " + pair.first + "#" + std::to_string(pair.second);
    line += '\n';
    diagnostics_.listing().raw(line);
  }
}

}  // namespace

void test_reachability(Diagnostics& diagnostics, const Rule& rule) {
  if (rule.body) ReachabilityTest(diagnostics, rule).run();
}

}  // namespace zedra
