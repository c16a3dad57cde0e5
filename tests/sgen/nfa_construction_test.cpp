// The position automaton built for the expressions of scanner rules and for
// the literal paths of SYMBOLS representations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics.h"
#include "model/character_sets.h"
#include "model/terminals.h"
#include "nfa/nfa_construction.h"
#include "tests/common/test_support.h"
#include "nfa_test_support.h"

namespace zedra {
namespace {

using test::members;

StateSet chars(int low, int high) {
  StateSet set;
  set.insert_range(low, high);
  return set;
}

class NfaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    diagnostics_.set_file_name("test.inp");
    diagnostics_.set_line(1);
    nfa_.init();
  }

  // A primary of a one-range character set, with its postfix operator.
  Fragment set_primary(int low, int high, PostfixOperator op = kPostfixNone) {
    Fragment fragment = nfa_.charset_primary(chars(low, high));
    nfa_.postfix(fragment, op);
    return fragment;
  }
  // The sequence of the given factors.
  Fragment sequence(std::vector<Fragment> factors) {
    Fragment result = factors.front();
    for (std::size_t i = 1; i < factors.size(); ++i) nfa_.sequence(result, factors[i]);
    return result;
  }
  const AutomatonState& state(int n) { return *nfa_.table().state(n); }
  std::string screen() { return screen_.text(); }

  test::CapturedStream screen_;
  Diagnostics diagnostics_{screen_.get()};
  Nfa nfa_{diagnostics_};
  Terminal first_terminal_;
  Terminal second_terminal_;
};

TEST_F(NfaTest, InitialStateAndSpare) {
  EXPECT_EQ(nfa_.table().highest(), 1);
  EXPECT_TRUE(state(0).chars.empty());
  EXPECT_TRUE(state(1).chars.empty());
  EXPECT_EQ(members(state(1).group), std::vector<int>{1});
  EXPECT_TRUE(nfa_.table().starts.empty());
  EXPECT_TRUE(nfa_.table().accepting.empty());
  EXPECT_EQ(nfa_.state_count(), 1);
}

TEST_F(NfaTest, ClosureOfAGroupUsesOneStateThatFollowsItself) {
  nfa_.rule_start();
  Fragment letter = set_primary('a', 'z');  // { letter }: the group is its inner fragment
  nfa_.postfix(letter, kPostfixClos);
  nfa_.rule_end(letter, &first_terminal_);
  EXPECT_EQ(nfa_.table().highest(), 2);  // state 1 and the new spare 2
  EXPECT_EQ(members(state(1).follow), std::vector<int>{1});
  EXPECT_EQ(state(1).terminal, &first_terminal_);
  EXPECT_EQ(members(nfa_.table().accepting), std::vector<int>{1});
  // The rule is nullable: the end marker stays among the start states,
  // where no state carries its number.
  EXPECT_EQ(members(nfa_.table().starts), (std::vector<int>{1, Nfa::kEndMarker}));
  EXPECT_EQ(members(state(0).follow), (std::vector<int>{1, Nfa::kEndMarker}));
  EXPECT_EQ(nfa_.table().state(Nfa::kEndMarker), nullptr);
}

TEST_F(NfaTest, SeqLinksWithoutNullableOptionOnlyNullable) {
  nfa_.rule_start();
  Fragment digits = set_primary('0', '9', kPostfixSeq);
  EXPECT_FALSE(digits.nullable);
  nfa_.rule_end(digits, &first_terminal_);
  EXPECT_EQ(members(state(1).follow), std::vector<int>{1});
  EXPECT_EQ(members(nfa_.table().starts), std::vector<int>{1});

  nfa_.rule_start();
  Fragment optional = set_primary('0', '9', kPostfixOption);
  EXPECT_TRUE(optional.nullable);
  nfa_.rule_end(optional, &second_terminal_);
  EXPECT_TRUE(state(2).follow.empty());
  EXPECT_EQ(state(2).terminal, &second_terminal_);
  EXPECT_EQ(members(nfa_.table().starts), (std::vector<int>{1, 2, Nfa::kEndMarker}));
}

