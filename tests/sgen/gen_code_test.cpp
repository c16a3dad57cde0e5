// The generated scanner code on automata with known answers: the conditions
// on character runs, the case bodies of accepting, merged and dead states,
// the epilogue and the sorted keyword table.
#include <gtest/gtest.h>

#include <string>

#include "code_writer.h"
#include "dfa_test_support.h"
#include "codegen/scanner_generator.h"
#include "tests/common/test_support.h"

namespace zedra {
namespace {

using test::chars_of;
using test::range;

constexpr int kWidth = 80;

// Writes through a code writer into a scratch file and gives the text.
class GeneratedCodeTest : public test::ScratchDirTest {
 protected:
  template <class Write>
  std::string written(Write write) {
    CodeWriter code(run_.front.diagnostics);
    EXPECT_TRUE(code.open("out", "c", kWidth));
    write(code);
    (void)code.close();
    return test::read_file(dir() / "out.c");
  }
  std::string condition(const StateSet& chars) {
    return written([&](CodeWriter& code) { write_char_condition(code, chars); });
  }
  // Reads, constructs and minimises; gives the scanning function.
  std::string next_token_of(const std::string& spec) {
    EXPECT_TRUE(run_.read(spec)) << run_.reports();
    run_.construct();
    run_.minimise();
    EXPECT_EQ(run_.errors(), 0) << run_.reports();
    return written([&](CodeWriter& code) { write_next_token(code, run_.dfa); });
  }

