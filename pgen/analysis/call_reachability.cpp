#include "analysis/call_reachability.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "analysis/occurrence_hint.h"
#include "diagnostics.h"
#include "model/action_modules.h"
#include "model/rule_model.h"

namespace zedra {

namespace {

// A symbol instance: the symbol's name and its occurrence number.
using Instance = std::pair<std::string, int>;

struct InstanceHash {
  std::size_t operator()(const Instance& instance) const {
    return std::hash<std::string>()(instance.first) * 31 + static_cast<std::size_t>(instance.second);
  }
};

class ReachSet;

// A set as a construct hands it to the constructs inside it: the set
// itself, or a copy of it (a copy lists the set in reverse). Passing a view
// instead of a copy keeps a nesting of any depth linear in time and memory.
struct ReachView {
  const ReachSet* set = nullptr;
  bool as_copy = false;
};

// A list of instances without duplicates; a new instance goes to the front.
// Its own instances are those of the construct it belongs to; the instances
// of the enclosing constructs follow as a view (as if added one by one
// after the own ones), shared, not copied.
class ReachSet {
 public:
  void add(const Instance& instance) {
    if (own_index_.insert(instance).second) own_.push_back(instance);
  }
  // Adds the own instances of `other` in its order.
  void add_all(const ReachSet& other) {
    for (auto it = other.own_.rbegin(); it != other.own_.rend(); ++it) add(*it);
  }
  // The instances of the enclosing constructs; once, before any lookup.
  void extend(ReachView outer) { outer_ = outer; }

  bool contains(const Instance& instance) const {
    for (const ReachSet* set = this; set; set = set->outer_.set)
      if (set->own_index_.count(instance)) return true;
    return false;
  }
  // The instances in list order (newest first), for the listing.
  std::vector<Instance> in_order() const {
    std::vector<Instance> pushed = pushes();
    return {pushed.rbegin(), pushed.rend()};
  }

 private:
  // The instances in the order they would have been added one by one.
  std::vector<Instance> pushes() const {
    std::vector<Instance> result = own_;
    if (!outer_.set) return result;
    std::vector<Instance> outer = outer_.set->pushes();
    // Adding a set appends it newest first; adding a copy, oldest first.
    if (!outer_.as_copy) std::reverse(outer.begin(), outer.end());
    for (const Instance& instance : outer)
      if (!own_index_.count(instance)) result.push_back(instance);
    return result;
  }

  std::vector<Instance> own_;  // oldest first
  std::unordered_set<Instance, InstanceHash> own_index_;
  ReachView outer_;
};

// The reach sets of one rule's alternatives and secondaries, kept only
// while that rule is tested.
class ReachabilityTest {
 public:
  ReachabilityTest(Diagnostics& diagnostics, const Rule& rule) : diagnostics_(diagnostics), rule_(rule) {}

  void run() {
    ReachSet set = occurrences_of_group(*rule_.body);
    set.add({rule_.name, 0});
    propagate_group(*rule_.body, {&set, false});
  }

 private:
  ReachSet occurrences_of_group(const Group& group);
  ReachSet occurrences_of_items(const Alternative& alternative);
  ReachSet occurrences_of_secondary(const Secondary& secondary);
  ReachSet occurrences_of_primary(const Primary& primary);

  void propagate_group(const Group& group, ReachView set);
  void propagate_alternative(const Alternative& alternative, ReachView set);
  void propagate_secondary(const Secondary& secondary, ReachView set);
  void check_call(const ActionCall& call, const ReachSet& set);

  Diagnostics& diagnostics_;
  const Rule& rule_;
  // Node-based: the sets keep their addresses while others are added.
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

void ReachabilityTest::propagate_group(const Group& group, ReachView set) {
  for (const Alternative& alternative : group.alternatives) propagate_alternative(alternative, set);
}

// An alternative reaches its own instances and those around it; the
// constructs inside get a copy of that set.
void ReachabilityTest::propagate_alternative(const Alternative& alternative, ReachView set) {
  if (alternative.items.empty()) return;
  ReachSet& reach = reach_[&alternative];
  reach.extend(set);
  for (const Item& item : alternative.items) {
    if (item.is_call())
      check_call(*item.call, reach);
    else
      propagate_secondary(*item.secondary, {&reach, true});
  }
}

void ReachabilityTest::propagate_secondary(const Secondary& secondary, ReachView set) {
  switch (secondary.kind) {
    case SecondaryKind::Plain:
      if (secondary.primary->kind == PrimaryKind::Group) propagate_group(*secondary.primary->group, set);
      return;
    case SecondaryKind::Option:
    case SecondaryKind::Clos: {
      ReachSet& reach = reach_[&secondary];
      reach.extend(set);
      propagate_secondary(*secondary.operand, {&reach, true});
      return;
    }
    case SecondaryKind::Seq: propagate_secondary(*secondary.operand, set); return;
    case SecondaryKind::Chain: {
      propagate_secondary(*secondary.operand, set);
      ReachSet& reach = reach_[&secondary];
      reach.extend(set);
      if (secondary.primary->kind == PrimaryKind::Group) propagate_group(*secondary.primary->group, {&reach, false});
      return;
    }
  }
}

void ReachabilityTest::check_call(const ActionCall& call, const ReachSet& set) {
  for (const Argument& argument : call.arguments) {
    if (argument.kind != ArgumentKind::Attribute || !argument.rule) continue;
    if (set.contains({argument.symbol, argument.number})) continue;
    diagnostics_.report(Msg::NotInReachabilitySet, rule_.name, argument.symbol, argument.number, call.name);
    explain_occurrence_beyond(diagnostics_, rule_, argument.symbol, argument.number);
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
