#include "analysis/set_walk.h"

namespace zedra {

std::vector<Secondary*> secondaries_of(ItemList& items) {
  std::vector<Secondary*> result;
  result.reserve(items.size());
  for (Item& item : items)
    if (!item.is_call()) result.push_back(item.secondary.get());
  return result;
}

const NameList& SetWalk::of(const Rule& rule) const {
  if (rule_set) return rule_set(rule);
  return last ? rule.last : rule.first;
}

const NameList& SetWalk::primary(Primary& primary) const {
  NameList& set = of(primary);
  switch (primary.kind) {
    case PrimaryKind::Terminal:
      set.clear();
      set.add(primary.name);
      break;
    case PrimaryKind::Nonterminal:
      if (pass1) {
        set.clear();
        set.add(primary.name);
      } else {
        set = primary.rule ? reversed(of(*primary.rule)) : NameList();
        if (last) set.add(primary.name);
      }
      break;
    case PrimaryKind::Group: set = alternatives(*primary.group); break;
  }
  return set;
}

const NameList& SetWalk::secondary(Secondary& secondary) const {
  NameList& set = of(secondary);
  if (secondary.kind == SecondaryKind::Plain) {
    set = reversed(primary(*secondary.primary));
  } else if (secondary.kind == SecondaryKind::Chain) {
    const NameList& operand = this->secondary(*secondary.operand);
    const NameList& separator = primary(*secondary.primary);
    set = secondary.empty == kTrue ? united(operand, separator) : operand;
  } else {
    set = reversed(this->secondary(*secondary.operand));
  }
  return set;
}

NameList SetWalk::items(ItemList& items) const {
  std::vector<Secondary*> list = secondaries_of(items);
  if (list.empty()) return {};
  std::vector<const NameList*> sets;
  sets.reserve(list.size());
  for (Secondary* s : list) sets.push_back(&secondary(*s));
  if (!last) {
    // FIRST: the first item's set, and the rest's while the items before
    // can be empty (the union is built from the back).
    NameList result = reversed(*sets.back());
    for (std::size_t i = list.size() - 1; i-- > 0;) {
      NameList front = reversed(*sets[i]);
      if (list[i]->empty == kTrue) front.add_all(result);
      result = std::move(front);
    }
    return result;
  }
  // LAST: an item that can be empty adds to what the items before end
  // with; one that cannot starts over.
  NameList result = *sets.front();
  for (std::size_t i = 1; i < list.size(); ++i) {
    if (list[i]->empty != kFalse)
      result.add_all(*sets[i]);
    else
      result = reversed(*sets[i]);
  }
  return result;
}

NameList SetWalk::alternatives(Group& group) const {
  for (Alternative& alternative : group.alternatives) of(alternative) = items(alternative.items);
  NameList result;
  for (auto it = group.alternatives.rbegin(); it != group.alternatives.rend(); ++it)
    result = united(of(*it), result);
  return result;
}

}  // namespace zedra