TEST_F(NfaTest, OptionalMiddleFactorIsSkippable) {
  // a b OPTION c
  nfa_.rule_start();
  Fragment rule = sequence({set_primary('a', 'a'), set_primary('b', 'b', kPostfixOption),
                            set_primary('c', 'c')});
  nfa_.rule_end(rule, &first_terminal_);
  EXPECT_EQ(members(state(1).follow), (std::vector<int>{2, 3}));
  EXPECT_EQ(members(state(2).follow), std::vector<int>{3});
  EXPECT_TRUE(state(3).follow.empty());
  EXPECT_EQ(members(nfa_.table().accepting), std::vector<int>{3});
  EXPECT_EQ(members(nfa_.table().starts), std::vector<int>{1});
}

TEST_F(NfaTest, NullableHeadAddsFirstsOfTheNextFactor) {
  // x CLOS y: both can begin the rule; only y's state accepts.
  nfa_.rule_start();
  Fragment rule = sequence({set_primary('x', 'x', kPostfixClos), set_primary('y', 'y')});
  nfa_.rule_end(rule, &first_terminal_);
  EXPECT_EQ(members(nfa_.table().starts), (std::vector<int>{1, 2}));
  EXPECT_EQ(members(state(1).follow), (std::vector<int>{1, 2}));
  EXPECT_EQ(members(nfa_.table().accepting), std::vector<int>{2});
}

TEST_F(NfaTest, NullableTailKeepsEarlierLasts) {
  // x y OPTION: the rule may end after x or after y.
  nfa_.rule_start();
  Fragment rule = sequence({set_primary('x', 'x'), set_primary('y', 'y', kPostfixOption)});
  nfa_.rule_end(rule, &first_terminal_);
  EXPECT_EQ(members(nfa_.table().accepting), (std::vector<int>{1, 2}));
  EXPECT_EQ(state(1).terminal, &first_terminal_);
  EXPECT_EQ(members(state(1).follow), std::vector<int>{2});
}

TEST_F(NfaTest, AlternativesUniteFirstsAndLasts) {
  // { a b | c } SEQ
  nfa_.rule_start();
  Fragment left = sequence({set_primary('a', 'a'), set_primary('b', 'b')});
  Fragment right = set_primary('c', 'c');
  nfa_.alternative(left, right);
  nfa_.postfix(left, kPostfixSeq);
  nfa_.rule_end(left, &first_terminal_);
  EXPECT_EQ(members(nfa_.table().starts), (std::vector<int>{1, 3}));
  EXPECT_EQ(members(state(2).follow), (std::vector<int>{1, 3}));
  EXPECT_EQ(members(state(3).follow), (std::vector<int>{1, 3}));
  EXPECT_EQ(members(nfa_.table().accepting), (std::vector<int>{2, 3}));
}

TEST_F(NfaTest, StringPrimaryChainsItsCharacters) {
  nfa_.rule_start();
  Fragment word = nfa_.string_primary("kw", std::string("end"));
  EXPECT_EQ(members(word.firsts), std::vector<int>{1});
  EXPECT_EQ(members(word.lasts), std::vector<int>{3});
  EXPECT_EQ(members(state(1).chars), std::vector<int>{'e'});
  EXPECT_EQ(members(state(1).follow), std::vector<int>{2});
  EXPECT_EQ(members(state(2).follow), std::vector<int>{3});
  EXPECT_EQ(members(state(3).chars), std::vector<int>{'d'});
  EXPECT_EQ(nfa_.table().highest(), 4);
}

TEST_F(NfaTest, StringWithoutTextHasNoRightHandSide) {
  nfa_.rule_start();
  Fragment missing = nfa_.string_primary("s", std::nullopt);
  Fragment empty = nfa_.string_primary("e", std::string());
  EXPECT_TRUE(missing.firsts.empty());
  EXPECT_TRUE(empty.lasts.empty());
  EXPECT_EQ(nfa_.table().highest(), 1);  // no state was used
  EXPECT_EQ(diagnostics_.error_count(), 2);
  EXPECT_EQ(screen(),
            "test.inp:1: Error: Scanner string 's': right-hand side not specified\n"
            "test.inp:1: Error: Scanner string 'e': right-hand side not specified\n");
}

