// The minimisation: groups of equivalent states, their representatives,
// the group fields that redirect transitions, and dead states.
#include <gtest/gtest.h>

#include "dfa_test_support.h"
#include "nfa_test_support.h"
#include "dfa/transitions.h"

namespace zedra {
namespace {

using test::chars_of;
using test::members;
using test::kTilde;
using test::range;

TEST(Minimisation, IdentifierStatesAfterFirstAndFurtherCharactersMerge) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read(
      "CHARSETS letter : ['a'..'z'] . digit : ['0'..'9'] .\n"
      "RULES id : letter {letter + digit} CLOS .\n"));
  run.construct();
  run.minimise();
  EXPECT_EQ(run.errors(), 0);
  EXPECT_EQ(members(run.dfa.representatives), (std::vector<int>{0, 1}));
  EXPECT_EQ(members(run.dfa.unused), std::vector<int>{2});
  EXPECT_EQ(members(run.dfa.minimised), std::vector<int>{1});
  EXPECT_TRUE(run.dfa.dead.empty());
  EXPECT_EQ(run.dfa.mdfa_state_count, 2);
  EXPECT_EQ(members(run.state(2).group), (std::vector<int>{1, 2}));
  EXPECT_EQ(members(run.state(1).group), (std::vector<int>{1, 2}));
  EXPECT_EQ(members(run.dfa.table.accepting), std::vector<int>{1});

  // State 1 moves to itself on letters and digits.
  StateSet successors = run.state(1).follow;
  const std::optional<Transition> transition = take_transition(run.dfa.table, successors);
  ASSERT_TRUE(transition.has_value());
  EXPECT_EQ(transition->target, 1);
  EXPECT_EQ(transition->chars, range('a', 'z') | range('0', '9'));
  EXPECT_FALSE(take_transition(run.dfa.table, successors).has_value());
}

TEST(Minimisation, AcceptingStatesOfOneTerminalWithoutSuccessorsMerge) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read(std::string("SYMBOLS tOp : + | - .\n") + kTilde)) << run.reports();
  run.construct();
  run.minimise();
  EXPECT_EQ(members(run.dfa.representatives), (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(members(run.dfa.unused), std::vector<int>{2});
  // The representative lists the literals of the merged state after its own.
  EXPECT_EQ(run.state(1).literals, (std::vector<std::string>{"+", "-"}));
  EXPECT_EQ(members(run.dfa.table.starts), (std::vector<int>{1, 3}));

  StateSet successors = run.state(0).follow;
  const std::optional<Transition> transition = take_transition(run.dfa.table, successors);
  ASSERT_TRUE(transition.has_value());
  EXPECT_EQ(transition->target, 1);
  EXPECT_EQ(transition->chars, chars_of("+-"));
}

TEST(Minimisation, AcceptingStatesOfDifferentTerminalsStayApart) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read(std::string("SYMBOLS tPlus : + . tMinus : - . tLt : < . tLe : <= .\n") + kTilde)) << run.reports();
  run.construct();
  run.minimise();
  EXPECT_EQ(run.errors(), 0);
  EXPECT_EQ(run.dfa.mdfa_state_count, run.dfa.dfa_state_count);
  EXPECT_TRUE(run.dfa.unused.empty());
  EXPECT_TRUE(run.dfa.minimised.empty());
}

// A DFA built by hand: state 1 is entered on 'a' and can only loop.
class DeadStateTest : public ::testing::Test {
 protected:
  void add_state(const std::string& chars, std::initializer_list<int> follow, const Terminal* terminal) {
    AutomatonState& state = *run_.dfa.table.add();
    state.chars = chars_of(chars);
    for (int n : follow) state.follow.insert(n);
    state.terminal = terminal;
  }
  void finish(int states) {
    run_.dfa.table.add();  // the extra empty state
    run_.dfa.dfa_state_count = states;
    run_.dfa.table.starts = run_.state(0).follow;
    for (int n = 0; n < states; ++n)
      if (run_.state(n).terminal) run_.dfa.table.accepting.insert(n);
    run_.minimise();
  }

