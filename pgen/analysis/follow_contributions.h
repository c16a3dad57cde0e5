// The direct contributions to the FOLLOW sets of the rules: "every rule
// whose name is in LAST(s) gets the set ...", for the constructs s of the
// grammar in the order the FOLLOW walk meets them. A rule's FOLLOW set holds
// the sets that reach it in that order, each name where it was first
// added, and that order is part of the output.
//
// Adding every set to every rule it reaches costs the size of the set for
// each of those rules: the cube of a grammar whose statements all end in
// one rule (`stmt : s1 | s2 | ...` with blocks `s1 : kw { stmt CLOS }`).
// So the contributions are recorded first and given out afterwards, over
// the components of the graph of ending rules: rules that end with one
// another, directly or not (the statements and expressions of most
// languages), are reached by the same sets in the same order, so they get
// one FOLLOW set, and a set is added to it once instead of to every rule of
// the cycle. A component that no contribution names itself and that is
// reached through one other component alone (an alternative of `stmt`, a
// rule of a right-recursive chain) gets exactly that one's sets in the same
// order: its FOLLOW set becomes a copy, which shares the names, and the
// sets skip it.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/ending_rules.h"
#include "name_list.h"

namespace zedra {

class FollowContributions {
 public:
  explicit FollowContributions(EndingRules& ending) : ending_(ending) {}

  // Every rule that `construct` can end with gets `set`, behind the sets
  // recorded before. The set must stay as it is until distribute().
  void add(const Secondary& construct, const NameList& set);
  void add(const Primary& construct, const NameList& set);

  // Adds the recorded sets, in order, to the FOLLOW sets of the rules.
  void distribute();

 private:
  struct Contribution {
    const EndingRules::Indices* starts;
    const NameList* set;
  };
  static constexpr std::uint32_t kNone = UINT32_MAX;

  void find_components();
  void find_copies();
  void find_dead_ends();
  void spread(const Contribution& contribution);

  EndingRules& ending_;
  std::vector<Contribution> contributions_;
  // The component of every rule. Components are numbered as they are
  // completed, so a component ends only with components of lower numbers.
  std::vector<std::uint32_t> component_;
  // The other components each component ends with, each once.
  std::vector<std::vector<std::uint32_t>> component_ends_;
  std::vector<NameList> follow_;  // of each component
  // The component whose FOLLOW set a component's is a copy of, or kNone.
  std::vector<std::uint32_t> copy_of_;
  // Whether every component below a component (that it ends with,
  // directly or not) is a copy: a walk need not go there.
  std::vector<bool> dead_end_;
  std::vector<std::uint32_t> seen_;  // the walk that last reached a component
  std::uint32_t walk_ = 0;
};

}  // namespace zedra
