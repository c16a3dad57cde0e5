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

std::string_view keyword_in_other_case(std::span<const KeywordSpelling> keywords, std::string_view word) {
  for (const KeywordSpelling& keyword : keywords) {
    if (word.size() != keyword.word.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < word.size() && same; ++i) {
      const char c = word[i];
      same = (c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) == keyword.word[i];
    }
    if (same) return keyword.word;
  }
  return {};
}

std::string_view keyword_word(std::span<const KeywordSpelling> keywords, int code) {
  for (const KeywordSpelling& keyword : keywords)
    if (keyword.code == code) return keyword.word;
  return {};
}

}  // namespace zedra
