// The building blocks of generated parser code, written for hand-made sets:
// token lists and their wrapping, conditions, skips, occurrence variables,
// default values and action calls.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <type_traits>

#include "codegen/parser_writer.h"
#include "pgen_test_support.h"

namespace zedra {
namespace {

NameList set_of(std::initializer_list<const char*> names) {
  NameList set;
  for (const char* name : names) set.add(name);
  return set;
}

class GenWriterTest : public test::ScratchDirTest {
 protected:
  // Runs `write` on a fresh code file (given to `write` too when it takes
  // it) and gives the text written.
  template <typename Write>
  std::string written(bool error_recovery, Write write) {
    CodeWriter code(front.diagnostics);
    EXPECT_TRUE(code.open("out", "c", 80));
    ParserWriter writer(code, front.declarations, error_recovery);
    if constexpr (std::is_invocable_v<Write, ParserWriter&, CodeWriter&>)
      write(writer, code);
    else
      write(writer);
    (void)code.close();
    return test::read_file("out.c");
  }

  test::FrontEnd front;
};

TEST_F(GenWriterTest, ConditionsByTheSizeOfTheSet) {
  const std::string rule = "expr";
  std::string text = written(true, [&](ParserWriter& writer) {
    writer.condition("if (", NameList(), &rule);
    writer.condition("if (", NameList(), nullptr);
    writer.condition("while (", set_of({"tX"}), &rule);
    writer.condition("if (", set_of({"tY", "tX"}), nullptr);
  });
  EXPECT_EQ(text,
            "if (false/* expr: i_look_ahead == [ ] */) {\n"
            "  if (false) {\n"
            "    while (i_look_ahead == tX) {\n"
            "      if (i_in_set(i_look_ahead, tX, tY, -1)) {\n"
            "        \n");
}

TEST_F(GenWriterTest, SkipOnlyWithRecoveryAndWhenTheContextLeavesTheTarget) {
  const NameList context = set_of({"a", "b"});
  auto skips = [&](ParserWriter& writer) {
    writer.skip(context, set_of({"b", "a", "c"}));
    writer.skip(context, set_of({"c", "a"}));
  };
  EXPECT_EQ(written(true, skips), "i_delete_until(i_markers, a, c, -1);\n\n");
  EXPECT_EQ(written(false, skips), "\n");
}

TEST_F(GenWriterTest, LongTokenListsContinueUnderThePrefix) {
  NameList many;
  for (int i = 20; i > 0; --i) many.add(test::numbered("token", i));
  std::string text = written(true, [&](ParserWriter& writer) { writer.skip(NameList(), many); });
  // Nothing is skipped for an empty context.
  EXPECT_EQ(text, "\n");
  text = written(true, [&](ParserWriter& writer) { writer.skip(set_of({"x"}), many); });
  // Each element is written as ", name", so a continuation line starts with
  // the comma, under the prefix.
  EXPECT_EQ(text,
            "i_delete_until(i_markers, token1, token2, token3, token4, token5, token6, token7\n"
            "               , token8, token9, token10, token11, token12, token13, token14\n"
            "               , token15, token16, token17, token18, token19, token20, -1);\n\n");
}

TEST_F(GenWriterTest, TheCallInFrontOfATokenListWrapsApartFromTheList) {
  // "i_delete_until(" still fits behind the 60 columns, its first argument
  // does not and goes to the next line; the other elements keep the column
  // after the parenthesis.
  std::string text = written(true, [&](ParserWriter& writer, CodeWriter& code) {
    code.emit_text(std::string(60, 'x'));
    writer.skip(set_of({"a", "b"}), set_of({"c", "a"}));
  });
  EXPECT_EQ(text, std::string(60, 'x') + "i_delete_until(\n" +
                      "i_markers" + std::string(66, ' ') + ", a\n" +
                      std::string(75, ' ') + ", c\n" +
                      std::string(75, ' ') + ", -1\n" +
                      ");\n\n");
}

TEST_F(GenWriterTest, OccurrenceVariablesDefaultsAndCalls) {
  ASSERT_EQ(front.read_and_resolve(
                "DEFINITIONS acts.\nTERMINALS num, plus.\n"
                "ACTIONS add(IN a : integer; IN b : integer; OUT c : integer).\n"
                "        zero(OUT v : integer).\n"
                "ATTRIBUTES value : integer SYN OF expr, num WITH DEFAULT zero.\n"
                "           count : integer SYN OF num.\n"
                "RULES expr (LOCAL sum : integer) :\n"
                "  num { plus num } add(value OF num, value OF num#2, value OF expr).\n"
                "ROOT expr.\n"),
            kReadAccepted);
  ASSERT_EQ(front.diagnostics.error_count(), 0) << front.screen.text();
  const Rule& expr = front.rule("expr");
  std::string text = written(true, [&](ParserWriter& writer) {
    writer.occurrence_variables(*expr.body);
    writer.default_values("num", 2);
    writer.default_values("expr", 0);
    writer.action_call(*expr.body->alternatives[0].items[2].call);
  });
  EXPECT_EQ(text,
            "t_num v_01num;\n"
            "t_num v_02num;\n"
            "zero(&v_02num.value);\n"
            "i_integer(&v_02num.count);\n"
            "zero(&i_attrs->value);\n"
            "add(v_01num.value, v_02num.value, &i_attrs->value);\n\n");
}

}  // namespace
}  // namespace zedra
