// The LL(1) analysis of the grammar: EMPTY, FIRST, LAST, FOLLOW and DIRSET
// of every rule, alternative, secondary and primary, stored in the rule
// model. The code generator decides every branch with these sets and the
// listing can show them, so their element order matters as much as their
// contents.
// (Known in the design as the module `ll1test`.)
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "name_list.h"
#include "analysis/last_sets.h"
#include "model/rule_model.h"

namespace zedra {

class ParserDeclarations;

// The rules of a grammar by name.
using RuleIndex = std::unordered_map<std::string_view, Rule*>;

// The names that the FIRST and LAST closures carry from one rule to
// another, in the order in which they are added: the terminals of the
// specification's own list, then those of the imported list. The rule
// names come first on their own.
std::vector<std::string> closure_terminals(const ParserDeclarations& declarations);

class Ll1Analysis {
 public:
  Ll1Analysis(RuleList& rules, const std::vector<std::string>& terminals);

  // Whether the LAST sets are made: only their listing needs them, FOLLOW
  // is built without them. Compute leaves them in the model; OnDemand
  // keeps them in a store (take_last_sets) that makes one rule's sets at a
  // time.
  enum class LastSets { Compute, OnDemand, Skip };

  // All five computations in their order. Without `keep_for_listing`
  // FOLLOW is stored only where the LL(1) test, DIRSET and the parser read
  // it: of rules, alternatives and the secondaries other than plain ones.
  void compute_all(LastSets last_sets = LastSets::Compute, bool keep_for_listing = true);

  // EMPTY in two stages: rules may stay undecided; everything below rule
  // level is settled to false or true afterwards.
  void compute_empty();
  void compute_first();
  void compute_last();
  void compute_follow(bool keep_for_listing = true);
  void compute_dirset();

  // The store of the LAST sets of compute_last, for the listing.
  std::optional<LastSetStore> take_last_sets();

 private:
  using SetOf = NameList Rule::*;
  Rule* rule_named(std::string_view name) const;
  void add_rank(const std::string& name);
  // The names (as ranks) that the closure adds to the set of every rule:
  // to every rule I that names a rule K the names of K's set, rule by rule
  // in list order (Warshall's closure).
  std::vector<std::vector<std::uint32_t>> closure_additions(SetOf set) const;

  RuleList& rules_;
  RuleIndex rule_by_name_;
  // The order in which the closure adds names: rules, terminals, then the
  // end-of-file token, which a rule may name explicitly.
  // The rule at position k of the list has rank k.
  std::unordered_map<std::string, std::size_t> closure_rank_;
  std::vector<const std::string*> rank_names_;
  std::optional<LastSetStore> last_sets_;
};

// Empties the sets that neither a selected listing nor the parser generator
// needs: FIRST of alternatives unless `keep_first`; LAST of alternatives,
// secondaries and primaries unless `keep_last`; FOLLOW of alternatives and
// primaries unless `keep_follow`.
void release_unlisted_sets(RuleList& rules, bool keep_first, bool keep_last, bool keep_follow);
// The same for the body of one rule.
void release_rule_sets(Rule& rule, bool keep_first, bool keep_last, bool keep_follow);

}  // namespace zedra
