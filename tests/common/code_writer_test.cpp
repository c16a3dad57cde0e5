// The C code writer: line-end, outdent and indent flags, wrapping against
// its width, the identifier printers and C character literals.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "code_writer.h"
#include "diagnostics.h"
#include "test_support.h"

namespace zedra {
namespace {

class CodeWriterTest : public test::ScratchDirTest {
 protected:
  test::CapturedStream screen;
  Diagnostics diagnostics{screen.get()};
  CodeWriter code{diagnostics};

  std::string written() {
    code.close();
    return test::read_file(dir() / code.file_name());
  }
};

TEST_F(CodeWriterTest, BlockIsIndentedByTwo) {
  code.open("calc", "c", 80);
  code.emit(0x101, "void %s(void)", "p_expr");
  code.emit(1, "x= %d;", 1);
  code.emit(0x101, "while (y) {");
  code.emit(1, "y--;");
  code.emit(0x81, "}");
  code.emit(0x82, "}");
  EXPECT_EQ(written(), "void p_expr(void)\n  x= 1;\n  while (y) {\n    y--;\n  }\n}\n\n\n");
  EXPECT_EQ(screen.text(), "- generated file : calc.c\n");
}

TEST_F(CodeWriterTest, IndentMovesAtOnceAfterATextButLazilyWithoutOne) {
  code.open("calc", "h", 80);
  code.emit(0x101, "{");
  code.emit(0x81, "}");  // the blanks of the indentation stand already
  code.emit(0x101);      // without a text the indentation changes silently
  code.emit(1, "a;");
  code.emit(0x80);
  code.emit(1, "b;");
  EXPECT_EQ(written(), "{\n  }\n\n  a;\nb;\n\n");
}

TEST_F(CodeWriterTest, OutdentTextLineEndIndent) {
  code.open("calc", "c", 80);
  code.emit(0x101, "typedef enum {");
  code.emit(0, "%s= -1, %s", "i_Unknown", "i_EndOfFile");
  code.emit(0, ", %s", "tNumber");
  code.emit(0x81);
  code.emit(2, "} %s;", "i_token_set");
  code.emit(0x101, "static struct {");
  code.emit(1, "char *rhs;");
  code.emit(0x181, "} %s[]= {", "i_keywords");
  code.emit(1, "{ 0, NULL }");
  code.emit(0x82, "};");
  EXPECT_EQ(written(),
            "typedef enum {\n  i_Unknown= -1, i_EndOfFile, tNumber\n} i_token_set;\n\n"
            "static struct {\n  char *rhs;\n} i_keywords[]= {\n  { 0, NULL }\n};\n\n\n");
}

TEST_F(CodeWriterTest, IndentFlagWithoutLineEndKeepsTheIndentation) {
  code.open("calc", "c", 80);
  code.emit(0x100, "a");
  code.emit(1, "b");
  code.emit(1, "c");
  EXPECT_EQ(written(), "ab\nc\n\n");
}

TEST_F(CodeWriterTest, OutdentBelowZeroWritesAtColumnZeroAndBalances) {
  code.open("calc", "c", 80);
  code.emit(0x81, "a");
  code.emit(0x101, "b");
  code.emit(1, "c");
  EXPECT_EQ(written(), "a\nb\nc\n\n");
}

TEST_F(CodeWriterTest, LongLinesWrapAtTheIndentation) {
  code.open("calc", "c", 30);
  code.emit(0x101, "{");
  code.emit(0, "if (%s(", "i_in_set");
  for (int i = 0; i < 4; ++i) code.emit(0, "tToken%d, ", i);
  code.emit(1, "0)) {");
  EXPECT_EQ(written(), "{\n  if (i_in_set(tToken0, \n  tToken1, tToken2, tToken3, \n  0)) {\n\n");
}

TEST_F(CodeWriterTest, WidthIsAtMost126) {
  code.open("calc", "c", 200);
  EXPECT_EQ(code.writer().width(), 126);
  const std::string a(100, 'a');
  const std::string b(27, 'b');
  code.emit_text(0, a);
  code.emit_text(1, b);
  EXPECT_EQ(written(), a + "\n" + b + "\n\n");
}

TEST_F(CodeWriterTest, TextLongerThanTheFormatBufferIsWrittenWhole) {
  code.open("calc", "c", 80);
  code.emit(0x101, "{");
  const std::string text(300, 'x');
  code.emit(1, "%s", text.c_str());
  code.emit(1, "y;");
  EXPECT_EQ(written(), "{\n  \n" + text + "\n  y;\n\n");
}

TEST_F(CodeWriterTest, FormattedTextIsWrittenLiterally) {
  code.open("calc", "c", 80);
  code.emit(2, "/* %s: i_look_ahead == [ ] */", "expr");
  std::string percent = "100%s";
  code.emit(1, "/* %s */", percent.c_str());
  EXPECT_EQ(written(), "/* expr: i_look_ahead == [ ] */\n\n/* 100%s */\n\n");
}

TEST_F(CodeWriterTest, IdentifierPrinters) {
  code.open("calc", "c", 80);
  code.numbered_name('t', "ident", 1);
  code.emit(1, ";");
  code.numbered_name('p', "expr", 7);
  code.emit(1, ";");
  code.numbered_name('p', "expr", 123);
  code.emit(1, ";");
  code.attribute('t', "ident", "value", 1);
  code.emit(1, ";");
  code.attribute('v', "ident", "value", 0);
  EXPECT_EQ(written(), "t_01ident;\np_07expr;\np_123expr;\nt_01ident.value;\ni_attrs->value\n");
}

TEST_F(CodeWriterTest, CloseWithoutOpenFileDoesNothing) {
  code.close();
  EXPECT_FALSE(code.is_open());
  EXPECT_EQ(screen.text(), "");
}

TEST_F(CodeWriterTest, UnwritableFileReports32) {
  std::filesystem::create_directory("calc.c");
  EXPECT_FALSE(code.try_open("calc", "c", 80));
  EXPECT_EQ(screen.text(), "Error: File 'calc.c' not writable, cannot continue\n");
  EXPECT_EQ(diagnostics.error_count(), 1);
  code.emit(1, "dropped");
  code.close();
}

using CodeWriterDeathTest = CodeWriterTest;

TEST_F(CodeWriterDeathTest, OpenEndsTheProgramWhenTheFileIsNotWritable) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  std::filesystem::create_directory("calc.c");
  EXPECT_EXIT(code.open("calc", "c", 80), ::testing::ExitedWithCode(1), "");
}

TEST(CCharLiteral, PrintableCharacters) {
  EXPECT_EQ(c_char_literal('A'), "'A'");
  EXPECT_EQ(c_char_literal(' '), "' '");
  EXPECT_EQ(c_char_literal('"'), "'\"'");
  EXPECT_EQ(c_char_literal('\\'), "'\\\\'");
  EXPECT_EQ(c_char_literal('\''), "'\\''");
  EXPECT_EQ(c_char_literal('~'), "'~'");
}

TEST(CCharLiteral, ControlCharacters) {
  EXPECT_EQ(c_char_literal(10), "'\\n'");
  EXPECT_EQ(c_char_literal(13), "'\\r'");
  EXPECT_EQ(c_char_literal(9), "'\\t'");
  EXPECT_EQ(c_char_literal(11), "'\\v'");
  EXPECT_EQ(c_char_literal(8), "'\\b'");
  EXPECT_EQ(c_char_literal(7), "'\\a'");
  EXPECT_EQ(c_char_literal(12), "'\\f'");
  EXPECT_EQ(c_char_literal(0), "'\\0'");
  EXPECT_EQ(c_char_literal(27), "'\\33'");
  EXPECT_EQ(c_char_literal(127), "'\\177'");
  EXPECT_EQ(c_char_literal(255), "'\\377'");
  EXPECT_EQ(c_char_literal(-1), "'\\377'");
}

}  // namespace
}  // namespace zedra
