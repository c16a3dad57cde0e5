// Whole generated parsers for small grammars, after the LL(1) analysis,
// checked as text: decisions, marker lists, procedure headers, occurrence
// variables and the entry function.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/ll1_analysis.h"
#include "driver/options.h"
#include "codegen/parser_generator.h"
#include "pgen_test_support.h"

namespace zedra {
namespace {

class GenParserTest : public test::ScratchDirTest {
 protected:
  // Reads and analyses `spec`, applies the option words and gives the text
  // of the generated "gen.c".
  std::string generate(const std::string& spec, const std::vector<std::string>& words = {}) {
    EXPECT_EQ(front.read_and_resolve(spec), kReadAccepted);
    EXPECT_EQ(front.diagnostics.error_count(), 0) << front.screen.text();
    Ll1Analysis(front.declarations.own.rules, closure_terminals(front.declarations)).compute_all();
    PgenOptions options;
    options.apply(front.diagnostics, words);
    front.diagnostics.set_module_name("gen");
    EXPECT_TRUE(generate_parser(front.diagnostics, front.declarations, options));
    return test::read_file("gen.c");
  }

  static bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }

  test::FrontEnd front;
};

constexpr const char* kChoice =
    "TERMINALS a, b, c.\n"
    "RULES r : a | b.\n"
    "      s : r c | c.\n"
    "ROOT s.\n";

TEST_F(GenParserTest, AlternativesWithRecovery) {
  const std::string text = generate(kChoice);
  // r's alternatives cover a and b only, so a skip to them comes first;
  // s's cover every terminal and need none.
  EXPECT_TRUE(contains(text,
                       "static void\n"
                       "p_r(i_marker_set i_markers, ...)\n"
                       "{\n"
                       "  va_list i_args;\n"
                       "\n"
                       "  va_start(i_args, i_markers);\n"
                       "  i_enter_rule(i_markers, i_args);\n"
                       "  va_end(i_args);\n"
                       "\n"
                       "  i_delete_until(i_markers, b, a, -1);\n"
                       "  if (i_look_ahead == a) {\n"))
      << text;
  // The caller's markers count only while the rule runs.
  EXPECT_TRUE(contains(text,
                       "  }\n"
                       "  else {\n"
                       "    i_report(i_WTERMINS, \"r\");\n"
                       "  }\n"
                       "  va_start(i_args, i_markers);\n"
                       "  i_leave_rule(i_markers, i_args);\n"
                       "  va_end(i_args);\n"
                       "}\n"))
      << text;
  EXPECT_FALSE(contains(text, "p_s(i_marker_set i_markers, ...)\n{\n  va_list i_args;\n\n"
                              "  va_start(i_args, i_markers);\n"
                              "  i_enter_rule(i_markers, i_args);\n  va_end(i_args);\n\n"
                              "  i_delete_until"));
  // The end of the input is tested where the parse stands, after the
  // tokens too many are deleted, not one token later.
  EXPECT_TRUE(contains(text, "  p_s(i_markers, i_EndOfFile, -1);\n"
                             "  i_delete_until(i_markers, i_EndOfFile, -1);\n"
                             "  if (i_look_ahead != i_EndOfFile)\n"
                             "    i_report(i_WTERMINS, \"i_EndOfFile\");\n"
                             "  free(i_markers);\n"))
      << text;
  EXPECT_TRUE(contains(text, "int\nmain(int ac, char **av)\n{\n  if (!i_init(ac, av))\n"
                             "    return 1;\n\n  i_next_token();\n  pROOT();\n"
                             "  return i_finish();\n}\n"))
      << text;
}

TEST_F(GenParserTest, WithoutRecoveryAsModule) {
  const std::string text = generate(kChoice, {"NO_error_recovery", "MODULE"});
  EXPECT_FALSE(contains(text, "i_markers")) << text;
  EXPECT_FALSE(contains(text, "i_delete_until")) << text;
  EXPECT_FALSE(contains(text, "i_report")) << text;
  EXPECT_TRUE(contains(text, "static void p_r(void);\n")) << text;
  // The alternatives form one chain, so a later one is not tested after an
  // earlier one was taken; a token that fits none stops the parse with the
  // tokens expected.
  EXPECT_TRUE(contains(text,
                       "  if (i_look_ahead == a) {\n"
                       "    if (i_look_ahead == a) {\n"
                       "      i_next_token();\n"
                       "    }\n"
                       "    else {\n"
                       "      i_syntax_error(i_look_ahead, a, -1);\n"
                       "    }\n"
                       "  }\n"
                       "  else if (i_look_ahead == b) {\n"))
      << text;
  EXPECT_TRUE(contains(text,
                       "  else {\n"
                       "    i_syntax_error(i_look_ahead, b, a, -1);\n"
                       "  }\n"
                       "  /* NO ERROR RECOVERY */\n"
                       "  i_leave_plain_rule();\n"
                       "}\n"))
      << text;
  EXPECT_TRUE(contains(text, "  if (i_look_ahead != i_EndOfFile)\n"
                             "    i_syntax_error(i_look_ahead, i_EndOfFile, -1);\n"))
      << text;
  EXPECT_TRUE(contains(text, "int\ngen_parser(int ac, char **av)\n")) << text;
}

TEST_F(GenParserTest, TwoOccurrencesOfAnAttributedSymbol) {
  const std::string text = generate(
      "DEFINITIONS m.\nTERMINALS plus, num.\n"
      "ACTIONS zero(OUT v : integer). add(IN l, r : integer; OUT s : integer).\n"
      "ATTRIBUTES value : integer SYN OF expr, num WITH DEFAULT zero.\n"
      "RULES expr : num plus num add(value of num, value of num#2, value of expr).\n"
      "ROOT expr.\n");
  EXPECT_TRUE(contains(text, "#include \"m.h\"\n\n\ntypedef struct {\n  integer value;\n} t_expr;\n"))
      << text;
  EXPECT_TRUE(contains(text, "static void p_expr(t_expr *, i_marker_set, ...);\n")) << text;
  EXPECT_TRUE(contains(text, "p_expr(t_expr *i_attrs, i_marker_set i_markers, ...)\n{\n"
                             "  t_num v_01num;\n  t_num v_02num;\n"))
      << text;
  EXPECT_TRUE(contains(text, "    p_num(&v_01num);\n    i_next_token();\n  }\n  else {\n"
                             "    i_report(i_WTERMINS, \"num\");\n    zero(&v_01num.value);\n  }\n"))
      << text;
  EXPECT_TRUE(contains(text, "  add(v_01num.value, v_02num.value, &i_attrs->value);\n")) << text;
  // ROOT declares the record of the attributed start symbol it passes.
  EXPECT_TRUE(contains(text, "pROOT(void)\n{\n  i_marker_set i_markers;\n  t_expr v_01expr;\n\n"
                             "  i_markers= (i_marker_set)calloc(i_token_set_size, sizeof *i_markers);\n"
                             "  if (i_markers == 0) {\n"))
      << text;
  EXPECT_TRUE(contains(text, "  p_expr(&v_01expr, i_markers, i_EndOfFile, -1);\n")) << text;
}

// A failed nested group replays its first alternative: its calls, and the
// default values of the symbols it always parses (a SEQ's and a CHAIN's
// operand, a nested group's first alternative), none for OPTION and CLOS
// operands or a CHAIN's separator.
TEST_F(GenParserTest, SemanticRecoveryReplaysTheFirstAlternative) {
  const std::string text = generate(
      "DEFINITIONS m.\nTERMINALS a, b, c, d.\n"
      "ACTIONS zero(OUT v : integer). note().\n"
      "ATTRIBUTES v : integer SYN OF a, b, c WITH DEFAULT zero.\n"
      "RULES r : { note() a SEQ b OPTION { c } CLOS c CHAIN b { a | d } | d }.\n"
      "ROOT r.\n");
  EXPECT_TRUE(contains(text,
                       "  else {\n"
                       "    i_report(i_WGRPINS);\n"
                       "    note();\n"
                       "    zero(&v_01a.v);\n"
                       "    zero(&v_02c.v);\n"
                       "    zero(&v_02a.v);\n"
                       "  }\n"))
      << text;
}

}  // namespace
}  // namespace zedra
