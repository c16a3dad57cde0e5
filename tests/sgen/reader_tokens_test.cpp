// The token scanner of the scanner dialect: keywords, its lexical modes and
// the switches between them, literals, calls and the classification of
// names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics.h"
#include "front/scanner_tokens.h"
#include "spec_source.h"
#include "tests/common/test_support.h"

namespace zedra {
namespace {

struct Scanned {
  int code;
  std::string text;
  int value;
  bool operator==(const Scanned&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Scanned& token) {
  return out << "{" << token.code << ", \"" << token.text << "\", " << token.value << "}";
}

Scanned tok(int code, std::string text = "", int value = 0) { return {code, std::move(text), value}; }
Scanned chr(int value, std::string matched) { return {kSTokChar, std::move(matched), value}; }
Scanned single(char c) { return {c, std::string(1, c), 0}; }

class ScannerTokensTest : public ::testing::Test {
 protected:
  std::vector<Scanned> scan(const std::string& text) {
    diagnostics_.set_file_name("test.inp");
    diagnostics_.set_line(1);
    source_.restart(text);
    std::vector<Scanned> tokens;
    for (;;) {
      ScannerToken token = scanner_.next();
      if (token.code == kSTokEnd) return tokens;
      tokens.push_back({token.code, token.text, token.value});
    }
  }

