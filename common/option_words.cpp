#include "option_words.h"

namespace zedra {

namespace {
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

bool apply_option_word(std::uint32_t& mask, std::string_view word,
                       std::span<const OptionName> table) {
  if (equal_ignoring_case(word, "ALL")) {
    mask = 0xFFFFFFFFu;
    return true;
  }
  if (equal_ignoring_case(word, "NONE")) {
    mask = 0;
    return true;
  }
  const bool negated =
      word.size() >= 3 && lower(word[0]) == 'n' && lower(word[1]) == 'o' && word[2] == '_';
  if (negated) word.remove_prefix(3);
  for (const OptionName& option : table) {
    if (!equal_ignoring_case(word, option.name)) continue;
    if (negated)
      mask &= ~option.bit;
    else
      mask |= option.bit;
    return true;
  }
  return false;
}

}  // namespace zedra
