#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics.h"
#include "front/parser_tokens.h"
#include "spec_source.h"
#include "tests/common/test_support.h"

namespace zedra {
namespace {

struct Scanned {
  int code;
  std::string text;
};

class ScannerTest : public ::testing::Test {
 protected:
  std::vector<Scanned> scan(const std::string& text) {
    diagnostics_.set_file_name("test.inp");
    diagnostics_.set_line(1);
    source_.restart(text);
    std::vector<Scanned> tokens;
    for (;;) {
      Token token = scanner_.next();
      if (token.code == kTokEnd) return tokens;
      tokens.push_back({token.code, token.text});
    }
  }

  test::CapturedStream screen_;
  Diagnostics diagnostics_{screen_.get()};
  SpecSource source_{diagnostics_};
  ParserScanner scanner_{source_};
};

TEST_F(ScannerTest, KeywordsInTheirListedFormsOnly) {
  EXPECT_EQ(parser_keyword("RULES"), kTokRules);
  EXPECT_EQ(parser_keyword("rules"), kTokIdent);
  EXPECT_EQ(parser_keyword("Rules"), kTokIdent);
  EXPECT_EQ(parser_keyword("default"), kTokDefault);
  EXPECT_EQ(parser_keyword("Default"), kTokIdent);
  EXPECT_EQ(parser_keyword("in"), kTokIn);
  EXPECT_EQ(parser_keyword("out"), kTokOut);
  EXPECT_EQ(parser_keyword("of"), kTokOf);
  EXPECT_EQ(parser_keyword("root"), kTokIdent);
  EXPECT_EQ(parser_keyword("SKIP"), kTokIdent);  // a scanner-dialect word
}

TEST_F(ScannerTest, LongestMatchMakesKeywordPrefixesIdentifiers) {
  auto tokens = scan("INH INHx OF_ of1 chain");
  ASSERT_EQ(tokens.size(), 5u);
  EXPECT_EQ(tokens[0].code, kTokInh);
  EXPECT_EQ(tokens[1].code, kTokIdent);
  EXPECT_EQ(tokens[2].code, kTokIdent);
  EXPECT_EQ(tokens[3].code, kTokIdent);
  EXPECT_EQ(tokens[4].code, kTokChain);
}

TEST_F(ScannerTest, NumbersHaveNoFractions) {
  auto tokens = scan("12.5");
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0].code, kTokNumber);
  EXPECT_EQ(tokens[0].text, "12");
  EXPECT_EQ(tokens[1].code, '.');
  EXPECT_EQ(tokens[2].text, "5");
}

TEST_F(ScannerTest, LeadingUnderscoreIsACharacterToken) {
  auto tokens = scan("_x");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].code, '_');
  EXPECT_EQ(tokens[1].code, kTokIdent);
}

TEST_F(ScannerTest, LiteralsKeepTheirQuotesAndEscapes) {
  auto tokens = scan(R"('it\'s' "say \"hi\"" 'a\b' "" 'it''s')");
  ASSERT_EQ(tokens.size(), 6u);
  EXPECT_EQ(tokens[0].text, R"('it\'s')");
  EXPECT_EQ(tokens[1].text, R"("say \"hi\"")");
  EXPECT_EQ(tokens[2].text, R"('a\b')");
  EXPECT_EQ(tokens[3].text, R"("")");
  EXPECT_EQ(tokens[4].text, "'it'");
  EXPECT_EQ(tokens[5].text, "'s'");
  for (const Scanned& token : tokens) EXPECT_EQ(token.code, kTokString);
}

TEST_F(ScannerTest, OtherQuoteInsideALiteralIsPlainText) {
  auto tokens = scan(R"("it's" 'a "b"')");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].text, R"("it's")");
  EXPECT_EQ(tokens[1].text, R"('a "b"')");
}

TEST_F(ScannerTest, LiteralOfAnyLengthIsOneLiteral) {
  std::string body(5000, 'x');
  auto tokens = scan("'" + body + "'");
  ASSERT_EQ(tokens.size(), 1u);
  EXPECT_EQ(tokens[0].text.size(), body.size() + 2);
}

TEST_F(ScannerTest, LineEndInLiteralIsReportedAndDropped) {
  auto tokens = scan("'ab\ncd'");
  ASSERT_EQ(tokens.size(), 1u);
  EXPECT_EQ(tokens[0].text, "'abcd'");
  EXPECT_EQ(diagnostics_.error_count(), 1);
  EXPECT_EQ(diagnostics_.line(), 2);
  EXPECT_EQ(screen_.text(), "test.inp:1: Error: Newline in string constant\n");
}

TEST_F(ScannerTest, CommentsDoNotNestAndCountLines) {
  auto tokens = scan("(* a (* b\n c *) d (*\n*)e");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].text, "d");
  EXPECT_EQ(tokens[1].text, "e");
  EXPECT_EQ(diagnostics_.line(), 3);
}

TEST_F(ScannerTest, TextEndsInsideCommentOrLiteral) {
  EXPECT_TRUE(scan("a (* open").size() == 1);
  auto tokens = scan("a 'open");
  ASSERT_EQ(tokens.size(), 1u);
  EXPECT_EQ(tokens[0].text, "a");
}

TEST_F(ScannerTest, NulByteIsNotTheEndOfTheText) {
  auto tokens = scan(std::string("a\0b", 3));
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[1].code, kTokNulByte);
  EXPECT_EQ(tokens[2].text, "b");
}

TEST_F(ScannerTest, SingleCharactersAndBlanks) {
  auto tokens = scan(" \t\r.,=():;|{}#\n");
  std::string codes;
  for (const Scanned& token : tokens) codes += static_cast<char>(token.code);
  EXPECT_EQ(codes, ".,=():;|{}#");
  EXPECT_EQ(diagnostics_.line(), 2);
}

}  // namespace
}  // namespace zedra
