// Reporting: class prefixes, error counting, positions, the listing lines
// behind "*** ", the summary line and the numbered echo.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cformat.h"
#include "diagnostics.h"
#include "test_support.h"

namespace zedra {
namespace {

class ReportTest : public test::ScratchDirTest {
 protected:
  test::CapturedStream screen;
  Diagnostics diagnostics{screen.get()};

  std::string listing_text() {
    diagnostics.close_listing();
    return test::read_file(dir() / "calc.lst");
  }
};

TEST_F(ReportTest, ErrorCarriesPositionPrefixAndIsCounted) {
  diagnostics.set_file_name("calc.inp");
  diagnostics.set_line(12);
  diagnostics.report(Msg::DuplicateName, std::string("expr"));
  EXPECT_EQ(screen.text(), "calc.inp:12: Error: Name 'expr' already exists\n");
  EXPECT_EQ(diagnostics.error_count(), 1);
}

TEST_F(ReportTest, WarningIsNotCounted) {
  diagnostics.set_file_name("calc.inp");
  diagnostics.set_line(3);
  diagnostics.report(Msg::NeverReduced, "expr");
  EXPECT_EQ(screen.text(), "calc.inp:3: Warning: Rule 'expr': never reduced\n");
  EXPECT_EQ(diagnostics.error_count(), 0);
}

TEST_F(ReportTest, NoPositionBelowLineOne) {
  diagnostics.set_file_name("calc.inp");
  diagnostics.set_line(0);
  diagnostics.report(Msg::NoRoot);
  EXPECT_EQ(screen.text(), "Error: No ROOT rule specified, cannot continue\n");
}

TEST_F(ReportTest, InformationAndFreeTextHaveNoPosition) {
  diagnostics.set_file_name("calc.inp");
  diagnostics.set_line(7);
  diagnostics.report(Msg::InputFile, "calc.inp");
  diagnostics.report(Msg::FreeText, "%s has %d rules", "calc", 3);
  EXPECT_EQ(screen.text(), "- input file     : calc.inp\ncalc has 3 rules\n");
  EXPECT_EQ(diagnostics.error_count(), 0);
}

TEST_F(ReportTest, SummaryLineAddsSuffixOnlyAfterErrors) {
  diagnostics.report(Msg::ErrorSummary, diagnostics.error_count());
  diagnostics.report(Msg::NoInputFile);
  diagnostics.report(Msg::NoInputFile);
  diagnostics.report(Msg::ErrorSummary, diagnostics.error_count());
  EXPECT_EQ(screen.text(),
            "- errors         : 0 error(s) detected\n"
            "Error: No input file specified\n"
            "Error: No input file specified\n"
            "- errors         : 2 error(s) detected, cannot continue.\n");
}

TEST_F(ReportTest, LongReportsAreWrittenWhole) {
  const std::string name(600, 'n');
  diagnostics.report(Msg::DuplicateName, name);
  EXPECT_EQ(screen.text(), "Error: Name '" + name + "' already exists\n");
}

TEST_F(ReportTest, ListingGetsReportsBehindStarsButNoInformation) {
  diagnostics.set_file_name("calc.inp");
  ASSERT_TRUE(diagnostics.open_listing("calc"));
  diagnostics.set_line(4);
  diagnostics.report(Msg::DuplicateName, "x");
  diagnostics.set_line(0);
  diagnostics.report(Msg::EvaluatedMoreThanOnce, "r", "a", "c");
  diagnostics.report(Msg::GeneratedFile, "calc.c");
  diagnostics.report(Msg::FreeText, "free %d", 1);
  EXPECT_EQ(listing_text(),
            "*** calc.inp:4: Error: Name 'x' already exists\n"
            "*** Warning: Rule 'r': attribute 'a' in call 'c' evaluated more than once\n"
            "\n");
  EXPECT_EQ(screen.text(),
            "- listing file   : calc.lst\n"
            "calc.inp:4: Error: Name 'x' already exists\n"
            "Warning: Rule 'r': attribute 'a' in call 'c' evaluated more than once\n"
            "- generated file : calc.c\n"
            "free 1\n");
}

TEST_F(ReportTest, ListingThatCannotBeWrittenIsReported) {
  std::filesystem::create_directory("calc.lst");
  EXPECT_FALSE(diagnostics.open_listing("calc"));
  EXPECT_EQ(screen.text(), "Error: File 'calc.lst' not writable, cannot continue\n");
  EXPECT_EQ(diagnostics.error_count(), 1);
  EXPECT_FALSE(diagnostics.listing().is_open());
}

TEST_F(ReportTest, EchoIsNumberedAndReportsInterrupt) {
  diagnostics.set_file_name("calc.inp");
  ASSERT_TRUE(diagnostics.open_listing("calc"));
  diagnostics.start_echo();
  for (char c : std::string("ab")) diagnostics.echo(c);
  diagnostics.report(Msg::NewlineInString);
  diagnostics.echo('c');
  diagnostics.next_line();
  diagnostics.echo('d');
  diagnostics.stop_echo();
  diagnostics.next_line();  // no longer echoed, but still counted
  diagnostics.report(Msg::NewlineInString);
  EXPECT_EQ(diagnostics.line(), 3);
  EXPECT_EQ(listing_text(),
            "\n  1 ab\n*** calc.inp:1: Error: Newline in string constant\nc\n  2 d"
            "*** calc.inp:3: Error: Newline in string constant\n\n");
}

TEST_F(ReportTest, CloseWithoutListingDoesNothing) {
  diagnostics.close_listing();
  diagnostics.echo('x');
  diagnostics.report(Msg::NoInputFile);
  EXPECT_EQ(screen.text(), "Error: No input file specified\n");
}

TEST_F(ReportTest, NullTextArgumentIsPrintedSafely) {
  const char* missing = nullptr;
  diagnostics.report(Msg::DuplicateName, missing);
  EXPECT_EQ(screen.text(), "Error: Name '(null)' already exists\n");
}

// The report of a failed allocation is an error like any other; ending the
// run is the generator frame's part.
TEST_F(ReportTest, OutOfMemoryIsReportedAsAnError) {
  diagnostics.report(Msg::OutOfMemory, 42, "parsrule");
  EXPECT_EQ(screen.text(), "Error: Out of memory at line 42 in parsrule, cannot continue\n");
  EXPECT_EQ(diagnostics.error_count(), 1);
}

// Control characters of the input reach a message as octal escapes; text
// above 127 (UTF-8 in comments and strings) stays as it is.
TEST(PrintableText, ControlCharactersBecomeOctalEscapes) {
  EXPECT_EQ(printable(std::string("a\001\177b\n", 5)), "a\\001\\177b\\012");
  EXPECT_EQ(printable(std::string(1, '\0')), "\\000");
  EXPECT_EQ(printable("gr\xc3\xbc\xc3\x9f ~"), "gr\xc3\xbc\xc3\x9f ~");
  EXPECT_EQ(printable(""), "");
}

}  // namespace
}  // namespace zedra
