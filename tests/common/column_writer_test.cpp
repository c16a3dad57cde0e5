// The column-aware writer behind the listing: wrapping, indentation and
// its stack; and the listing's formatted writes.
#include <gtest/gtest.h>

#include <string>

#include "column_writer.h"
#include "diagnostics.h"
#include "test_support.h"

namespace zedra {
namespace {

class ColumnWriterTest : public ::testing::Test {
 protected:
  test::CapturedStream out;
  ColumnWriter writer{20};
  void SetUp() override { writer.attach(out.get()); }
};

TEST_F(ColumnWriterTest, TextsThatFitShareTheLine) {
  writer.write("abc");
  writer.write("def");
  EXPECT_EQ(writer.column(), 6);
  EXPECT_EQ(out.text(), "abcdef");
}

TEST_F(ColumnWriterTest, TextThatDoesNotFitGoesToTheNextLine) {
  writer.write("0123456789012345");
  writer.write("abcde");
  EXPECT_EQ(out.text(), "0123456789012345\nabcde");
  EXPECT_EQ(writer.column(), 5);
}

TEST_F(ColumnWriterTest, ContinuationLinesLineUpUnderPushedColumn) {
  writer.write("SET = ");
  writer.push_indent();
  EXPECT_EQ(writer.indentation(), 6);
  writer.write("alpha");
  writer.write(" beta");
  writer.write(" gamma");
  writer.pop_indent();
  EXPECT_EQ(writer.indentation(), 0);
  writer.newlines(1);
  writer.write("x");
  EXPECT_EQ(out.text(), "SET = alpha beta\n       gamma\nx");
}

TEST_F(ColumnWriterTest, TextTooWideForTheIndentationStartsAtColumnZero) {
  writer.set_indentation(10);
  writer.write("0123456789AB");
  EXPECT_EQ(writer.indentation(), 10);
  writer.write("z");
  writer.newlines(1);
  writer.write("y");
  EXPECT_EQ(out.text(), std::string(10, ' ') + "\n0123456789ABz\n" + std::string(10, ' ') + "y");
}

// The indentation of deeply nested generated code, up to the widest the
// code writer allows, is written whole, whatever piece size it goes out in.
TEST(ColumnWriter, DeepIndentationIsWrittenWhole) {
  for (int depth : {63, 64, 65, 125}) {
    test::CapturedStream out;
    ColumnWriter writer{126};
    writer.attach(out.get());
    writer.set_indentation(depth);
    writer.write("x");
    writer.newlines(1);
    writer.write("y");
    EXPECT_EQ(out.text(), std::string(depth, ' ') + "x\n" + std::string(depth, ' ') + "y") << depth;
  }
}

TEST_F(ColumnWriterTest, TextWiderThanTheWidthIsWrittenWhole) {
  const std::string wide(45, 'w');
  writer.write("ab");
  writer.write(wide);
  EXPECT_EQ(out.text(), "ab\n" + wide);
  EXPECT_EQ(writer.column(), 45);
}

TEST_F(ColumnWriterTest, IndentationMovesWithBlanksAndBreaksAtTheWidth) {
  writer.write("abc");
  writer.set_indentation(6);
  EXPECT_EQ(out.text(), "abc   ");
  writer.set_indentation(2);  // left of the column: nothing is written
  writer.set_indentation(22);
  EXPECT_EQ(out.text(), "abc   \n" + std::string(22, ' '));
  writer.set_indentation(4, false);
  EXPECT_EQ(writer.column(), 22);
}

TEST_F(ColumnWriterTest, BlanksOfTheIndentationFollowLazily) {
  writer.set_indentation(4);
  writer.write("a");
  writer.newlines(2);
  EXPECT_EQ(writer.column(), 0);
  EXPECT_EQ(out.text(), "    a\n\n");
  writer.write("b");
  EXPECT_EQ(out.text(), "    a\n\n    b");
}

TEST_F(ColumnWriterTest, PopOnEmptyStackDoesNothing) {
  writer.set_indentation(3);
  writer.pop_indent();
  EXPECT_EQ(writer.indentation(), 3);
  EXPECT_EQ(writer.stack_depth(), 0u);
}

TEST_F(ColumnWriterTest, DeepNestingBeyondTwentyFivePairsUp) {
  const int depth = ColumnWriter::kIndentStackDepth + 5;
  for (int level = 0; level < depth; ++level) {
    writer.newlines(1);
    writer.set_indentation(level % 7);
    writer.write("x");
    writer.push_indent();
  }
  EXPECT_EQ(writer.stack_depth(), static_cast<std::size_t>(depth));
  for (int level = depth - 1; level >= 0; --level) {
    writer.pop_indent();
    EXPECT_EQ(writer.indentation(), level % 7) << level;
  }
}

TEST_F(ColumnWriterTest, WrappingKeepsTheStackUntouched) {
  writer.write("abcdefghij");
  writer.push_indent();
  writer.write(std::string(15, 'q'));  // fits neither behind nor at the indentation
  EXPECT_EQ(writer.stack_depth(), 1u);
  EXPECT_EQ(writer.indentation(), 10);
  writer.pop_indent();
  EXPECT_EQ(writer.indentation(), 0);
}

class ListingTest : public test::ScratchDirTest {
 protected:
  test::CapturedStream screen;
  Diagnostics diagnostics{screen.get()};
};

TEST_F(ListingTest, PrintfWrapsAtEightyColumnsAndWritesLineEnds) {
  ASSERT_TRUE(diagnostics.open_listing("calc"));
  Listing& listing = diagnostics.listing();
  listing.printf(0, "FIRST(%s)=", "expr");
  listing.push_indent();
  for (int i = 0; i < 12; ++i) listing.printf(0, " %s%d", "term", i);
  listing.pop_indent();
  listing.printf(2, "%s", "");
  listing.printf(1, "done");
  diagnostics.close_listing();
  EXPECT_EQ(test::read_file(dir() / "calc.lst"),
            "FIRST(expr)= term0 term1 term2 term3 term4 term5 term6 term7 term8 term9 term10\n" +
                std::string(13, ' ') + "term11\n\ndone\n\n");
}

TEST_F(ListingTest, TextLongerThanTheFormatBufferIsWrittenWhole) {
  ASSERT_TRUE(diagnostics.open_listing("calc"));
  const std::string text(200, 'L');
  diagnostics.listing().printf(1, "%s", text.c_str());
  diagnostics.close_listing();
  EXPECT_EQ(test::read_file(dir() / "calc.lst"), "\n" + text + "\n\n");
}

TEST_F(ListingTest, OpeningResetsTheWriter) {
  ASSERT_TRUE(diagnostics.open_listing("calc"));
  diagnostics.listing().printf(0, "abc");
  diagnostics.listing().push_indent();
  diagnostics.close_listing();
  ASSERT_TRUE(diagnostics.open_listing("calc"));
  EXPECT_EQ(diagnostics.listing().writer().column(), 0);
  EXPECT_EQ(diagnostics.listing().writer().indentation(), 0);
  EXPECT_EQ(diagnostics.listing().writer().stack_depth(), 0u);
}

TEST_F(ListingTest, WritesWithoutAnOpenListingAreDropped) {
  Listing& listing = diagnostics.listing();
  listing.printf(1, "nothing");
  listing.raw("nothing");
  listing.newlines(3);
  EXPECT_FALSE(listing.is_open());
  EXPECT_EQ(screen.text(), "");
}

}  // namespace
}  // namespace zedra
