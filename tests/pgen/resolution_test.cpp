#include <gtest/gtest.h>

#include "analysis/occurrence_hint.h"
#include "pgen_test_support.h"

namespace zedra {
namespace {

const Primary& primary_of(const Item& item) {
  const Secondary* secondary = item.secondary.get();
  while (!secondary->primary) secondary = secondary->operand.get();
  return *secondary->primary;
}

TEST(Resolution, OccurrencesAreNumberedPerSymbolWithChainSeparatorsFirst) {
  test::FrontEnd front;
  ASSERT_EQ(front.read_and_resolve("TERMINALS a, b.\n"
                                   "RULES r : a CHAIN a b { r | a } r.\n"
                                   "ROOT r.\n"),
            kReadAccepted);
  EXPECT_EQ(front.diagnostics.error_count(), 0);
  const Alternative& alternative = front.rule("r").body->alternatives[0];
  const Secondary& chain = *alternative.items[0].secondary;
  EXPECT_EQ(chain.primary->number, 1);           // the separator a
  EXPECT_EQ(chain.operand->primary->number, 2);  // the operand a
  EXPECT_EQ(primary_of(alternative.items[1]).kind, PrimaryKind::Terminal);
  const Primary& group = primary_of(alternative.items[2]);
  EXPECT_EQ(group.kind, PrimaryKind::Group);
  const Primary& inner_rule = primary_of(group.group->alternatives[0].items[0]);
  EXPECT_EQ(inner_rule.kind, PrimaryKind::Nonterminal);
  EXPECT_EQ(inner_rule.number, 1);
  EXPECT_EQ(primary_of(group.group->alternatives[1].items[0]).number, 3);
  EXPECT_EQ(primary_of(alternative.items[3]).number, 2);
}

TEST(Resolution, RootBodyEndsWithEndOfFile) {
  test::FrontEnd front;
  ASSERT_EQ(front.read_and_resolve("DEFINITIONS m.\nTERMINALS a.\nACTIONS f().\n"
                                   "RULES r : a.\nROOT f() r f().\n"),
            kReadAccepted);
  const Rule& root = front.rule("ROOT");
  EXPECT_EQ(root.start, "r");
  const ItemList& items = root.body->alternatives.at(0).items;
  ASSERT_EQ(items.size(), 4u);
  EXPECT_TRUE(items[0].is_call());
  EXPECT_EQ(primary_of(items[1]).kind, PrimaryKind::Nonterminal);
  EXPECT_TRUE(items[2].is_call());
  EXPECT_EQ(primary_of(items[3]).name, "i_EndOfFile");
  EXPECT_EQ(primary_of(items[3]).number, 1);
}

TEST(Resolution, ArgumentsBindInTheStatedOrder) {
  test::FrontEnd front;
  ASSERT_EQ(front.read_and_resolve(
                "DEFINITIONS m.\nTERMINALS a.\nTYPES colour = (red, green).\n"
                "CONSTANTS both : integer.\n"
                "ACTIONS f(IN i : integer; IN c : colour; OUT s : integer; IN l : char).\n"
                "ATTRIBUTES g : integer GLOBAL. v : integer SYN OF r, a.\n"
                "RULES r (LOCAL both : colour; loc : integer) :\n"
                "  a f(both, green, v OF r, 'x') f(g, red, v OF a, 7) f(loc, red, v OF r#1, \"s\") r.\n"
                "ROOT r.\n"),
            kReadAccepted);
  EXPECT_EQ(front.diagnostics.error_count(), 0) << front.screen.text();
  const ItemList& items = front.rule("r").body->alternatives[0].items;
  const auto& first = items[1].call->arguments;
  EXPECT_EQ(first[0].kind, ArgumentKind::Constant);
  EXPECT_EQ(first[1].kind, ArgumentKind::TypeValue);
  EXPECT_EQ(first[2].kind, ArgumentKind::Attribute);
  EXPECT_EQ(first[2].number, 0);
  EXPECT_EQ(first[2].rule, &front.rule("r"));
  EXPECT_EQ(first[3].kind, ArgumentKind::Literal);
  const auto& second = items[2].call->arguments;
  EXPECT_EQ(second[0].kind, ArgumentKind::Attribute);
  EXPECT_EQ(second[0].attribute->name->c_str(), std::string("g"));
  EXPECT_EQ(second[2].number, 1);
  EXPECT_EQ(second[2].rule, nullptr);
  const auto& third = items[3].call->arguments;
  EXPECT_EQ(third[0].kind, ArgumentKind::Local);
  EXPECT_EQ(third[2].number, 1);
  EXPECT_EQ(third[2].formal, &items[3].call->action->formals[2]);
}

TEST(Resolution, DroppedRuleKeepsTheBodyOfTheRuleBefore) {
  test::FrontEnd front;
  ASSERT_EQ(front.read("TERMINALS a, b.\nRULES r : a. r (LOCAL x : integer) : b b.\n"), kReadAccepted);
  EXPECT_EQ(front.diagnostics.error_count(), 1);
  const Rule& rule = front.rule("r");
  EXPECT_TRUE(rule.locals.empty());
  ASSERT_EQ(rule.body->alternatives[0].items.size(), 1u);
  EXPECT_EQ(primary_of(rule.body->alternatives[0].items[0]).name, "a");
  EXPECT_EQ(front.declarations.own.rules.rules.size(), 2u);
}

TEST(Resolution, SecondRootClauseIsDropped) {
  test::FrontEnd front;
  ASSERT_EQ(front.read("RULES r : . s : .\nROOT r.\nROOT s.\n"), kReadAccepted);
  EXPECT_EQ(front.rule("ROOT").start, "r");
  EXPECT_EQ(front.screen.text(), "test.inp:3: Error: Multiple root specification\n");
}

TEST(Reader, StackOverflowGivesItsOwnResult) {
  test::FrontEnd front;
  std::string deep = "RULES r : " + std::string(6000, '{');
  EXPECT_EQ(front.read(deep), kReadStackOverflow);
  EXPECT_EQ(front.diagnostics.error_count(), 1);
}

TEST(Reader, EmptyAlternativesAndNestedGroups) {
  test::FrontEnd front;
  ASSERT_EQ(front.read("RULES r : | { a | } OPTION | .\n"), kReadAccepted);
  const Group& body = *front.rule("r").body;
  ASSERT_EQ(body.alternatives.size(), 3u);
  EXPECT_TRUE(body.alternatives[0].items.empty());
  EXPECT_TRUE(body.alternatives[2].items.empty());
  const Secondary& option = *body.alternatives[1].items[0].secondary;
  EXPECT_EQ(option.kind, SecondaryKind::Option);
  EXPECT_EQ(option.operand->primary->group->alternatives.size(), 2u);
}

TEST(Reader, GroupAsChainSeparator) {
  test::FrontEnd front;
  ASSERT_EQ(front.read("RULES r : x CHAIN { y | z } LIST SEQ w.\n"), kReadAccepted);
  const ItemList& items = front.rule("r").body->alternatives[0].items;
  ASSERT_EQ(items.size(), 2u);
  const Secondary& seq = *items[0].secondary;
  EXPECT_EQ(seq.kind, SecondaryKind::Seq);
  const Secondary& list = *seq.operand;
  EXPECT_EQ(list.primary->name, "tListSep");
  const Secondary& chain = *list.operand;
  EXPECT_EQ(chain.kind, SecondaryKind::Chain);
  EXPECT_EQ(chain.primary->group->alternatives.size(), 2u);
  EXPECT_EQ(chain.operand->primary->name, "x");
}

TEST(Resolution, OccurrenceCountReachesIntoGroupsSeparatorsAndOperands) {
  test::FrontEnd front;
  ASSERT_EQ(front.read_and_resolve("TERMINALS a, b.\n"
                                   "RULES r : a CHAIN a b { r | a } OPTION | { a } SEQ.\n"
                                   "ROOT r.\n"),
            kReadAccepted);
  const Group& body = *front.rule("r").body;
  EXPECT_EQ(occurrence_count(body, "a"), 4);
  EXPECT_EQ(occurrence_count(body, "b"), 1);
  EXPECT_EQ(occurrence_count(body, "r"), 1);
  EXPECT_EQ(occurrence_count(body, "c"), 0);
}

// The line under a parse error, on the screen behind the error itself.
std::string parse_error_hint(const std::string& text) {
  test::FrontEnd front;
  EXPECT_EQ(front.read(text), kReadFailed) << text;
  const std::string screen = front.screen.text();
  const std::size_t error = screen.find("parse error");
  const std::size_t line_end = screen.find('\n', error);
  return error == std::string::npos || line_end == std::string::npos ? "" : screen.substr(line_end + 1);
}

TEST(Reader, ParseErrorNamesTheFewTokensExpected) {
  EXPECT_EQ(parse_error_hint("ACTIONS a() b()."), "  (expected '.')\n");
  EXPECT_EQ(parse_error_hint("TERMINALS a b."), "  (expected ',' or '.')\n");
  EXPECT_EQ(parse_error_hint("ATTRIBUTES v : integer OF r."), "  (expected GLOBAL, INH or SYN)\n");
  EXPECT_EQ(parse_error_hint("RULES r : a f("), "  (expected ')', a number, a string or a name)\n");
  EXPECT_EQ(parse_error_hint("RULES r : { a f() ."), "  (expected a name, '{', '|' or '}')\n");
  EXPECT_EQ(parse_error_hint("RULES r : a f() }"), "  (expected a name, '{', '|' or '.')\n");
  // After a name in a rule body a dozen tokens may follow: no list.
  EXPECT_EQ(parse_error_hint("RULES r : a ;"), "");
}

TEST(Reader, ParseErrorExplainsLikelyCauses) {
  EXPECT_EQ(parse_error_hint("TERMINALS a. rules r : a."), "  ('rules' is a name: the keyword is written RULES)\n");
  EXPECT_EQ(parse_error_hint("TYPES t. rules r : a."),
            "  ('rules' before it is a name: the keyword is written RULES)\n");
  EXPECT_EQ(parse_error_hint("RULES r : a\n s : a."),
            "  (a ':' after a name begins a rule: the rule before it may lack its closing '.')\n");
  EXPECT_EQ(parse_error_hint("RULES r : 'x' ."),
            "  (a rule writes a terminal by its name, as TERMINALS or the scanner declare it, not by its text)\n");
  // A string is an argument; two in a row are a plain parse error.
  EXPECT_EQ(parse_error_hint("RULES r : f('a' 'b')."), "  (expected ',' or ')')\n");
  // The ':' right after an action's name is no missing '.'.
  EXPECT_EQ(parse_error_hint("ACTIONS f : integer."), "  (expected '(')\n");
}

}  // namespace
}  // namespace zedra
