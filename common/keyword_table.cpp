#include "keyword_table.h"

namespace zedra {

namespace {

bool is_lower_form(std::string_view word, std::string_view keyword) {
  if (word.size() != keyword.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (word[i] != keyword[i] - 'A' + 'a') return false;
  return true;
}

}  // namespace

int find_keyword(std::span<const KeywordSpelling> keywords, std::string_view word, int otherwise) {
  for (const KeywordSpelling& keyword : keywords) {
    if (word == keyword.word) return keyword.code;
    if (keyword.lower_case_too && is_lower_form(word, keyword.word)) return keyword.code;
  }
  return otherwise;
}

}  // namespace zedra
