// The token scanner of the parser dialect of the specification language.
#pragma once

#include <string>
#include <string_view>

#include "spec_source.h"

namespace zedra {

// Token codes of the parser dialect; a single character is its own code and
// the end of the text is 0.
enum ParserToken : int {
  kTokEnd = 0,
  // A NUL byte of the text: a token that no production accepts, so that it
  // cannot pass for the end of the text (code 0) and hide what follows.
  kTokNulByte = 257,
  kTokIdent = 258,
  kTokString,
  kTokNumber,
  kTokOptions,
  kTokDefinitions,
  kTokTerminals,
  kTokTypes,
  kTokConstants,
  kTokActions,
  kTokIn,
  kTokOut,
  kTokInclude,
  kTokAttributes,
  kTokGlobal,
  kTokInh,
  kTokSyn,
  kTokWith,
  kTokDefault,
  kTokRules,
  kTokLocal,
  kTokChain,
  kTokList,
  kTokPack,
  kTokClos,
  kTokOption,
  kTokSeq,
  kTokRoot,
  kTokOf,
};

struct Token {
  int code = kTokEnd;
  std::string text;     // IDENT, NUMBER, STRING (quotes included)
  std::string matched;  // the text matched last: the closing quote of a literal
};

// The keyword code of `word` in the parser dialect, or kTokIdent. Section
// keywords exist in upper case only, the others also in lower case.
int parser_keyword(const std::string& word);

class ParserScanner {
 public:
  explicit ParserScanner(SpecSource& source) : source_(source) {}
  // Skips blanks, line ends and comments and gives the next token.
  Token next();
  // How a syntax error names token `code` (not a single character nor the
  // end) among those expected: a keyword as written, the others by their
  // kind ("a name").
  static std::string describe(int code);
  // The keyword that the name `word` spells in other case, or empty.
  static std::string_view keyword_in_other_case(std::string_view word);

 private:
  SpecSource& source_;
};

}  // namespace zedra
