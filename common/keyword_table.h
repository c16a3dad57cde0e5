// The written forms of the keywords of the specification language: every
// keyword in upper case, some also all in lower case. Any other mixture of
// cases is an identifier.
#pragma once

#include <span>
#include <string_view>

namespace zedra {

struct KeywordSpelling {
  std::string_view word;  // upper case
  int code;
  bool lower_case_too;
};

// The code of `word` in `keywords`, or `otherwise` when it is none of them.
int find_keyword(std::span<const KeywordSpelling> keywords, std::string_view word, int otherwise);

// The upper-case spelling of keyword `code` in `keywords`, empty when it is
// none of them.
std::string_view keyword_word(std::span<const KeywordSpelling> keywords, int code);

// The keyword of `keywords` that `word` spells in other case ("Rules" for
// RULES), empty when it spells none.
std::string_view keyword_in_other_case(std::span<const KeywordSpelling> keywords, std::string_view word);

}  // namespace zedra