  test::AutomatonRun run_;
};

TEST_F(GeneratedCodeTest, ConditionsOnCharacterRuns) {
  EXPECT_EQ(condition(range('a', 'z')), "(i_ch >= 'a' && i_ch <= 'z')\n");
  EXPECT_EQ(condition(chars_of("xy")), "i_ch == 'x' || i_ch == 'y'\n");
  EXPECT_EQ(condition(chars_of("x")), "i_ch == 'x'\n");
  StateSet mixed = range('0', '9') | chars_of("_\n\\");
  EXPECT_EQ(condition(mixed),
            "i_ch == '\\n' || (i_ch >= '0' && i_ch <= '9') || i_ch == '\\\\' || i_ch == '_'\n");
}

TEST_F(GeneratedCodeTest, LongConditionsContinueAtTheIndentation) {
  StateSet scattered;
  for (int c = 'a'; c <= 'z'; c += 2) scattered.insert(c);
  const std::string text = condition(scattered);
  EXPECT_EQ(text.find("i_ch == 'a' || i_ch == 'c'"), 0u);
  EXPECT_NE(text.find("\ni_ch == "), std::string::npos) << text;
}

TEST_F(GeneratedCodeTest, EquivalentStatesShareOneCaseThatLoops) {
  const std::string code = next_token_of(
      "CHARSETS letter : ['a'..'z'] . digit : ['0'..'9'] .\n"
      "RULES id : letter {letter + digit} CLOS .\n");
  EXPECT_NE(code.find("    case 1:\n      i_could_accept(id);\n"
                      "      if ((i_ch >= '0' && i_ch <= '9') || (i_ch >= 'a' && i_ch <= 'z'))\n"
                      "        i_state= 1;\n      else \n        i_retract= true;\n      break;\n"),
            std::string::npos)
      << code;
  EXPECT_EQ(code.find("case 2:"), std::string::npos) << code;
}

TEST_F(GeneratedCodeTest, TransitionsToOneGroupBecomeOneIf) {
  const std::string code = next_token_of(
      "CHARSETS x : ['x'] . y : ['y'] .\nRULES t : x | y .\n");
  EXPECT_NE(code.find("    case 0:\n      if (i_ch == 'x' || i_ch == 'y')\n        i_state= 1;\n"
                      "      else if (i_ch == EOF)\n        i_final_accept(i_EndOfFile);\n"
                      "      else\n        i_report(i_ENOSTATE, i_ch);\n      break;\n"),
            std::string::npos)
      << code;
  // An accepting state without successors accepts at once.
  EXPECT_NE(code.find("    case 1:\n      i_final_accept(t);\n      break;\n\n    }"), std::string::npos)
      << code;
}

TEST_F(GeneratedCodeTest, EpilogueVerifiesSkipsAndLooksUpOncePerTerminal) {
  const std::string code = next_token_of(
      "KEYWORDS kif : if .\n"
      "CHARSETS letter : ['a'..'z'] . digit : ['0'..'9'] . blank : [SP] .\n"
      "RULES gap : SKIP : blank SEQ .\n"
      "  word : VERIFY : digit letter SEQ .\n"
      "  id : letter SEQ | digit digit RESERVED get_repr() ELSE .\n");
  EXPECT_NE(code.find("      i_could_accept(gap);\n      i_skip= true;\n"), std::string::npos) << code;
  EXPECT_NE(code.find("      i_could_accept(word);\n      i_verify= true;\n"), std::string::npos) << code;
  const std::string epilogue =
      "  i_get_lexeme();\n\n"
      "  if (i_verify && !i_lookup(i_lexeme))\n    i_report(i_ENOKEYW, i_lexeme);\n\n"
      "  if (i_look_ahead == -1 || i_skip)\n    i_skip_token();\n"
      "  else {\n    switch (i_look_ahead) {\n    case id:\n"
      "      if (!i_lookup(get_repr(i_lexeme)))\n        i_report(i_ENOKEYW, i_lexeme);\n"
      "      break;\n    default:\n      /* do nothing */;\n    }\n  }\n}\n";
  EXPECT_NE(code.find(epilogue), std::string::npos) << code;
}

TEST_F(GeneratedCodeTest, DeadStatesAndTheirTransitionsDisappear) {
  // State 1 loops on 'a' and accepts nothing; state 2 accepts on 'b'.
  Terminal accepted;
  const std::string name = "t";
  accepted.name = &name;
  auto add = [&](const char* chars, std::initializer_list<int> follow, const Terminal* terminal) {
    AutomatonState& state = *run_.dfa.table.add();
    state.chars = chars_of(chars);
    for (int n : follow) state.follow.insert(n);
    state.terminal = terminal;
  };
  add("", {1, 2}, nullptr);
  add("a", {1}, nullptr);
  add("b", {}, &accepted);
  run_.dfa.table.add();
  run_.dfa.dfa_state_count = 3;
  run_.dfa.table.starts = run_.state(0).follow;
  run_.dfa.table.accepting.insert(2);
  run_.minimise();
  const std::string code = written([&](CodeWriter& code) { write_next_token(code, run_.dfa); });
  EXPECT_EQ(code.find("case 1:"), std::string::npos) << code;
  EXPECT_EQ(code.find("i_ch == 'a'"), std::string::npos) << code;
  EXPECT_NE(code.find("      if (i_ch == 'b')\n        i_state= 2;\n"), std::string::npos) << code;
}

// A rule over an empty set of characters leaves state 0 without
// successors; its case still ends the scan at the end of the input, so the
// switch never ends in a bare label.
TEST_F(GeneratedCodeTest, StateZeroWithoutSuccessorsStillTestsTheEndOfInput) {
  const std::string code = next_token_of("CHARSETS a : ['a'] . b : ['b'] .\nRULES t : a * b .\n");
  EXPECT_NE(code.find("    case 0:\n      if (i_ch == EOF)\n        i_final_accept(i_EndOfFile);\n"
                      "      else\n        i_report(i_ENOSTATE, i_ch);\n      break;\n"),
            std::string::npos)
      << code;
}

TEST_F(GeneratedCodeTest, KeywordTableIsSortedBytewiseAndEscaped) {
  test::ScannerFront& front = run_.front;
  front.symbol(SymbolSection::Keywords, "kend", {"end"});
  front.symbol(SymbolSection::Keywords, "kbegin", {"begin"});
  front.symbol(SymbolSection::Keywords, "kelse", {"else", "Else"});
  front.symbol(SymbolSection::Keywords, "kq", {"q\"\\"});
  front.declarations.begin_symbol_section(SymbolSection::Symbols);
  front.declarations.declare_rule("word", TerminalKind::Verify);
  const std::string table = written(
      [&](CodeWriter& code) { write_keyword_table(code, front.diagnostics, front.declarations); });
  EXPECT_NE(table.find("} i_keywords[]= {\n"
                       "  { kelse, \"Else\" },\n  { kbegin, \"begin\" },\n  { kelse, \"else\" },\n"
                       "  { kend, \"end\" },\n  { kq, \"q\\\"\\\\\" },\n  { 0, NULL }\n};\n"),
            std::string::npos)
      << table;
  EXPECT_EQ(front.diagnostics.error_count(), 0) << front.reports();
}

TEST_F(GeneratedCodeTest, KeywordsWithoutAVerifyingRuleAreAnError) {
  run_.front.symbol(SymbolSection::Keywords, "kend", {"end"});
  written([&](CodeWriter& code) {
    write_keyword_table(code, run_.front.diagnostics, run_.front.declarations);
  });
  EXPECT_EQ(run_.front.diagnostics.error_count(), 1);
  EXPECT_NE(run_.reports().find("Keyword(s) defined without a scanner rule to verify"), std::string::npos);
}

TEST(CStringBody, EscapesBackslashAndDoubleQuoteOnly) {
  EXPECT_EQ(c_string_body("begin"), "begin");
  EXPECT_EQ(c_string_body("a\"b\\c'"), "a\\\"b\\\\c'");
}

}  // namespace
}  // namespace zedra