  test::CapturedStream screen_;
  Diagnostics diagnostics_{screen_.get()};
  SpecSource source_{diagnostics_};
  ScannerScanner scanner_{diagnostics_, source_, [](std::string_view name) {
                            if (name == "letter") return static_cast<int>(kSTokSetName);
                            if (name == "quote") return static_cast<int>(kSTokStringName);
                            return static_cast<int>(kSTokIdent);
                          }};
};

TEST_F(ScannerTokensTest, KeywordsInTheirListedFormsOnly) {
  EXPECT_EQ(scanner_keyword("RULES"), kSTokRules);
  EXPECT_EQ(scanner_keyword("rules"), kSTokIdent);
  EXPECT_EQ(scanner_keyword("SYMBOLS"), kSTokSymbols);
  EXPECT_EQ(scanner_keyword("symbols"), kSTokIdent);
  EXPECT_EQ(scanner_keyword("skip"), kSTokSkip);
  EXPECT_EQ(scanner_keyword("Skip"), kSTokIdent);
  EXPECT_EQ(scanner_keyword("reserved"), kSTokReserved);
  EXPECT_EQ(scanner_keyword("else"), kSTokElse);
  EXPECT_EQ(scanner_keyword("verify"), kSTokVerify);
  EXPECT_EQ(scanner_keyword("of"), kSTokOf);
  // Words of the parser dialect only are identifiers here.
  EXPECT_EQ(scanner_keyword("INCLUDE"), kSTokIdent);
  EXPECT_EQ(scanner_keyword("CHAIN"), kSTokIdent);
  EXPECT_EQ(scanner_keyword("GLOBAL"), kSTokIdent);
}

TEST_F(ScannerTokensTest, NamesAreClassifiedAndCallsIncludeTheirParentheses) {
  EXPECT_EQ(scan("letter quote other get_repr() get_repr () 12"),
            (std::vector<Scanned>{tok(kSTokSetName, "letter"), tok(kSTokStringName, "quote"),
                                  tok(kSTokIdent, "other"), tok(kSTokCall, "get_repr()"),
                                  tok(kSTokIdent, "get_repr"), single('('), single(')'),
                                  single('1'), single('2')}));
}

TEST_F(ScannerTokensTest, SymbolListSwitchesToTextAfterColonAndBar) {
  // tDot : . . declares the representation "."; keywords in TEXT mode are
  // plain text.
  EXPECT_EQ(scan("SYMBOLS tDot : . .\n tOr : RULES | (* x = y , z .\n"),
            (std::vector<Scanned>{tok(kSTokSymbols, "SYMBOLS"), tok(kSTokIdent, "tDot"), single(':'),
                                  tok(kSTokText, "."), single('.'), tok(kSTokIdent, "tOr"),
                                  single(':'), tok(kSTokText, "RULES"), single('|'),
                                  tok(kSTokText, "(*"), tok(kSTokIdent, "x"), single('='),
                                  tok(kSTokIdent, "y"), single(','), tok(kSTokIdent, "z"),
                                  single('.')}));
  EXPECT_EQ(diagnostics_.line(), 3);
}

TEST_F(ScannerTokensTest, CommentBetweenSymbolDeclarationsKeepsTheMode) {
  auto tokens = scan("KEYWORDS a : x . (* a comment : | *) b : y .");
  ASSERT_EQ(tokens.size(), 9u);
  EXPECT_EQ(tokens[5], tok(kSTokIdent, "b"));
  EXPECT_EQ(tokens[7], tok(kSTokText, "y"));
  EXPECT_EQ(scanner_.mode(), ScanMode::SymbolList);
}

TEST_F(ScannerTokensTest, CarriageReturnEndsARepresentation) {
  EXPECT_EQ(scan("SYMBOLS t : :=\r\n."),
            (std::vector<Scanned>{tok(kSTokSymbols, "SYMBOLS"), tok(kSTokIdent, "t"), single(':'),
                                  tok(kSTokText, ":="), single('.')}));
}

TEST_F(ScannerTokensTest, SectionKeywordsSwitchTheMode) {
  scan("SYMBOLS");
  EXPECT_EQ(scanner_.mode(), ScanMode::SymbolList);
  scan("CHARSETS");
  EXPECT_EQ(scanner_.mode(), ScanMode::CharsetList);
  scan("RULES");
  EXPECT_EQ(scanner_.mode(), ScanMode::Normal);
  scan("KEYWORDS : x STRINGS");  // the keyword after TEXT is read in SYMBOL_LIST
  EXPECT_EQ(scanner_.mode(), ScanMode::Normal);
  // Outside symbol lists ':' and '|' are plain tokens.
  EXPECT_EQ(scan("a : b | c"),
            (std::vector<Scanned>{tok(kSTokIdent, "a"), single(':'), tok(kSTokIdent, "b"), single('|'),
                                  tok(kSTokIdent, "c")}));
}

TEST_F(ScannerTokensTest, CharactersInsideBrackets) {
  EXPECT_EQ(scan("CHARSETS letter : ['a'..'z', 'A' .. 'Z'] ."),
            (std::vector<Scanned>{tok(kSTokCharsets, "CHARSETS"), tok(kSTokSetName, "letter"),
                                  single(':'), single('['), chr('a', "'a'"), tok(kSTokRange, ".."),
                                  chr('z', "'z'"), single(','), chr('A', "'A'"), tok(kSTokRange, ".."),
                                  chr('Z', "'Z'"), single(']'), single('.')}));
  EXPECT_EQ(scanner_.mode(), ScanMode::CharsetList);
}

TEST_F(ScannerTokensTest, EscapesQuotesAndMnemonicNamesInsideBrackets) {
  auto tokens = scan("CHARSETS [ ''', '\\', \"\"\", '\\101', '\\777', '\\n', '\\t', '\\v', SP, DEL, ESC ]");
  std::vector<int> values;
  for (const Scanned& token : tokens)
    if (token.code == kSTokChar) values.push_back(token.value);
  EXPECT_EQ(values, (std::vector<int>{'\'', '\\', '"', 65, 255, 10, 9, 11, 32, 127, 27}));
}

TEST_F(ScannerTokensTest, MnemonicNamesAreMatchedLongestFirst) {
  // NULL is NUL and a skipped L, DC12 is DC1 and a skipped 2, SOH is not SO.
  auto tokens = scan("CHARSETS [NULL, DC12, SOH, SO, xyz SI]");
  std::vector<Scanned> chars;
  for (const Scanned& token : tokens)
    if (token.code == kSTokChar) chars.push_back(token);
  EXPECT_EQ(chars, (std::vector<Scanned>{chr(0, "NUL"), chr(17, "DC1"), chr(1, "SOH"), chr(14, "SO"),
                                         chr(15, "SI")}));
}

TEST_F(ScannerTokensTest, LiteralValuesWithoutQuotesAndWithEscapesReplaced) {
  EXPECT_EQ(scan(R"('it\'s' "a\b" '\\' '\n' "x\"y" 'a\b')"),
            (std::vector<Scanned>{tok(kSTokLiteral, "it's"), tok(kSTokLiteral, "a\\b"),
                                  tok(kSTokLiteral, "\\"), tok(kSTokLiteral, "\n"),
                                  tok(kSTokLiteral, "x\"y"), tok(kSTokLiteral, "a\\b")}));
}

TEST_F(ScannerTokensTest, LineEndInLiteralReportsAndContinues) {
  auto tokens = scan("\"ab\ncd\" x");
  EXPECT_EQ(tokens, (std::vector<Scanned>{tok(kSTokLiteral, "abcd"), tok(kSTokIdent, "x")}));
  EXPECT_EQ(screen_.text(), "test.inp:1: Error: Newline in string constant\n");
  EXPECT_EQ(diagnostics_.line(), 2);
}

TEST_F(ScannerTokensTest, LiteralSwitchesToNormalMode) {
  scan("CHARSETS 'x'");
  EXPECT_EQ(scanner_.mode(), ScanMode::Normal);
}

TEST_F(ScannerTokensTest, EndOfFileInsideLiteralOrCommentEndsTheTokens) {
  EXPECT_EQ(scan("a 'open"), std::vector<Scanned>{tok(kSTokIdent, "a")});
  EXPECT_EQ(scan("a (* open"), std::vector<Scanned>{tok(kSTokIdent, "a")});
  EXPECT_EQ(scan("CHARSETS x : [ 'a"),
            (std::vector<Scanned>{tok(kSTokCharsets, "CHARSETS"), tok(kSTokIdent, "x"), single(':'),
                                  single('[')}));
}

}  // namespace
}  // namespace zedra
