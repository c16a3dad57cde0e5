// The symbol table: hash and buckets, entering and removing, the name rule
// with both reserved-word tables, and the dump.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "diagnostics.h"
#include "symtab.h"
#include "test_support.h"

namespace zedra {
namespace {

class SymtabTest : public ::testing::Test {
 protected:
  test::CapturedStream screen;
  Diagnostics diagnostics{screen.get()};
  SymbolTable symbols{diagnostics};

  std::string dump() {
    test::CapturedStream out;
    symbols.dump(out.get());
    return out.text();
  }
};

const char* const kNameRule =
    "Error: Name should start with a letter (but NOT with p_, t_, v_ or i_) optionally followed "
    "by zero or more letters, digits or underscores \n";

TEST(SymtabHash, FoldsCaseWithMultiplierThirtyOne) {
  EXPECT_EQ(symtab_hash(""), 0u);
  EXPECT_EQ(symtab_hash("a"), 65u);
  EXPECT_EQ(symtab_hash("ab"), 2081u);
  EXPECT_EQ(symtab_hash("calc"), 2060885u);
  EXPECT_EQ(symtab_hash("expression"), 2984607384u);  // wraps modulo 2^32
  EXPECT_EQ(symtab_bucket("a"), 65);
  EXPECT_EQ(symtab_bucket("ab"), 61);
  EXPECT_EQ(symtab_bucket("expression"), 16);
  EXPECT_EQ(symtab_bucket("x_1"), 96);
  EXPECT_EQ(symtab_bucket("Calc"), symtab_bucket("CALC"));
}

TEST(ReservedWords, TablesAreSortedForBinarySearch) {
  const auto sorted = [](std::span<const char* const> words) {
    return std::is_sorted(words.begin(), words.end(),
                          [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
  };
  EXPECT_EQ(c_keywords().size(), 32u);
  EXPECT_EQ(language_words().size(), 48u);
  EXPECT_TRUE(sorted(c_keywords()));
  EXPECT_TRUE(sorted(language_words()));
}

TEST(ReservedWords, LookupIsCaseSensitive) {
  EXPECT_EQ(reserved_lookup("auto", c_keywords()), 0);
  EXPECT_EQ(reserved_lookup("while", c_keywords()), 31);
  EXPECT_EQ(reserved_lookup("While", c_keywords()), -1);
  EXPECT_EQ(reserved_lookup("ACTIONS", language_words()), 0);
  EXPECT_EQ(reserved_lookup("with", language_words()), 47);
  EXPECT_EQ(reserved_lookup("IN", language_words()), -1);
  EXPECT_EQ(reserved_lookup("OUT", language_words()), -1);
  EXPECT_EQ(reserved_lookup("x", std::span<const char* const>{}), -1);
  for (std::size_t i = 0; i < language_words().size(); ++i)
    EXPECT_EQ(reserved_lookup(language_words()[i], language_words()), static_cast<int>(i));
}

TEST_F(SymtabTest, LegalNames) {
  for (const char* name : {"x_1", "P_x", "a_", "A", "While", "Skip", "while", "SKIP"})
    EXPECT_EQ(symbols.name_check(name), 0) << name;
  EXPECT_EQ(screen.text(), "");
  EXPECT_EQ(diagnostics.error_count(), 0);
}

TEST_F(SymtabTest, IllegalNamesAreReported) {
  for (const char* name : {"p_x", "t_x", "v_x", "i_x", "_x", "1x", "a-b", "", "p_"}) {
    EXPECT_EQ(symbols.name_check(name), 1) << name;
  }
  std::string expected;
  for (int i = 0; i < 9; ++i) expected += kNameRule;
  EXPECT_EQ(screen.text(), expected);
  EXPECT_EQ(diagnostics.error_count(), 9);
}

TEST_F(SymtabTest, ReservedWordsAreRejectedOnlyWithTheTestOn) {
  symbols.set_reserved_test(true);
  EXPECT_EQ(symbols.name_check("while"), 1);
  EXPECT_EQ(symbols.name_check("SKIP"), 1);
  EXPECT_EQ(symbols.name_check("skip"), 1);
  EXPECT_EQ(symbols.name_check("While"), 0);
  EXPECT_EQ(symbols.name_check("Skip"), 0);
  EXPECT_EQ(symbols.name_check("IN"), 0);
  EXPECT_EQ(screen.text(),
            "Error: 'while' is a reserved word in ANSI C\n"
            "Error: 'SKIP' is a reserved word in ZEDRA\n"
            "Error: 'skip' is a reserved word in ZEDRA\n");
}

TEST_F(SymtabTest, EnterStoresOneCopyPerName) {
  const std::string* stored = symbols.enter("expr");
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(*stored, "expr");
  EXPECT_EQ(symbols.find("expr"), stored);
  EXPECT_EQ(symbols.find("Expr"), nullptr);
  diagnostics.set_file_name("calc.inp");
  diagnostics.set_line(5);
  EXPECT_EQ(symbols.enter("expr"), nullptr);
  EXPECT_EQ(screen.text(), "calc.inp:5: Error: Name 'expr' already exists\n");
  EXPECT_NE(symbols.enter("Expr"), nullptr);
  EXPECT_EQ(symbols.size(), 2u);
}

TEST_F(SymtabTest, EnterRejectsEmptyAndIllegalNames) {
  EXPECT_EQ(symbols.enter(""), nullptr);
  EXPECT_EQ(screen.text(), "");
  EXPECT_EQ(symbols.enter("p_expr"), nullptr);
  EXPECT_EQ(screen.text(), kNameRule);
  EXPECT_EQ(symbols.find("p_expr"), nullptr);
  EXPECT_EQ(symbols.size(), 0u);
}

TEST_F(SymtabTest, DuplicateIsReportedBeforeTheNameRule) {
  symbols.enter("char");
  symbols.set_reserved_test(true);
  EXPECT_EQ(symbols.enter("char"), nullptr);
  EXPECT_EQ(screen.text(), "Error: Name 'char' already exists\n");
}

TEST_F(SymtabTest, RemoveFreesTheName) {
  symbols.enter("a");
  symbols.enter("b");
  symbols.remove("a");
  symbols.remove("a");
  symbols.remove("missing");
  EXPECT_EQ(symbols.find("a"), nullptr);
  EXPECT_NE(symbols.find("b"), nullptr);
  EXPECT_NE(symbols.enter("a"), nullptr);
  EXPECT_EQ(screen.text(), "");
}

TEST_F(SymtabTest, EmptyDumpIsTheHeadingOnly) {
  EXPECT_EQ(dump(), "\n\nCONTENTS OF SYMBOL TABLE:\n\n");
}

TEST_F(SymtabTest, DumpListsBucketsInOrderAndNamesNewestFirst) {
  symbols.enter("ab");    // bucket 61
  symbols.enter("a");     // bucket 65
  symbols.enter("calc");  // bucket 81
  symbols.enter("CALC");
  symbols.enter("Calc");
  symbols.enter("expression");  // bucket 16
  EXPECT_EQ(dump(),
            "\n\nCONTENTS OF SYMBOL TABLE:\n\n"
            "Entry 16: expression\n"
            "Entry 61: ab\n"
            "Entry 65: a\n"
            "Entry 81: Calc CALC calc\n");
  symbols.remove("CALC");
  symbols.remove("a");
  EXPECT_EQ(dump(),
            "\n\nCONTENTS OF SYMBOL TABLE:\n\n"
            "Entry 16: expression\n"
            "Entry 61: ab\n"
            "Entry 81: Calc calc\n");
}

TEST_F(SymtabTest, ManyNamesStayFindable) {
  for (int i = 0; i < 5000; ++i) ASSERT_NE(symbols.enter(test::numbered("name", i)), nullptr);
  for (int i = 0; i < 5000; ++i) ASSERT_NE(symbols.find(test::numbered("name", i)), nullptr);
  EXPECT_EQ(symbols.size(), 5000u);
  EXPECT_EQ(diagnostics.error_count(), 0);
}

}  // namespace
}  // namespace zedra