TEST_F(NfaTest, LiteralPathAcceptsAtItsLastState) {
  nfa_.literal(":=", &first_terminal_);
  EXPECT_EQ(members(nfa_.table().starts), std::vector<int>{1});
  EXPECT_EQ(members(state(0).follow), std::vector<int>{1});
  EXPECT_EQ(members(state(1).follow), std::vector<int>{2});
  EXPECT_EQ(state(1).terminal, nullptr);
  EXPECT_EQ(state(2).terminal, &first_terminal_);
  EXPECT_EQ(state(2).literals, std::vector<std::string>{":="});
  EXPECT_EQ(members(nfa_.table().accepting), std::vector<int>{2});
  EXPECT_EQ(nfa_.table().highest(), 3);
}

TEST_F(NfaTest, RuleEndMarksOnlyTheStatesOfItsRule) {
  nfa_.literal("x", &first_terminal_);
  nfa_.rule_start();
  Fragment rule = set_primary('a', 'z');
  nfa_.rule_end(rule, &second_terminal_);
  EXPECT_EQ(state(1).terminal, &first_terminal_);
  EXPECT_EQ(state(2).terminal, &second_terminal_);
  EXPECT_EQ(members(nfa_.table().starts), (std::vector<int>{1, 2}));
}

TEST_F(NfaTest, CharacterSetExpressionsLeftToRight) {
  std::string letter_name = "letter", vowel_name = "vowel", digit_name = "digit", empty_name = "none";
  CharacterSet letter{&letter_name, {{'a', 'z'}, {'A', 'Z'}}};
  CharacterSet vowel{&vowel_name, {{'a', 'a'}, {'e', 'e'}, {'i', 'i'}, {'o', 'o'}, {'u', 'u'}}};
  CharacterSet digit{&digit_name, {{'0', '9'}, {'9', '0'}}};  // the second range adds nothing
  StateSet value;
  ASSERT_TRUE(nfa_.charset_expression(letter, kSetFirst, value));
  ASSERT_TRUE(nfa_.charset_expression(vowel, kSetDifference, value));
  EXPECT_EQ(value.size(), 47);
  ASSERT_TRUE(nfa_.charset_expression(digit, kSetUnion, value));
  EXPECT_EQ(value.size(), 57);
  ASSERT_TRUE(nfa_.charset_expression(digit, kSetIntersection, value));
  EXPECT_EQ(value, chars('0', '9'));

  CharacterSet none{&empty_name, {}};
  EXPECT_FALSE(nfa_.charset_expression(none, kSetUnion, value));
  EXPECT_EQ(screen(), "test.inp:1: Error: Character set 'none': no range specified\n");
}

TEST_F(NfaTest, TableStopsBeforeTheEndMarkerNumber) {
  // States 1 .. 253 are filled and 254 is the spare; the next character
  // would need state 255, which is the end marker.
  nfa_.rule_start();
  Fragment rule = nfa_.string_primary("long", std::string(253, 'a'));
  nfa_.rule_end(rule, &first_terminal_);
  EXPECT_EQ(nfa_.table().highest(), 254);
  EXPECT_EQ(diagnostics_.error_count(), 0);

  nfa_.literal("xy", &second_terminal_);
  EXPECT_EQ(nfa_.table().highest(), 254);
  EXPECT_EQ(diagnostics_.error_count(), 2);  // one per missing state
  EXPECT_EQ(screen().find("test.inp:1: Error: More than 255 states, cannot continue\n"), 0u);
  EXPECT_EQ(nfa_.table().state(Nfa::kEndMarker), nullptr);
  // The first character went into the last state, which accepts it; the
  // end marker never became a state number.
  EXPECT_EQ(state(254).terminal, &second_terminal_);
  EXPECT_EQ(members(state(253).follow), std::vector<int>{});
  EXPECT_FALSE(nfa_.table().accepting.contains(Nfa::kEndMarker));
}

}  // namespace
}  // namespace zedra
