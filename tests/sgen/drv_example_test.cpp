// A realistic scanner specification (an early MiniPas scanner, kept in
// tests/sgen/data), read and resolved as sgen does it: the declarations and
// the automaton it gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "front/scanner_reader.h"
#include "spec_source.h"
#include "decl_test_support.h"
#include "front/scanner_resolve.h"
#include "nfa/nfa_construction.h"

namespace zedra {
namespace {

class DrvExample : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path = std::string(ZEDRA_SOURCE_DIR) + "/tests/sgen/data/pascal_scanner.inp";
    nfa_.init();
    source_.restart(test::read_file(path));
    ASSERT_EQ(read_scanner_specification(source_, front_.declarations, nfa_), 0) << front_.reports();
    resolve_scanner_declarations(front_.declarations);
    test_scanner_attributes(front_.declarations);
  }

  const Terminal& terminal(const std::string& name) {
    return *front_.declarations.terminals.terminal_find(name);
  }

  test::ScannerFront front_;
  SpecSource source_{front_.diagnostics};
  Nfa nfa_{front_.diagnostics};
};

TEST_F(DrvExample, ReadsAndResolvesWithoutErrors) {
  EXPECT_EQ(front_.reports(), "");
  check_keyword_verification(front_.diagnostics, front_.declarations.terminals);
  EXPECT_EQ(front_.diagnostics.error_count(), 0);
}

TEST_F(DrvExample, TerminalsInTheOrderOfTheirTokenCodes) {
  std::vector<std::string> names;
  for (const Terminal& t : front_.declarations.terminals.list()) names.push_back(*t.name);
  // The keyword "div" continues tDiv, which becomes current again: the
  // rules are inserted behind it.
  const std::vector<std::string> expected{
      "tAssign", "tSemicolon", "tColon", "tDot", "tEqual", "tLess", "tGreater", "tPlus",
      "tMinus", "tTimes", "tDiv", "tBlank", "tComment", "tBraceComment", "tIdent", "tNumber",
      "tString", "tCharacter", "tListSep", "tPackLeft", "tPackRight", "tProgram", "tConst",
      "tVar", "tProcedure", "tBegin", "tEnd", "tIf", "tThen", "tElse", "tWhile", "tDo", "tRead",
      "tWrite", "tInteger", "tBoolean", "tTrue", "tFalse", "tNot"};
  EXPECT_EQ(names, expected);
  // "div" continues the symbol "/" as a keyword.
  const Terminal& div = terminal("tDiv");
  ASSERT_EQ(div.representations.size(), 2u);
  EXPECT_TRUE(div.representations.front().is_symbol);
  EXPECT_FALSE(div.representations.back().is_symbol);
}

TEST_F(DrvExample, IdentifiersAreLookedUpAndNumbersCarryTheirAttributes) {
  const Terminal& ident = terminal("tIdent");
  ASSERT_NE(ident.reserved_action, nullptr);
  EXPECT_EQ(*ident.reserved_action->name, "convert_to_lower");
  EXPECT_EQ(*ident.assignments()[0].action->name, "get_repr");
  const Terminal& number = terminal("tNumber");
  ASSERT_EQ(number.assignments().size(), 2u);
  EXPECT_EQ(*number.assignments()[0].attribute->name, "base");
  EXPECT_EQ(*number.assignments()[0].action->name, "radix_of");
  EXPECT_EQ(*number.assignments()[1].action->name, "to_number");
  EXPECT_EQ(terminal("tBlank").kind, TerminalKind::Skip);
}

TEST_F(DrvExample, SymbolsAreLiteralPathsAheadOfTheRules) {
  // ":=" takes states 1 and 2; the second accepts tAssign.
  const AutomatonState& assign = *nfa_.table().state(2);
  ASSERT_NE(assign.terminal, nullptr);
  EXPECT_EQ(*assign.terminal->name, "tAssign");
  EXPECT_EQ(assign.literals, std::vector<std::string>{":="});
  EXPECT_LT(nfa_.state_count(), 100);
}

}  // namespace
}  // namespace zedra
