#include "analysis/reduction_termination.h"

#include <unordered_map>

#include "diagnostics.h"
#include "model/rule_model.h"

namespace zedra {

namespace {

// ---- reduction ----

class ReductionSweep {
 public:
  explicit ReductionSweep(RuleList& rules) {
    for (auto& rule : rules.rules) rules_.emplace(rule.get(), rule.get());
  }

  void group(const Group& group) const {
    for (const Alternative& alternative : group.alternatives)
      for (const Item& item : alternative.items)
        if (!item.is_call()) secondary(*item.secondary);
  }

 private:
  void secondary(const Secondary& secondary) const {
    if (secondary.primary) primary(*secondary.primary);
    if (secondary.operand) this->secondary(*secondary.operand);
  }
  void primary(const Primary& primary) const {
    if (primary.kind == PrimaryKind::Group) {
      group(*primary.group);
    } else if (primary.kind == PrimaryKind::Nonterminal && primary.rule) {
      auto found = rules_.find(primary.rule);
      if (found != rules_.end() && found->second->reduction == kNeverReduced)
        found->second->reduction = kUsedNotTraversed;
    }
  }

  // The writable record behind each rule pointer of the primaries.
  std::unordered_map<const Rule*, Rule*> rules_;
};

// ---- termination ----

Termination terminates_alternatives(Group& group, bool pass1);

Termination terminates_primary(const Primary& primary, bool pass1) {
  switch (primary.kind) {
    case PrimaryKind::Terminal: return kTerminates;
    case PrimaryKind::Group: return terminates_alternatives(*primary.group, pass1);
    case PrimaryKind::Nonterminal:
      if (pass1 || !primary.rule) return kEndless;
      return primary.rule->termination;
  }
  return kEndless;
}

Termination terminates_secondary(Secondary& secondary, bool pass1) {
  switch (secondary.kind) {
    case SecondaryKind::Plain: secondary.termination = terminates_primary(*secondary.primary, pass1); break;
    case SecondaryKind::Option:
    case SecondaryKind::Clos: secondary.termination = kTerminates; break;
    case SecondaryKind::Seq:
    case SecondaryKind::Chain: secondary.termination = terminates_secondary(*secondary.operand, pass1); break;
  }
  return secondary.termination;
}

// A secondary is (re)computed unless it is known to terminate: one that an
// earlier walk never reached (kTerminationUnknown) must not count as
// terminating.
Termination terminates_items(ItemList& items, bool pass1) {
  for (Item& item : items) {
    if (item.is_call()) continue;
    Secondary& secondary = *item.secondary;
    if (pass1 || secondary.termination != kTerminates) {
      if (terminates_secondary(secondary, pass1) == kEndless) return kEndless;
    }
  }
  return kTerminates;
}

Termination terminates_alternatives(Group& group, bool pass1) {
  for (Alternative& alternative : group.alternatives) {
    if (pass1 || alternative.termination != kTerminates) alternative.termination = terminates_items(alternative.items, pass1);
    if (alternative.termination == kTerminates) return kTerminates;
  }
  return kEndless;
}

}  // namespace

void test_reduction(Diagnostics& diagnostics, RuleList& rules) {
  if (rules.rules.empty()) return;
  for (auto& rule : rules.rules) rule->reduction = kNeverReduced;
  rules.rules.front()->reduction = kUsedNotTraversed;
  const ReductionSweep sweep(rules);
  for (bool found = true; found;) {
    found = false;
    for (auto& rule : rules.rules) {
      if (rule->reduction != kUsedNotTraversed) continue;
      found = true;
      if (rule->body) sweep.group(*rule->body);
      rule->reduction = kReduced;
    }
  }
  for (auto& rule : rules.rules)
    if (rule->reduction == kNeverReduced) {
      diagnostics.set_line(rule->line);
      diagnostics.report(Msg::NeverReduced, rule->name);
    }
  diagnostics.set_line(0);
}

void test_termination(Diagnostics& diagnostics, RuleList& rules) {
  for (auto& rule : rules.rules) rule->termination = rule->body ? terminates_alternatives(*rule->body, true) : kEndless;
  for (bool changed = true; changed;) {
    changed = false;
    for (auto& rule : rules.rules) {
      if (rule->termination != kEndless || !rule->body) continue;
      rule->termination = terminates_alternatives(*rule->body, false);
      if (rule->termination == kTerminates) changed = true;
    }
  }
  for (auto& rule : rules.rules)
    if (rule->termination == kEndless) {
      diagnostics.set_line(rule->line);
      diagnostics.report(Msg::EndlessRecursion, rule->name);
    }
  diagnostics.set_line(0);
}

void list_reduction(Listing& listing, const Rule& rule) {
  const char* text = "never reduced\n";
  if (rule.reduction == kUsedNotTraversed) text = "used but not traversed\n";
  if (rule.reduction == kReduced) text = "reduced\n";
  listing.raw_printf("Rule '%s' is %s", rule.name.c_str(), text);
}

}  // namespace zedra
