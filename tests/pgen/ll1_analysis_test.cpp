// The grammar analyses on small grammars read from text: EMPTY in both
// stages, FIRST, LAST, FOLLOW and DIRSET with their element order, the
// reduction and termination tests and the reachability of action calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "analysis/ll1_analysis.h"
#include "analysis/reduction_termination.h"
#include "analysis/call_reachability.h"
#include "tests/pgen/pgen_test_support.h"

namespace zedra {
namespace {

using Names = std::vector<std::string>;
using NameSet = std::set<std::string>;

Names names(const NameList& list) { return {list.begin(), list.end()}; }
NameSet name_set(const NameList& list) { return {list.begin(), list.end()}; }

// A grammar read, resolved and analysed as the driver does it.
struct Analysed : test::FrontEnd {
  explicit Analysed(const std::string& text, bool analyse = true) {
    read_and_resolve(text);
    EXPECT_EQ(diagnostics.error_count(), 0) << screen.text();
    if (analyse) Ll1Analysis(declarations.own.rules, closure_terminals(declarations)).compute_all();
  }
  const Alternative& alternative(const std::string& rule_name, std::size_t index) {
    return rule(rule_name).body->alternatives.at(index);
  }
  const Secondary& item(const std::string& rule_name, std::size_t alternative_index, std::size_t item_index) {
    return *alternative(rule_name, alternative_index).items.at(item_index).secondary;
  }
};

// The textbook grammar in BNF: E -> T E'; E' -> + T E' | e; T -> F T';
// T' -> * F T' | e; F -> ( E ) | id.
const char* const kTextbook =
    "TERMINALS plus, times, lpar, rpar, id.\n"
    "RULES\n"
    "  e : t e1.\n"
    "  e1 : plus t e1 | .\n"
    "  t : f t1.\n"
    "  t1 : times f t1 | .\n"
    "  f : lpar e rpar | id.\n"
    "ROOT e.\n";

TEST(Ll1Sets, TextbookGrammarHasTheTextbookSets) {
  Analysed g(kTextbook);
  EXPECT_EQ(g.rule("e").empty, kFalse);
  EXPECT_EQ(g.rule("e1").empty, kTrue);
  EXPECT_EQ(g.rule("t1").empty, kTrue);
  EXPECT_EQ(name_set(g.rule("e").first), (NameSet{"lpar", "id"}));
  EXPECT_EQ(name_set(g.rule("t").first), (NameSet{"lpar", "id"}));
  EXPECT_EQ(name_set(g.rule("e1").first), (NameSet{"plus"}));
  EXPECT_EQ(name_set(g.rule("t1").first), (NameSet{"times"}));
  EXPECT_EQ(name_set(g.rule("e").follow), (NameSet{"rpar", "i_EndOfFile"}));
  EXPECT_EQ(name_set(g.rule("e1").follow), (NameSet{"rpar", "i_EndOfFile"}));
  EXPECT_EQ(name_set(g.rule("t").follow), (NameSet{"plus", "rpar", "i_EndOfFile"}));
  EXPECT_EQ(name_set(g.rule("t1").follow), (NameSet{"plus", "rpar", "i_EndOfFile"}));
  EXPECT_EQ(name_set(g.rule("f").follow), (NameSet{"times", "plus", "rpar", "i_EndOfFile"}));
  // The empty alternative decides on the follow set.
  EXPECT_EQ(name_set(g.alternative("e1", 1).dirset), (NameSet{"rpar", "i_EndOfFile"}));
  EXPECT_EQ(name_set(g.alternative("e1", 0).dirset), (NameSet{"plus"}));
}

TEST(Ll1Sets, LastHoldsTheSymbolsAPhraseCanEndWith) {
  Analysed g(kTextbook);
  EXPECT_EQ(name_set(g.rule("f").last), (NameSet{"rpar", "id"}));
  // t ends with t1 (which may be empty) or with f and what f ends with.
  EXPECT_EQ(name_set(g.rule("t").last), (NameSet{"t1", "f", "rpar", "id"}));
}

TEST(Ll1Sets, ElementOrderFollowsTheListOperations) {
  Analysed g(
      "TERMINALS a, b, c.\n"
      "RULES\n"
      "  r : a | b | c.\n"
      "ROOT r.\n");
  // Each alternative's set is copied (reversed) into the union of the
  // alternatives, and the rule's set is a copy of that union.
  EXPECT_EQ(names(g.alternative("r", 0).first), (Names{"a"}));
  EXPECT_EQ(names(g.rule("r").first), (Names{"a", "c", "b"}));
  // DIRSET(group) adds the alternatives' sets at the front, one by one.
  EXPECT_EQ(names(g.rule("r").body->dirset), (Names{"c", "b", "a"}));
}

TEST(Ll1Empty, MutualRecursionWithoutEmptyPhraseStaysUndecided) {
  Analysed g(
      "TERMINALS x, y.\n"
      "RULES\n"
      "  a : b x | b.\n"
      "  b : a | y.\n"
      "ROOT a.\n");
  EXPECT_EQ(g.rule("a").empty, kUndecided);
  EXPECT_EQ(g.rule("b").empty, kUndecided);
  EXPECT_EQ(g.alternative("a", 0).empty, kFalse);
  EXPECT_EQ(g.alternative("a", 1).empty, kFalse);
  EXPECT_EQ(g.item("a", 1, 0).empty, kFalse);
  EXPECT_EQ(g.item("a", 1, 0).primary->empty, kFalse);
  EXPECT_EQ(g.alternative("b", 0).empty, kFalse);
}

TEST(Ll1Empty, OperatorsAndNestedGroups) {
  Analysed g(
      "TERMINALS x, y, z.\n"
      "RULES\n"
      "  r : x OPTION { y | } z CLOS { y } SEQ.\n"
      "  s : r CHAIN z.\n"
      "ROOT s.\n");
  EXPECT_EQ(g.rule("r").empty, kFalse);  // the SEQ of a group without empty alternative
  EXPECT_EQ(g.item("r", 0, 0).empty, kTrue);
  EXPECT_EQ(g.item("r", 0, 1).empty, kTrue);  // { y | }
  EXPECT_EQ(g.item("r", 0, 2).empty, kTrue);
  EXPECT_EQ(g.item("r", 0, 3).empty, kFalse);
  EXPECT_EQ(g.item("s", 0, 0).empty, kFalse);
}

TEST(Ll1Sets, FirstOfRootHoldsEndOfFileWhenTheStartCanBeEmpty) {
  Analysed g(
      "TERMINALS x.\n"
      "RULES\n"
      "  r : x CLOS.\n"
      "ROOT r.\n");
  EXPECT_EQ(name_set(g.rule("ROOT").first), (NameSet{"x", "i_EndOfFile"}));
}

TEST(Ll1Sets, ClosureCarriesFirstSetsThroughMutualRecursion) {
  Analysed g(
      "TERMINALS x, y, z.\n"
      "RULES\n"
      "  a : b x | z.\n"
      "  b : c | y.\n"
      "  c : a y.\n"
      "ROOT a.\n");
  // Left recursion a -> b -> c -> a: each reaches the others' terminals.
  for (const char* name : {"a", "b", "c"}) EXPECT_EQ(name_set(g.rule(name).first), (NameSet{"y", "z"})) << name;
}

TEST(Ll1Sets, ClosureReachesAcrossManyRulesAndTerminals) {
  // r0 -> r1 -> ... -> r79, each also starting with a terminal of its own:
  // more names than one word of membership bits holds.
  const int count = 80;
  std::string text = "TERMINALS t0";
  for (int i = 1; i < count; ++i) text += ", " + test::numbered("t", i);
  text += ".\nRULES\n";
  for (int i = 0; i < count; ++i) {
    text += test::numbered("  r", i) + " : " + test::numbered("t", i);
    if (i + 1 < count) text += " | " + test::numbered("r", i + 1);
    text += ".\n";
  }
  text += "ROOT r0.\n";
  Analysed g(text);
  for (int i = 0; i < count; i += 13) {
    NameSet expected;
    for (int j = i; j < count; ++j) expected.insert(test::numbered("t", j));
    EXPECT_EQ(name_set(g.rule(test::numbered("r", i)).first), expected) << i;
    EXPECT_EQ(name_set(g.rule(test::numbered("r", i)).last).count("t79"), 1u) << i;
  }
}

TEST(Ll1Sets, ChainSetsAndFollowOfTheOperand) {
  Analysed g(
      "TERMINALS id, comma, semi.\n"
      "RULES\n"
      "  items : item CHAIN comma semi.\n"
      "  item : id.\n"
      "ROOT items.\n");
  const Secondary& chain = g.item("items", 0, 0);
  EXPECT_EQ(names(chain.dirset), (Names{"comma"}));
  EXPECT_EQ(name_set(chain.follow), (NameSet{"semi"}));
  EXPECT_EQ(name_set(chain.operand->follow), (NameSet{"comma", "semi"}));
  EXPECT_EQ(name_set(g.rule("item").follow), (NameSet{"comma", "semi"}));
  EXPECT_EQ(name_set(chain.primary->follow), (NameSet{"id"}));
}

TEST(Ll1Sets, ListUsesTheListSeparator) {
  Analysed g(
      "TERMINALS id, tListSep.\n"
      "RULES\n"
      "  r : id LIST CLOS.\n"
      "ROOT r.\n");
  const Secondary& clos = g.item("r", 0, 0);
  ASSERT_EQ(clos.kind, SecondaryKind::Clos);
  EXPECT_EQ(names(clos.operand->dirset), (Names{"tListSep"}));
  EXPECT_EQ(name_set(clos.follow), (NameSet{"i_EndOfFile"}));
  EXPECT_EQ(name_set(clos.operand->follow), (NameSet{"id", "i_EndOfFile"}));
}

TEST(Ll1Sets, EndOfFileNamedInARuleReachesEveryRuleStartingWithIt) {
  Analysed g(
      "TERMINALS x.\n"
      "RULES\n"
      "  a : b x.\n"
      "  b : c.\n"
      "  c : i_EndOfFile | x.\n"
      "ROOT a.\n");
  EXPECT_EQ(name_set(g.rule("a").first), (NameSet{"x", "i_EndOfFile"}));
}

// Every LAST set of a rule in walk order: the rule's, then those of its
// body (alternatives, secondaries, primaries, nested groups).
void collect_last(const Group& group, std::vector<Names>& sets);
void collect_last(const Secondary& secondary, std::vector<Names>& sets) {
  sets.push_back(names(secondary.last));
  if (secondary.operand) collect_last(*secondary.operand, sets);
  if (!secondary.primary) return;
  sets.push_back(names(secondary.primary->last));
  if (secondary.primary->group) collect_last(*secondary.primary->group, sets);
}
void collect_last(const Group& group, std::vector<Names>& sets) {
  for (const Alternative& alternative : group.alternatives) {
    sets.push_back(names(alternative.last));
    for (const Item& item : alternative.items)
      if (!item.is_call()) collect_last(*item.secondary, sets);
  }
}
std::vector<Names> last_sets_of(const Rule& rule) {
  std::vector<Names> sets{names(rule.last)};
  if (rule.body) collect_last(*rule.body, sets);
  return sets;
}
bool all_empty(const std::vector<Names>& sets) {
  return std::all_of(sets.begin(), sets.end(), [](const Names& set) { return set.empty(); });
}

// The listing asks the store for one rule's LAST sets at a time. In any
// order of the rules, the store makes those that the whole analysis leaves
// in the model, name for name and in order, and takes them away again; the
// analysis itself leaves none behind. (The order of the names is checked
// against the listing in the golden case ll1_last_rule_order.)
TEST(Ll1Sets, LastSetsMadeRuleByRuleAreThoseOfTheAnalysis) {
  const char* const text =
      "TERMINALS a, b, c, d, sep.\n"
      "RULES\n"
      "  r0 : a r1 | r2 OPTION | { b r3 | c } CLOS.\n"
      "  r1 : b r0 | r3 CHAIN sep | d.\n"
      "  r2 : c { r1 | r3 SEQ } | a.\n"
      "  r3 : d r2 OPTION | r0 b.\n"
      "ROOT r0.\n";
  Analysed whole(text);
  Analysed lazy(text, false);
  RuleList& rules = lazy.declarations.own.rules;
  Ll1Analysis analysis(rules, closure_terminals(lazy.declarations));
  analysis.compute_all(Ll1Analysis::LastSets::OnDemand);
  std::optional<LastSetStore> store = analysis.take_last_sets();
  ASSERT_TRUE(store.has_value());
  for (const auto& rule : rules.rules) EXPECT_TRUE(all_empty(last_sets_of(*rule))) << rule->name;
  for (auto it = rules.rules.rbegin(); it != rules.rules.rend(); ++it) {
    Rule& rule = **it;
    store->fill(rule);
    EXPECT_EQ(last_sets_of(rule), last_sets_of(whole.rule(rule.name))) << rule.name;
    LastSetStore::release(rule);
    EXPECT_TRUE(all_empty(last_sets_of(rule))) << rule.name;
  }
  EXPECT_EQ(name_set(whole.rule("r1").last), (NameSet{"r0", "r1", "r2", "r3", "a", "b", "c", "d"}));
}

// A rule that only one other rule ends with, and that no construct names
// itself, gets that rule's FOLLOW set, name for name and in order: the
// alternatives of stmt, more behind expr, each rule of a chain and of a
// ring behind the rule that enters it. A rule reached through two rules
// (expr) holds what both bring. Rules that end only in one another and
// are reached from nowhere else stay empty.
TEST(Ll1Sets, FollowOfARuleReachedThroughOneRuleIsThatRulesFollow) {
  Analysed g(
      "TERMINALS kw1, kw2, kw3, semi, lb, rb, comma, x, y, z.\n"
      "RULES\n"
      "  program : stmt CLOS tail.\n"
      "  stmt : s1 | s2 | s3.\n"
      "  s1 : kw1 lb stmt CLOS rb.\n"
      "  s2 : kw2 semi.\n"
      "  s3 : kw3 expr.\n"
      "  expr : x more | y.\n"
      "  more : comma expr | .\n"
      "  tail : lb c1 z | rb.\n"
      "  c1 : x c2 | y.\n"
      "  c2 : x c3 | y.\n"
      "  c3 : x ring1 | y.\n"
      "  ring1 : y ring2 | semi.\n"
      "  ring2 : x ring1 | comma.\n"
      "  lost1 : x lost2.\n"
      "  lost2 : y lost1 | z lost3.\n"
      "  lost3 : x.\n"
      "ROOT program.\n");
  const Names stmt = names(g.rule("stmt").follow);
  EXPECT_EQ(name_set(g.rule("stmt").follow), (NameSet{"kw1", "kw2", "kw3", "lb", "rb"}));
  for (const char* name : {"s1", "s2", "s3"}) EXPECT_EQ(names(g.rule(name).follow), stmt) << name;
  EXPECT_EQ(name_set(g.rule("expr").follow), (NameSet{"kw1", "kw2", "kw3", "lb", "rb"}));
  EXPECT_EQ(names(g.rule("more").follow), names(g.rule("expr").follow));
  const Names c1 = names(g.rule("c1").follow);
  EXPECT_EQ(c1, (Names{"z"}));
  for (const char* name : {"c2", "c3", "ring1", "ring2"}) EXPECT_EQ(names(g.rule(name).follow), c1) << name;
  for (const char* name : {"lost1", "lost2", "lost3"}) EXPECT_TRUE(g.rule(name).follow.empty()) << name;
}

// Rules that end with one another (a, b, c) are reached by the same sets
// in the same order, so their FOLLOW sets are the same lists, whichever
// member a set names. A rule behind the cycle (tail) holds what the cycle
// brings and what reaches it on its own (kw2), and a cycle reached from
// nowhere but itself (lost1, lost2) stays empty.
TEST(Ll1Sets, RulesThatEndWithOneAnotherShareTheirFollow) {
  Analysed g(
      "TERMINALS kw1, kw2, lb, rb, semi, comma, x, y, z.\n"
      "RULES\n"
      "  program : a z kw1 tail kw2.\n"
      "  a : x b | y.\n"
      "  b : lb a rb c | comma tail.\n"
      "  c : semi a | x | y b semi.\n"
      "  tail : x | y.\n"
      "  lost1 : x lost2.\n"
      "  lost2 : y lost1.\n"
      "ROOT program.\n");
  const Names a = names(g.rule("a").follow);
  EXPECT_EQ(name_set(g.rule("a").follow), (NameSet{"z", "rb", "semi"}));
  for (const char* name : {"b", "c"}) EXPECT_EQ(names(g.rule(name).follow), a) << name;
  EXPECT_EQ(name_set(g.rule("tail").follow), (NameSet{"z", "rb", "semi", "kw2"}));
  for (const char* name : {"lost1", "lost2"}) EXPECT_TRUE(g.rule(name).follow.empty()) << name;
}

TEST(Ll1Sets, ReleaseKeepsWhatTheGeneratorNeeds) {
  Analysed g(kTextbook);
  release_unlisted_sets(g.declarations.own.rules, false, false, false);
  const Alternative& alternative = g.alternative("e1", 0);
  EXPECT_TRUE(alternative.first.empty());
  EXPECT_TRUE(alternative.follow.empty());
  EXPECT_FALSE(alternative.dirset.empty());
  EXPECT_FALSE(g.item("e1", 0, 0).first.empty());
  EXPECT_FALSE(g.item("e1", 0, 0).follow.empty());
  EXPECT_TRUE(g.item("e1", 0, 0).last.empty());
}

// ---- reduction and termination ----

struct Tested : Analysed {
  explicit Tested(const std::string& text) : Analysed(text, false) {}
  std::string termination() {
    test_termination(diagnostics, declarations.own.rules);
    return screen.text();
  }
};

TEST(Termination, DirectLeftRecursionWithoutExit) {
  EXPECT_NE(Tested("TERMINALS x.\nRULES a : a x.\nROOT a.\n").termination().find(
                "Error: Rule 'a': cannot reduce due to (endless) recursion"),
            std::string::npos);
  EXPECT_EQ(Tested("TERMINALS x, y.\nRULES a : a x | y.\nROOT a.\n").termination().find("cannot reduce"),
            std::string::npos);
}

TEST(Termination, EveryRuleOfAnEndlessCycleIsReportedInListOrder) {
  std::string out = Tested("TERMINALS x.\nRULES a : b c. b : c. c : b.\nROOT a.\n").termination();
  std::size_t a = out.find("Rule 'a': cannot");
  std::size_t b = out.find("Rule 'b': cannot");
  std::size_t c = out.find("Rule 'c': cannot");
  ASSERT_NE(a, std::string::npos);
  ASSERT_NE(b, std::string::npos);
  ASSERT_NE(c, std::string::npos);
  EXPECT_LT(a, b);
  EXPECT_LT(b, c);
  EXPECT_NE(out.find("Rule 'ROOT': cannot"), std::string::npos);
}

TEST(Termination, AnItemBehindAnEndlessOneIsStillTested) {
  // r's second item never terminates; the first walk stops at the first
  // item, so the second one must be looked at when r is tried again.
  std::string out = Tested("TERMINALS x, y.\nRULES r : a b. a : x. b : b y.\nROOT r.\n").termination();
  EXPECT_NE(out.find("Rule 'r': cannot"), std::string::npos);
  EXPECT_NE(out.find("Rule 'b': cannot"), std::string::npos);
  EXPECT_EQ(out.find("Rule 'a': cannot"), std::string::npos);
}

TEST(Reduction, UnreachableRulesAreWarnedAbout) {
  Tested g("TERMINALS x.\nRULES a : x. b : c. c : x.\nROOT a.\n");
  test_reduction(g.diagnostics, g.declarations.own.rules);
  const std::string out = g.screen.text();
  EXPECT_NE(out.find("Warning: Rule 'b': never reduced"), std::string::npos);
  EXPECT_NE(out.find("Warning: Rule 'c': never reduced"), std::string::npos);
  EXPECT_EQ(out.find("Rule 'a': never"), std::string::npos);
  EXPECT_EQ(g.rule("a").reduction, kReduced);
  EXPECT_EQ(g.rule("b").reduction, kNeverReduced);
  EXPECT_EQ(g.diagnostics.error_count(), 0);
}

// ---- reachability of action calls ----

const char* const kReachDeclarations =
    "DEFINITIONS acts.\n"
    "TERMINALS x, y.\n"
    "ACTIONS use(IN v : integer). put(OUT v : integer).\n"
    "ATTRIBUTES v : integer SYN OF b WITH DEFAULT put.\n"
    "  w : integer SYN OF x WITH DEFAULT put.\n";

std::string reachability_of(const std::string& rules) {
  Tested g(std::string(kReachDeclarations) + "RULES\n" + rules + "  b : y.\nROOT r.\n");
  test_reachability(g.diagnostics, g.rule("r"));
  return g.screen.text();
}

TEST(Reachability, CallNamingAnOccurrenceOfAnotherAlternative) {
  std::string out = reachability_of("  r : x use(v of b#1) | b.\n");
  EXPECT_NE(out.find("Error: Rule 'r': b#1 in call 'use' not in reachability set"), std::string::npos) << out;
}

TEST(Reachability, OccurrencesOfTheOwnAlternativeBeforeOrAfterTheCall) {
  EXPECT_EQ(reachability_of("  r : use(v of b#1) b | x.\n").find("reachability"), std::string::npos);
  EXPECT_EQ(reachability_of("  r : b use(v of b#1) | x.\n").find("reachability"), std::string::npos);
}

TEST(Reachability, OptionOperandIsOffThePathBehindIt) {
  EXPECT_NE(reachability_of("  r : b OPTION use(v of b#1) x.\n").find("b#1 in call 'use'"), std::string::npos);
  EXPECT_EQ(reachability_of("  r : { b use(v of b#1) } OPTION x.\n").find("reachability"), std::string::npos);
}

TEST(Reachability, OnlyNonterminalInstancesAreChecked) {
  std::string out = reachability_of("  r : x use(v of b#1) use(w of x#2) | b.\n");
  EXPECT_EQ(out.find("b#1 in call"), out.rfind("b#1 in call"));
  EXPECT_EQ(out.find("x#2"), std::string::npos);
}

}  // namespace
}  // namespace zedra
