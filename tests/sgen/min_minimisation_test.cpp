// The minimisation: groups of equivalent states, their representatives,
// the group fields that redirect transitions, and dead states.
#include <gtest/gtest.h>

#include "dfa_test_support.h"
#include "nfa_test_support.h"
#include "sgen/transitions.h"

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

}  // namespace
}  // namespace zedra
