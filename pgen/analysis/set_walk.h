// The walk that builds FIRST or LAST of every alternative, secondary and
// primary of a rule body, bottom up, and gives the set of the whole body.
// It runs twice: in the first pass a named rule stands for itself (its
// name), which the closure over the rules then resolves; in the second it
// stands for the rule's closed set. The sets of one body depend only on the
// sets of the rules it names, so a body can be walked again on its own.
#pragma once

#include <functional>
#include <vector>

#include "name_list.h"
#include "model/rule_model.h"

namespace zedra {

// The secondaries of an alternative; action calls play no part in the sets.
std::vector<Secondary*> secondaries_of(ItemList& items);

struct SetWalk {
  bool last = false;  // LAST instead of FIRST
  bool pass1 = true;  // nonterminals contribute their own name
  // The set that a named rule stands for in the second pass; without it,
  // the rule's own FIRST or LAST.
  std::function<const NameList&(const Rule&)> rule_set;

  NameList& of(Primary& primary) const { return last ? primary.last : primary.first; }
  NameList& of(Secondary& secondary) const { return last ? secondary.last : secondary.first; }
  NameList& of(Alternative& alternative) const { return last ? alternative.last : alternative.first; }
  const NameList& of(const Rule& rule) const;

  NameList alternatives(Group& group) const;
  NameList items(ItemList& items) const;
  const NameList& secondary(Secondary& secondary) const;
  const NameList& primary(Primary& primary) const;
};

}  // namespace zedra
