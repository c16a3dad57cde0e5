#include "front/parser_tokens.h"

#include <array>

#include "keyword_table.h"

namespace zedra {

namespace {

constexpr std::array<KeywordSpelling, 25> kKeywords{{
    {"OPTIONS", kTokOptions, false},     {"DEFINITIONS", kTokDefinitions, false},
    {"TERMINALS", kTokTerminals, false}, {"TYPES", kTokTypes, false},
    {"CONSTANTS", kTokConstants, false}, {"ACTIONS", kTokActions, false},
    {"IN", kTokIn, true},                {"OUT", kTokOut, true},
    {"INCLUDE", kTokInclude, false},     {"ATTRIBUTES", kTokAttributes, false},
    {"GLOBAL", kTokGlobal, true},        {"INH", kTokInh, true},
    {"SYN", kTokSyn, true},              {"WITH", kTokWith, true},
    {"DEFAULT", kTokDefault, true},      {"RULES", kTokRules, false},
    {"LOCAL", kTokLocal, true},          {"CHAIN", kTokChain, true},
    {"LIST", kTokList, true},            {"PACK", kTokPack, true},
    {"CLOS", kTokClos, true},            {"OPTION", kTokOption, true},
    {"SEQ", kTokSeq, true},              {"ROOT", kTokRoot, false},
    {"OF", kTokOf, true},
}};

}  // namespace

int parser_keyword(const std::string& word) { return find_keyword(kKeywords, word, kTokIdent); }

std::string_view ParserScanner::keyword_in_other_case(std::string_view word) {
  return zedra::keyword_in_other_case(kKeywords, word);
}

std::string ParserScanner::describe(int code) {
  switch (code) {
    case kTokIdent: return "a name";
    case kTokString: return "a string";
    case kTokNumber: return "a number";
    default: return std::string(keyword_word(kKeywords, code));
  }
}

// token  : IDENT | NUMBER | STRING | any other single character .
// IDENT  : letter { letter | digit | '_' } CLOS .   (a keyword when it spells one)
// NUMBER : digit SEQ .
// Blanks, tabs, carriage returns, line ends and comments are skipped
// before a token.
Token ParserScanner::next() {
  for (;;) {
    Token token;
    int c = source_.peek();
    if (c == SpecSource::kEnd) return token;
    if (source_.at_comment()) {
      source_.skip_comment();
      continue;
    }
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      source_.get();
      continue;
    }
    if (is_letter(c)) {
      while (is_letter(source_.peek()) || is_digit(source_.peek()) || source_.peek() == '_')
        token.text += static_cast<char>(source_.get());
      token.code = parser_keyword(token.text);
    } else if (is_digit(c)) {
      while (is_digit(source_.peek())) token.text += static_cast<char>(source_.get());
      token.code = kTokNumber;
    } else if (c == '\'' || c == '"') {
      if (!source_.read_quoted(token.text)) return Token{};  // the text ended inside
      token.code = kTokString;
      token.matched = std::string(1, static_cast<char>(c));
      return token;
    } else {
      token.code = source_.get();
      if (token.code == 0) token.code = kTokNulByte;
      token.text = std::string(1, static_cast<char>(c));
    }
    token.matched = token.text;
    return token;
  }
}

}  // namespace zedra
