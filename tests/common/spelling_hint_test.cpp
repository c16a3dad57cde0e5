// The hints under undefined names: which candidate counts as meant, and
// the limit of hints per run.
#include "spelling_hint.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "scpatype.h"
#include "symtab.h"
#include "test_support.h"

namespace zedra {
namespace {

const std::vector<std::string_view> kNames = {"program", "statement", "tIdent", "tNumber",
                                              "tDot", "x", "ab"};

TEST(SpellingHint, OneEditForEveryThreeCharactersTwoAtMost) {
  EXPECT_EQ(closest_name("tIdnet", kNames), "tIdent");     // neighbours swapped
  EXPECT_EQ(closest_name("tNumbr", kNames), "tNumber");    // a letter left out
  EXPECT_EQ(closest_name("tNumberr", kNames), "tNumber");  // a letter added
  EXPECT_EQ(closest_name("statmnet", kNames), "statement");
  EXPECT_EQ(closest_name("tNumbxx", kNames), "tNumber");   // two changed in seven letters
  EXPECT_EQ(closest_name("tDxx", kNames), "");             // two changed in four letters
  EXPECT_EQ(closest_name("tDox", kNames), "tDot");         // one in four
  EXPECT_EQ(closest_name("prgrm", kNames), "");            // two left out of five
  EXPECT_EQ(closest_name("tSomething", kNames), "");
}

TEST(SpellingHint, CaseIsNoEditButShortNamesTakeNothingElse) {
  EXPECT_EQ(closest_name("TIDENT", kNames), "tIdent");
  EXPECT_EQ(closest_name("X", kNames), "x");
  EXPECT_EQ(closest_name("AB", kNames), "ab");
  EXPECT_EQ(closest_name("y", kNames), "");
  EXPECT_EQ(closest_name("ac", kNames), "");
  EXPECT_EQ(closest_name("", kNames), "");
}

TEST(SpellingHint, FewestEditsWinThenTheFirstCandidate) {
  EXPECT_EQ(closest_name("tokenA", {"tokenB", "tokenC", "TOKENa"}), "TOKENa");
  EXPECT_EQ(closest_name("tokenA", {"tokenB", "tokenC"}), "tokenB");
  EXPECT_EQ(closest_name("tokenA", {"tokenC", "tokenB"}), "tokenC");
  EXPECT_EQ(closest_name("same", {"same"}), "");  // an undefined name is never its own hint
}

TEST(SpellingHint, ARunGivesAtMostItsLimitOfHints) {
  SpellingHints hints(2);
  EXPECT_EQ(hints.suggest("tIdnet", kNames), "tIdent");
  EXPECT_EQ(hints.suggest("zzz", kNames), "");
  EXPECT_EQ(hints.suggest("tIdnet", kNames), "");
}

TEST(SpellingHint, AValueOfAnotherTypeIsNamedWithItsType) {
  test::CapturedStream screen;
  Diagnostics diagnostics{screen.get()};
  SymbolTable symbols{diagnostics};
  TypeTable types{symbols};
  types.type_new("relop");
  types.type_value_new("lt");
  types.type_new("colour");
  types.type_value_new("red");
  const TypeRecord* colour = types.type_find("colour");
  EXPECT_TRUE(report_value_of_other_type(diagnostics, types, "lt", colour));
  EXPECT_TRUE(report_value_of_other_type(diagnostics, types, "lt", nullptr));
  EXPECT_FALSE(report_value_of_other_type(diagnostics, types, "red", colour));  // its own type: no line
  EXPECT_FALSE(report_value_of_other_type(diagnostics, types, "blue", colour));
  EXPECT_EQ(screen.text(),
            "  ('lt' is a value of type 'relop', not of type 'colour')\n"
            "  ('lt' is a value of type 'relop')\n");
  EXPECT_EQ(value_names(colour), (std::vector<std::string_view>{"red"}));
  EXPECT_TRUE(value_names(nullptr).empty());
}

}  // namespace
}  // namespace zedra
