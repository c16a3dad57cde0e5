#include <gtest/gtest.h>

#include "model/rule_model.h"

namespace zedra {
namespace {

ItemList one_item(const char* name, SecondaryKind op = SecondaryKind::Plain) {
  ItemList items;
  items.push_back(make_secondary(make_name_primary(name, 1), op));
  return items;
}

TEST(RuleModel, SecondaryWrapsItsPrimaryInTheOperator) {
  ItemList items = one_item("X", SecondaryKind::Clos);
  const Secondary& clos = *items[0].secondary;
  EXPECT_EQ(clos.kind, SecondaryKind::Clos);
  EXPECT_EQ(clos.primary, nullptr);
  ASSERT_NE(clos.operand, nullptr);
  EXPECT_EQ(clos.operand->kind, SecondaryKind::Plain);
  EXPECT_EQ(clos.operand->primary->name, "X");
}

TEST(RuleModel, ChainHoldsTheSeparatorAndWrapsTheOperand) {
  ItemList items = one_item("a");
  make_chain(items, make_name_primary("b", 1));
  const Secondary& chain = *items[0].secondary;
  EXPECT_EQ(chain.kind, SecondaryKind::Chain);
  EXPECT_EQ(chain.primary->name, "b");
  EXPECT_EQ(chain.operand->primary->name, "a");
}

TEST(RuleModel, ListIsAChainWithListSeparatorWrappedByTheOperator) {
  ItemList items = one_item("X");
  make_list(items, SecondaryKind::Clos, 1);
  const Secondary& clos = *items[0].secondary;
  EXPECT_EQ(clos.kind, SecondaryKind::Clos);
  EXPECT_EQ(clos.operand->kind, SecondaryKind::Chain);
  EXPECT_EQ(clos.operand->primary->name, "tListSep");
  EXPECT_EQ(clos.operand->operand->primary->name, "X");
}

TEST(RuleModel, PackEnclosesAndWrapsTheRightTerminal) {
  ItemList items = one_item("X");
  make_pack(items, SecondaryKind::Option, 1);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].secondary->primary->name, "tPackLeft");
  EXPECT_EQ(items[1].secondary->primary->name, "X");
  EXPECT_EQ(items[2].secondary->kind, SecondaryKind::Option);
  EXPECT_EQ(items[2].secondary->operand->primary->name, "tPackRight");
}

TEST(RuleModel, PackOfAPackKeepsEveryItem) {
  ItemList items = one_item("X");
  make_pack(items, SecondaryKind::Plain, 1);
  make_pack(items, SecondaryKind::Plain, 1);
  ASSERT_EQ(items.size(), 5u);
  const char* expected[] = {"tPackLeft", "tPackLeft", "X", "tPackRight", "tPackRight"};
  for (std::size_t i = 0; i < items.size(); ++i)
    EXPECT_EQ(items[i].secondary->primary->name, expected[i]) << i;
}

TEST(RuleModel, AttributeInstanceText) {
  EXPECT_EQ(attribute_instance_text("v", "R", 0, "R", false), "v of R");
  EXPECT_EQ(attribute_instance_text("v", "X", 1, "R", false), "v of X");
  EXPECT_EQ(attribute_instance_text("v", "R", 1, "R", false), "v of R#1");
  EXPECT_EQ(attribute_instance_text("v", "X", 2, "R", false), "v of X#2");
  EXPECT_EQ(attribute_instance_text("v", "R", 0, "R", true), "v of R#0");
}

TEST(RuleModel, RuleListFindsByExactName) {
  RuleList rules;
  rules.append("ROOT");
  Rule& expr = rules.append("expr");
  EXPECT_EQ(rules.find("expr"), &expr);
  EXPECT_EQ(rules.find("Expr"), nullptr);
  EXPECT_EQ(rules.rules.front()->name, "ROOT");
}

}  // namespace
}  // namespace zedra
