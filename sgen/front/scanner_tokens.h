// The token scanner of the scanner dialect of the specification language.
// It works in modes: the section keywords and some characters switch between
// the plain mode, the symbol lists with their representation texts, and the
// character-set lists with their bracketed ranges.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "spec_source.h"

namespace zedra {

class Diagnostics;

// Token codes of the scanner dialect; a single character is its own code
// and the end of the text is 0.
enum ScannerTokenCode : int {
  kSTokEnd = 0,
  kSTokChar = 258,
  kSTokIdent,
  kSTokCall,
  kSTokStringName,
  kSTokLiteral,
  kSTokSetName,
  kSTokText,
  kSTokOptions,
  kSTokDefinitions,
  kSTokTypes,
  kSTokActions,
  kSTokSymbols,
  kSTokKeywords,
  kSTokCharsets,
  kSTokStrings,
  kSTokAttributes,
  kSTokSyn,
  kSTokOf,
  kSTokWith,
  kSTokDefault,
  kSTokRules,
  kSTokClos,
  kSTokOption,
  kSTokSeq,
  kSTokSkip,
  kSTokVerify,
  kSTokReserved,
  kSTokElse,
  kSTokRange,
};

enum class ScanMode {
  Normal,       // declarations and rules
  SymbolList,   // SYMBOLS and KEYWORDS: ":" and "|" open a representation
  Text,         // one representation: a run of non-blank characters
  CharsetList,  // CHARSETS: "[" opens the ranges
  Set,          // between the brackets: characters, "..", ","
};

struct ScannerToken {
  int code = kSTokEnd;
  std::string text;     // IDENT, CALL, STRING_NAME, SET_NAME, TEXT; LITERAL: its value
  int value = 0;        // CHAR: the character code
  std::string matched;  // the text matched last: the closing quote of a literal
};

// The keyword code of `word` in the scanner dialect, or kSTokIdent.
int scanner_keyword(std::string_view word);

class ScannerScanner {
 public:
  // Tells the token of an identifier: kSTokSetName for a declared
  // character set, kSTokStringName for a declared string, else kSTokIdent.
  using Classifier = std::function<int(std::string_view)>;

  ScannerScanner(Diagnostics& diagnostics, SpecSource& source, Classifier classify = {})
      : diagnostics_(diagnostics), source_(source), classify_(std::move(classify)) {}

  // Skips what the current mode skips and gives the next token.
  ScannerToken next();
  // How a syntax error names token `code` (not a single character nor the
  // end) among those expected: a keyword as written, the others by their
  // kind ("a name").
  static std::string describe(int code);
  // The keyword that the name `word` spells in other case, or empty.
  static std::string_view keyword_in_other_case(std::string_view word);
  ScanMode mode() const { return mode_; }

 private:
  ScannerToken next_in_text();
  ScannerToken next_in_set();
  ScannerToken word();
  ScannerToken literal();
  std::size_t quoted_character(int quote, int& value) const;
  std::size_t control_name(int& value) const;
  bool skip_blank();
  void switch_after_keyword(int code);

  Diagnostics& diagnostics_;
  SpecSource& source_;
  Classifier classify_;
  ScanMode mode_ = ScanMode::Normal;
};

}  // namespace zedra
