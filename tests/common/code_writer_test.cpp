// The C code writer: lines and blocks, wrapping against its width, the
// identifier printers and C character literals.
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
    (void)code.close();
    return test::read_file(dir() / code.file_name());
  }
};

TEST_F(CodeWriterTest, BlockIsIndentedByTwo) {
  ASSERT_TRUE(code.open("calc", "c", 80));
  code.open_block("void p_expr(void)");
  code.line("x= %d;", 1);
  code.open_block("while (y) {");
  code.line("y--;");
  code.close_block("}");
  code.close_block("}");
  code.blank_lines(1);
  EXPECT_EQ(written(), "void p_expr(void)\n  x= 1;\n  while (y) {\n    y--;\n  }\n}\n\n\n");
  EXPECT_EQ(screen.text(), "- generated file : calc.c\n");
}

TEST_F(CodeWriterTest, OpenBlockMovesAtOnceButIndentWaitsForAText) {
  ASSERT_TRUE(code.open("calc", "h", 80));
  code.open_block("{");
  code.close_block("}");  // the blanks of the indentation stand already
  code.open_block("{");
  code.blank_lines(2);  // and stay on an empty line behind the opening text
  code.outdent();
  code.line("}");
  code.end_line();
  code.indent();  // the indentation changes silently
  code.line("a;");
  code.outdent();
  code.line("b;");
  EXPECT_EQ(written(), "{\n  }\n{\n  \n\n}\n\n  a;\nb;\n\n");
}

TEST_F(CodeWriterTest, NextBlockClosesOneBlockAndOpensTheNext) {
  ASSERT_TRUE(code.open("calc", "c", 80));
  code.open_block("typedef enum {");
  code.emit("i_Unknown= -1, i_EndOfFile");
  code.emit(", %s", "tNumber");
  code.end_line();
  code.close_block("} i_token_set;");
  code.blank_lines(1);
  code.open_block("static struct {");
  code.line("char *rhs;");
  code.next_block("} i_keywords[]= {");
  code.line("{ 0, NULL }");
  code.close_block("};");
  code.blank_lines(1);
  EXPECT_EQ(written(),
            "typedef enum {\n  i_Unknown= -1, i_EndOfFile, tNumber\n} i_token_set;\n\n"
            "static struct {\n  char *rhs;\n} i_keywords[]= {\n  { 0, NULL }\n};\n\n\n");
}

TEST_F(CodeWriterTest, CloseBlockTextMayContinueTheLine) {
  ASSERT_TRUE(code.open("calc", "c", 80));
  code.open_block("char *names[]= {");
  code.emit("\"a\", ");
  code.close_block("0");
  code.line("};");
  EXPECT_EQ(written(), "char *names[]= {\n  \"a\", 0\n};\n\n");
}

TEST_F(CodeWriterTest, OutdentBelowZeroWritesAtColumnZeroAndBalances) {
  ASSERT_TRUE(code.open("calc", "c", 80));
  code.close_block("a");
  code.open_block("b");
  code.line("c");
  EXPECT_EQ(written(), "a\nb\nc\n\n");
}

TEST_F(CodeWriterTest, LongLinesWrapAtTheIndentation) {
  ASSERT_TRUE(code.open("calc", "c", 30));
  code.open_block("{");
  code.emit("if (i_in_set(");
  for (int i = 0; i < 4; ++i) code.emit("tToken%d, ", i);
  code.line("0)) {");
  EXPECT_EQ(written(), "{\n  if (i_in_set(tToken0, \n  tToken1, tToken2, tToken3, \n  0)) {\n\n");
}

TEST_F(CodeWriterTest, WidthIsAtMost126) {
  ASSERT_TRUE(code.open("calc", "c", 200));
  EXPECT_EQ(code.writer().width(), 126);
  const std::string a(100, 'a');
  const std::string b(27, 'b');
  code.emit_text(a);
  code.emit_text(b);
  code.end_line();
  EXPECT_EQ(written(), a + "\n" + b + "\n\n");
}

TEST_F(CodeWriterTest, TextLongerThanTheFormatBufferIsWrittenWhole) {
  ASSERT_TRUE(code.open("calc", "c", 80));
  code.open_block("{");
  const std::string text(300, 'x');
  code.line("%s", text.c_str());
  code.line("y;");
  EXPECT_EQ(written(), "{\n  \n" + text + "\n  y;\n\n");
}

TEST_F(CodeWriterTest, TextsAreWrittenLiterally) {
  ASSERT_TRUE(code.open("calc", "c", 80));
  code.line("/* %s: i_look_ahead == [ ] */", "expr");
  code.emit("/* %s */", "100%s");
  code.emit_text(" 50%d");
  code.end_line();
  EXPECT_EQ(written(), "/* expr: i_look_ahead == [ ] */\n/* 100%s */ 50%d\n\n");
}

TEST_F(CodeWriterTest, IdentifierPrinters) {
  ASSERT_TRUE(code.open("calc", "c", 80));
  code.numbered_name('t', "ident", 1);
  code.line(";");
  code.numbered_name('p', "expr", 7);
  code.line(";");
  code.numbered_name('p', "expr", 123);
  code.line(";");
  code.attribute('t', "ident", "value", 1);
  code.line(";");
  code.attribute('v', "ident", "value", 0);
  EXPECT_EQ(written(), "t_01ident;\np_07expr;\np_123expr;\nt_01ident.value;\ni_attrs->value\n");
}

TEST_F(CodeWriterTest, CloseWithoutOpenFileDoesNothing) {
  (void)code.close();
  EXPECT_FALSE(code.is_open());
  EXPECT_EQ(screen.text(), "");
}

// The text goes to a temporary file first: a name that cannot be taken
// (here a folder) is reported when the file is closed, and nothing of it
// is left behind.
TEST_F(CodeWriterTest, UnwritableFileIsReportedAndLeavesNothing) {
  std::filesystem::create_directory("calc.c");
  ASSERT_TRUE(code.open("calc", "c", 80));
  code.line("dropped");
  EXPECT_FALSE(code.close());
  EXPECT_EQ(screen.text(), "Error: File 'calc.c' not writable, cannot continue\n  (Is a directory)\n");
  EXPECT_EQ(diagnostics.error_count(), 1);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 1);
}

TEST_F(CodeWriterTest, FolderThatCannotHoldTheFileIsReportedAtOnce) {
  EXPECT_FALSE(code.open("missing/calc", "c", 80));
  EXPECT_EQ(screen.text(),
            "Error: File 'missing/calc.c' not writable, cannot continue\n  (No such file or directory)\n");
}

TEST_F(CodeWriterTest, OutputFolderHoldsTheFile) {
  std::filesystem::create_directory("out");
  diagnostics.set_output_directory("out");
  ASSERT_TRUE(code.open("calc", "c", 80));
  code.line("int x;");
  EXPECT_TRUE(code.close());
  EXPECT_EQ(screen.text(), "- generated file : out/calc.c\n");
  EXPECT_EQ(test::read_file("out/calc.c"), "int x;\n\n");
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
