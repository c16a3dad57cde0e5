#include "front/scanner_tokens.h"

#include <array>

#include "diagnostics.h"
#include "keyword_table.h"

namespace zedra {

namespace {

constexpr std::array<KeywordSpelling, 21> kKeywords{{
    {"OPTIONS", kSTokOptions, false},   {"DEFINITIONS", kSTokDefinitions, false},
    {"TYPES", kSTokTypes, false},       {"ACTIONS", kSTokActions, false},
    {"SYMBOLS", kSTokSymbols, false},   {"KEYWORDS", kSTokKeywords, false},
    {"CHARSETS", kSTokCharsets, false}, {"STRINGS", kSTokStrings, false},
    {"ATTRIBUTES", kSTokAttributes, false}, {"SYN", kSTokSyn, true},
    {"OF", kSTokOf, true},              {"WITH", kSTokWith, true},
    {"DEFAULT", kSTokDefault, true},    {"RULES", kSTokRules, false},
    {"CLOS", kSTokClos, true},          {"OPTION", kSTokOption, true},
    {"SEQ", kSTokSeq, true},            {"SKIP", kSTokSkip, true},
    {"VERIFY", kSTokVerify, true},      {"RESERVED", kSTokReserved, true},
    {"ELSE", kSTokElse, true},
}};

// The names of the control characters 0 to 31, then SP (32) and DEL (127).
constexpr std::array<std::string_view, 32> kControlNames{
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "HT",  "LF",
    "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
    "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

bool is_octal(int c) { return c >= '0' && c <= '7'; }
bool is_blank(int c) { return c == ' ' || c == '\t' || c == '\r'; }

// The code of an escape letter inside brackets ('\n' and the like), or -1.
int escape_code(int letter) {
  switch (letter) {
    case 'n': return 10;
    case 'r': return 13;
    case 'f': return 12;
    case 'a': return 7;
    case 'b': return 8;
    case 'v': return 11;
    case 't': return 9;
    default: return -1;
  }
}

}  // namespace

int scanner_keyword(std::string_view word) { return find_keyword(kKeywords, word, kSTokIdent); }

std::string_view ScannerScanner::keyword_in_other_case(std::string_view word) {
  return zedra::keyword_in_other_case(kKeywords, word);
}

std::string ScannerScanner::describe(int code) {
  switch (code) {
    case kSTokChar: return "a character";
    case kSTokIdent: return "a name";
    case kSTokCall: return "a call";
    case kSTokStringName: return "a string name";
    case kSTokLiteral: return "a string";
    case kSTokSetName: return "a character set name";
    case kSTokText: return "a representation";
    case kSTokRange: return "'..'";
    default: return std::string(keyword_word(kKeywords, code));
  }
}

bool ScannerScanner::skip_blank() {
  const int c = source_.peek();
  if (!is_blank(c) && c != '\n') return false;
  source_.get();
  return true;
}

ScannerToken ScannerScanner::next() {
  for (;;) {
    if (mode_ == ScanMode::Text) return next_in_text();
    if (mode_ == ScanMode::Set) return next_in_set();
    const int c = source_.peek();
    if (c == SpecSource::kEnd) return ScannerToken{};
    if (source_.at_comment()) {
      // The mode is kept: after the comment scanning goes on as before it.
      source_.skip_comment();
      continue;
    }
    if (skip_blank()) continue;
    if (is_letter(c)) return word();
    if (c == '\'' || c == '"') return literal();
    ScannerToken token;
    token.code = source_.get();
    token.text.assign(1, static_cast<char>(c));
    token.matched = token.text;
    if (mode_ == ScanMode::SymbolList && (c == ':' || c == '|')) mode_ = ScanMode::Text;
    if (mode_ == ScanMode::CharsetList && c == '[') mode_ = ScanMode::Set;
    return token;
  }
}

// word : IDENT '()' | IDENT .
// IDENT : letter { letter | digit | '_' } CLOS .
// The first gives CALL; the second a keyword when it spells one, else the
// code the classifier tells (SET_NAME, STRING_NAME or IDENT).
ScannerToken ScannerScanner::word() {
  ScannerToken token;
  while (is_letter(source_.peek()) || is_digit(source_.peek()) || source_.peek() == '_')
    token.text += static_cast<char>(source_.get());
  if (source_.peek() == '(' && source_.peek(1) == ')') {
    token.text += static_cast<char>(source_.get());
    token.text += static_cast<char>(source_.get());
    token.code = kSTokCall;
  } else {
    token.code = scanner_keyword(token.text);
    if (token.code == kSTokIdent && classify_) token.code = classify_(token.text);
    switch_after_keyword(token.code);
  }
  token.matched = token.text;
  return token;
}

void ScannerScanner::switch_after_keyword(int code) {
  switch (code) {
    case kSTokActions:
    case kSTokAttributes:
    case kSTokRules:
    case kSTokStrings:
    case kSTokTypes: mode_ = ScanMode::Normal; break;
    case kSTokSymbols:
    case kSTokKeywords: mode_ = ScanMode::SymbolList; break;
    case kSTokCharsets: mode_ = ScanMode::CharsetList; break;
    default: break;
  }
}

// LITERAL : quote { escape | any character but quote } CLOS quote .
// The value is the content with the escapes replaced. In a single-quoted
// literal \\, \n and \' are escapes, in a double-quoted one only \"; any
// other backslash stands for itself.
ScannerToken ScannerScanner::literal() {
  const int quote = source_.get();
  ScannerToken token;
  for (;;) {
    const int c = source_.peek();
    if (c == SpecSource::kEnd) return ScannerToken{};  // the text ended inside
    if (c == '\\') {
      const int escaped = source_.peek(1);
      char value = 0;
      if (quote == '\'' && (escaped == '\\' || escaped == '\''))
        value = static_cast<char>(escaped);
      else if (quote == '\'' && escaped == 'n')
        value = '\n';
      else if (quote == '"' && escaped == '"')
        value = '"';
      if (value != 0) {
        source_.get();
        source_.get();
        token.text += value;
        continue;
      }
    }
    if (c == '\n') {
      // Reported at the line that ends; the literal goes on on the next.
      diagnostics_.report(Msg::NewlineInString);
      source_.get();
      continue;
    }
    source_.get();
    if (c == quote) break;
    token.text += static_cast<char>(c);
  }
  token.code = kSTokLiteral;
  token.matched.assign(1, static_cast<char>(quote));
  mode_ = ScanMode::Normal;
  return token;
}

// TEXT : { any character but blank, tab, carriage return and line end } SEQ .
// One representation; the blanks in front of it are skipped.
ScannerToken ScannerScanner::next_in_text() {
  while (skip_blank()) {
  }
  ScannerToken token;
  if (source_.at_end()) return token;
  for (int c = source_.peek(); c != SpecSource::kEnd && !is_blank(c) && c != '\n'; c = source_.peek())
    token.text += static_cast<char>(source_.get());
  token.code = kSTokText;
  token.matched = token.text;
  mode_ = ScanMode::SymbolList;
  return token;
}

// set_token : CHAR | RANGE | ',' | ']' .
// Between the brackets of a character set: characters in quotes, escapes,
// the mnemonic names of the control characters, "..", "," and "]". Anything
// else is skipped.
ScannerToken ScannerScanner::next_in_set() {
  for (;;) {
    const int c = source_.peek();
    if (c == SpecSource::kEnd) return ScannerToken{};
    if (skip_blank()) continue;
    ScannerToken token;
    std::size_t length = 0;
    if (c == '.' && source_.peek(1) == '.') {
      token.code = kSTokRange;
      length = 2;
    } else if (c == ',' || c == ']') {
      token.code = c;
      length = 1;
      if (c == ']') mode_ = ScanMode::CharsetList;
    } else if (c == '\'' || c == '"') {
      length = quoted_character(c, token.value);
      token.code = kSTokChar;
    } else if (is_letter(c)) {
      length = control_name(token.value);
      token.code = kSTokChar;
    }
    if (length == 0) {
      source_.get();  // no rule of the mode matches: skipped, only echoed
      continue;
    }
    for (std::size_t i = 0; i < length; ++i) token.matched += static_cast<char>(source_.get());
    token.text = token.matched;
    return token;
  }
}

// CHAR : quote any_character quote | '\'' '\\' octal { octal { octal } OPTION } OPTION '\''
//      | '\'' '\\' escape_letter '\'' .
// The length of the quoted character at the current position (0 when none
// is there) and its code. The longest form wins: '\101' and '\n' over '\'.
std::size_t ScannerScanner::quoted_character(int quote, int& value) const {
  if (quote == '\'' && source_.peek(1) == '\\') {
    std::size_t digits = 0;
    int code = 0;
    while (digits < 3 && is_octal(source_.peek(2 + digits))) code = code * 8 + source_.peek(2 + digits++) - '0';
    if (digits > 0 && source_.peek(2 + digits) == '\'') {
      value = code & 0xFF;
      return 3 + digits;
    }
    const int escaped = escape_code(source_.peek(2));
    if (escaped >= 0 && source_.peek(3) == '\'') {
      value = escaped;
      return 4;
    }
  }
  const int c = source_.peek(1);
  if (c != SpecSource::kEnd && c != '\n' && source_.peek(2) == quote) {
    value = c;
    return 3;
  }
  return 0;
}

// CHAR : 'NUL' | 'SOH' | ... | 'US' | 'SP' | 'DEL' .
// The length of the longest control-character name at the current position
// (0 when none is there) and its code: NULL is NUL and a skipped L.
std::size_t ScannerScanner::control_name(int& value) const {
  std::size_t longest = 0;
  auto try_name = [&](std::string_view name, int code) {
    if (name.size() <= longest) return;
    for (std::size_t i = 0; i < name.size(); ++i)
      if (source_.peek(i) != static_cast<unsigned char>(name[i])) return;
    longest = name.size();
    value = code;
  };
  for (std::size_t code = 0; code < kControlNames.size(); ++code)
    try_name(kControlNames[code], static_cast<int>(code));
  try_name("SP", 32);
  try_name("DEL", 127);
  return longest;
}

}  // namespace zedra
