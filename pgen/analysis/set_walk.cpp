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

// The union of the alternatives' sets in the order that folding
// united(set, union) from the last alternative to the first gives. Each
// step of that fold reverses what it holds, so a name ends up by the first
// alternative that names it, and the alternatives alternate between the
// two ends: in the order of adding, the names first found in alternatives
// 0, 2, 4, ... in their sets' order, then those of the odd ones from the
// last to the first, in reverse. Built so in one pass instead of a copy
// per alternative.
NameList SetWalk::alternatives(Group& group) const {
  for (Alternative& alternative : group.alternatives) of(alternative) = items(alternative.items);
  NameList seen;
  std::vector<std::vector<NameList::Entry>> first_found(group.alternatives.size());
  std::size_t j = 0;
  for (Alternative& alternative : group.alternatives) {
    const NameList& set = of(alternative);
    for (auto name = set.begin(); name != set.end(); ++name)
      if (seen.add(name.entry())) first_found[j].push_back(name.entry());
    ++j;
  }
  NameList result;
  for (j = 0; j < first_found.size(); j += 2)
    for (const NameList::Entry& name : first_found[j]) result.add(name);
  for (j = first_found.size(); j-- > 0;)
    if (j % 2 == 1)
      for (auto it = first_found[j].rbegin(); it != first_found[j].rend(); ++it) result.add(*it);
  return result;
}

}  // namespace zedra