  test::AutomatonRun run_;
  Terminal accepted_;
};

TEST_F(DeadStateTest, LoopingStateIsRemovedWithTheTransitionsIntoIt) {
  add_state("", {1, 2}, nullptr);
  add_state("a", {1}, nullptr);
  add_state("b", {}, &accepted_);
  finish(3);
  EXPECT_EQ(members(run_.dfa.dead), std::vector<int>{1});
  EXPECT_EQ(members(run_.dfa.representatives), (std::vector<int>{0, 2}));
  EXPECT_EQ(run_.dfa.mdfa_state_count, 2);
  EXPECT_EQ(members(run_.state(0).follow), std::vector<int>{2});
  EXPECT_EQ(members(run_.dfa.table.starts), std::vector<int>{2});
}

// States 1 and 2 are equivalent loops: 1 represents both and dies, and the
// transition into 2, which would lead to 1, disappears as well.
TEST_F(DeadStateTest, TransitionsIntoMembersOfADeadGroupDisappear) {
  add_state("", {1, 2, 3}, nullptr);
  add_state("a", {1}, nullptr);
  add_state("a", {2}, nullptr);
  add_state("b", {}, &accepted_);
  finish(4);
  EXPECT_EQ(members(run_.dfa.unused), std::vector<int>{2});
  EXPECT_EQ(members(run_.dfa.dead), std::vector<int>{1});
  EXPECT_EQ(members(run_.state(0).follow), std::vector<int>{3});
  EXPECT_EQ(run_.dfa.mdfa_state_count, 2);
}

// The group table holds the groups 1 to 255. The subset construction never
// hands more than 255 states to the minimisation (a 256th subset leaves no
// number for the extra empty state, and that error stops the run), so only
// a DFA built by hand needs a 256th group: state 0 leads to states that
// each accept a terminal of their own.
class GroupLimitTest : public ::testing::Test {
 protected:
  void minimise_distinct_states(int states) {
    std::vector<Terminal> terminals(static_cast<std::size_t>(states));
    AutomatonState& start = *run_.dfa.table.add();
    for (int n = 1; n < states; ++n) {
      AutomatonState& state = *run_.dfa.table.add();
      state.chars.insert(n % 128);
      state.terminal = &terminals[static_cast<std::size_t>(n)];
      start.follow.insert(n);
      run_.dfa.table.accepting.insert(n);
    }
    run_.dfa.table.add();  // the extra empty state, when there is room
    run_.dfa.dfa_state_count = states;
    run_.dfa.table.starts = start.follow;
    run_.minimise();
  }

  test::AutomatonRun run_;
};

TEST_F(GroupLimitTest, TwoHundredFiftyFiveGroupsFit) {
  minimise_distinct_states(255);
  EXPECT_EQ(run_.errors(), 0) << run_.reports();
  EXPECT_EQ(run_.dfa.mdfa_state_count, 255);
}

// A class that finds no room stays in the group it was to leave, so no
// state drops out of the partition; every failed creation is reported.
TEST_F(GroupLimitTest, AGroupBeyondNumber255IsMessage70) {
  minimise_distinct_states(256);
  const std::string line = "test.inp:1: Error: More than 255 groups, cannot continue\n";
  const std::string reports = run_.reports();
  ASSERT_GE(run_.errors(), 1);
  EXPECT_EQ(reports.size(), line.size() * static_cast<std::size_t>(run_.errors()));
  for (std::size_t at = 0; at < reports.size(); at += line.size())
    EXPECT_EQ(reports.substr(at, line.size()), line);
  EXPECT_EQ(run_.dfa.mdfa_state_count, 255);
  StateSet partitioned = run_.dfa.representatives | run_.dfa.unused | run_.dfa.dead;
  EXPECT_EQ(partitioned, range(0, 255));
}

}  // namespace
}  // namespace zedra
