// The LAST sets of a grammar between the analysis and the listing, the only
// reader of them. As lists of names in the rule model they grow with the
// square of a grammar whose rules end in one another (in a chain of
// right-recursive rules every rule's set names every rule after it), in
// every construct of every rule. So the sets of the rules are kept here as
// lists of name numbers, and the sets of one rule and its body are made
// when the listing comes to that rule and released behind it.
//
// A set's order is the one the analysis gives it. Its second pass walks
// the bodies in rule order: a body takes the rules before its own with
// their final sets, its own and the later ones with the sets of the
// closure. Both are kept, so that a body walked again on its own ends in
// exactly the sets of that pass.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "name_list.h"
#include "model/rule_model.h"

namespace zedra {

class LastSetStore {
 public:
  // `names` numbers the names the closure adds (rule k of the list is
  // number k).
  LastSetStore(RuleList& rules, const std::vector<const std::string*>& names);

  // Takes the closed LAST set of the rule at `position`: `base`, the rule's
  // set before the closure, then the names of the numbers in `added`, in
  // the order the closure added them.
  void set_closed(std::size_t position, const NameList& base, const std::vector<std::uint32_t>& added);
  // The second pass over every rule in list order: keeps each rule's final
  // set and leaves no LAST set in the model.
  void settle();

  // Makes LAST of `rule` and of every alternative, secondary and primary of
  // its body, as the analysis leaves them.
  void fill(Rule& rule);
  // Empties them again.
  static void release(Rule& rule);

 private:
  using Numbers = std::vector<std::uint32_t>;

  // The body's LAST walked with the rules before `position` at their final
  // sets and the others at their closed ones.
  NameList walk_body(Rule& rule, std::size_t position);
  std::uint32_t number_of(std::string_view name);
  Numbers numbers_of(const NameList& set);
  NameList list_of(const Numbers& numbers) const;

  RuleList* rules_;
  // The names by number, as the lists add them; the table of names keeps
  // their text for the life of the program, which the map's keys view.
  std::vector<NameList::Entry> entries_;
  std::unordered_map<std::string_view, std::uint32_t> number_;
  std::unordered_map<const Rule*, std::size_t> position_;
  // The sets in the order of the lists' storage (the last name added at the back).
  std::vector<Numbers> closed_, final_;
  NameList scratch_;  // the set a named rule stands for in the walk
};

}  // namespace zedra
