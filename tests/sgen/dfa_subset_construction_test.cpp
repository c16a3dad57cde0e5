// The subset construction on specifications with known automata: the
// subsets found, the characters that lead into them, the terminals they
// accept and the transition conflicts between terminals.
#include <gtest/gtest.h>

#include "dfa_test_support.h"
#include "nfa_test_support.h"

namespace zedra {
namespace {

using test::chars_of;
using test::members;
using test::kTilde;
using test::range;

const char* const kLetters = "CHARSETS letter : ['a'..'z'] . digit : ['0'..'9'] .\n";

TEST(SubsetConstruction, SingleCharacterRuleGivesTwoSubsetsAndAnEmptyState) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read("CHARSETS x : ['x'] .\nRULES a : x .\n")) << run.reports();
  run.construct();
  EXPECT_EQ(run.errors(), 0);
  EXPECT_EQ(run.dfa.nfa_state_count, 2);
  EXPECT_EQ(run.dfa.dfa_state_count, 2);
  ASSERT_EQ(run.dfa.table.highest(), 2);
  EXPECT_EQ(members(run.dfa.table.starts), std::vector<int>{1});
  EXPECT_EQ(members(run.dfa.table.accepting), std::vector<int>{1});
  EXPECT_EQ(run.state(1).chars, chars_of("x"));
  EXPECT_EQ(run.terminal_of(1), "a");
  EXPECT_TRUE(run.state(2).follow.empty());
  EXPECT_TRUE(run.state(2).chars.empty());
  // The NFA is released once the DFA stands.
  EXPECT_EQ(run.nfa.table().highest(), -1);
}

TEST(SubsetConstruction, IdentifierRuleHasStatesAfterFirstAndFurtherCharacters) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read(std::string(kLetters) + "RULES id : letter {letter + digit} CLOS .\n"));
  run.construct();
  EXPECT_EQ(run.errors(), 0);
  EXPECT_EQ(run.dfa.dfa_state_count, 3);
  EXPECT_EQ(members(run.state(0).follow), std::vector<int>{1});
  EXPECT_EQ(members(run.state(1).follow), std::vector<int>{2});
  EXPECT_EQ(members(run.state(2).follow), std::vector<int>{2});
  EXPECT_EQ(run.state(1).chars, range('a', 'z'));
  EXPECT_EQ(run.state(2).chars, range('a', 'z') | range('0', '9'));
  EXPECT_EQ(members(run.dfa.table.accepting), (std::vector<int>{1, 2}));
}

// After x the characters a and b lead to the same NFA state and share one
// DFA state; after y they lead to different NFA states. The NFA state of ab
// entered on a alone is a DFA state of its own.
TEST(SubsetConstruction, CharactersAreGroupedByTheirTargetsAndInputCharacters) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read(
      "CHARSETS x : ['x'] . y : ['y'] . ab : ['a'..'b'] . bc : ['b'..'c'] .\n"
      "RULES r : {x | y bc OPTION} ab .\n"))
      << run.reports();
  run.construct();
  EXPECT_EQ(run.errors(), 0);
  ASSERT_EQ(run.dfa.dfa_state_count, 7);
  EXPECT_EQ(members(run.state(0).follow), (std::vector<int>{1, 2}));
  EXPECT_EQ(members(run.state(1).follow), std::vector<int>{3});
  EXPECT_EQ(members(run.state(2).follow), (std::vector<int>{4, 5, 6}));
  EXPECT_EQ(run.state(3).chars, chars_of("ab"));
  EXPECT_EQ(run.state(4).chars, chars_of("a"));
  EXPECT_EQ(run.state(5).chars, chars_of("b"));
  EXPECT_EQ(run.state(6).chars, chars_of("c"));
  EXPECT_EQ(members(run.dfa.table.accepting), (std::vector<int>{3, 4, 5}));
}

TEST(SubsetConstruction, LiteralsWithSharedPrefixesDoNotConflict) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read(std::string("SYMBOLS tLt : < . tLe : <= . tNe : <> .\n") + kTilde)) << run.reports();
  run.construct();
  EXPECT_EQ(run.errors(), 0) << run.reports();
  EXPECT_EQ(run.terminal_of(1), "tLt");
  EXPECT_EQ(run.state(1).literals, std::vector<std::string>{"<"});
  EXPECT_EQ(run.terminal_of(2), "tTilde");
  EXPECT_EQ(members(run.state(1).follow), (std::vector<int>{3, 4}));
  EXPECT_EQ(run.terminal_of(3), "tLe");
  EXPECT_EQ(run.terminal_of(4), "tNe");
}

TEST(SubsetConstruction, LiteralAgainstIdentifierRuleIsATransitionConflict) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read(std::string("SYMBOLS tIf : if .\n") + kLetters + "RULES ident : letter SEQ .\n"));
  run.construct();
  EXPECT_EQ(run.errors(), 1);
  EXPECT_NE(run.reports().find("Error: Transition conflict detected during DFA construction"), std::string::npos);
}

TEST(SubsetConstruction, TwoEqualRulesConflict) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read(std::string(kLetters) + "RULES first : letter SEQ . second : letter SEQ .\n"));
  run.construct();
  EXPECT_GE(run.errors(), 1);
}

TEST(SubsetConstruction, EarlierTerminalWinsWhenCharacterSetsAreIncomparable) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read(
      "CHARSETS ab : ['a'..'b'] . bc : ['b'..'c'] .\n"
      "RULES first : ab . second : bc .\n"));
  run.construct();
  EXPECT_EQ(run.errors(), 0) << run.reports();
  // On b both rules end in one subset: the first declared terminal wins.
  std::vector<std::string> accepted;
  for (int n = 1; n < run.dfa.dfa_state_count; ++n) accepted.push_back(run.terminal_of(n));
  EXPECT_EQ(accepted, (std::vector<std::string>{"first", "first", "second"}));
}

TEST(SubsetConstruction, NullableRuleIsAcceptedOnlyAfterACharacter) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read("CHARSETS x : ['x'] .\nRULES xs : x CLOS .\n"));
  run.construct();
  EXPECT_EQ(run.errors(), 0);
  EXPECT_FALSE(run.dfa.table.accepting.contains(0));
  EXPECT_EQ(members(run.dfa.table.accepting), std::vector<int>{1});
  // Further characters lead back into the subset of the first one.
  EXPECT_EQ(members(run.state(1).follow), std::vector<int>{1});
}

}  // namespace
}  // namespace zedra
