#include "codegen/fast_keywords.h"

#include <map>
#include <string>
#include <utility>

#include "codegen/scanner_generator.h"

namespace zedra {

namespace {

constexpr std::size_t kWordBytes = 8;
constexpr std::size_t kLongest = 2 * kWordBytes;  // longer keywords: the runtime's lookup

// A lexeme of letters and digits in lower case is made of these alone.
bool may_match(const std::string& text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  return true;
}

// Bytes from..from+7 of `text` (zeros behind it) as a word stored little-end first.
unsigned long long word_of(const std::string& text, std::size_t from) {
  unsigned long long word = 0;
  for (std::size_t i = kWordBytes; i-- > 0;) {
    const std::size_t at = from + i;
    word = word << 8 | (at < text.size() ? static_cast<unsigned char>(text[at]) : 0u);
  }
  return word;
}

// The mask of the first `bytes` (fewer than eight) bytes of a word.
unsigned long long mask_of(std::size_t bytes) { return (1ull << (8 * bytes)) - 1; }

// Word `index` of the lexeme in lower case, cut to `bytes` bytes.
std::string lexeme_word(std::size_t index, std::size_t bytes) {
  const std::string word = "(i_w[" + std::to_string(index) + "] | i_bit5)";
  if (bytes >= kWordBytes) return word;
  return "(" + word + " & " + c_word_constant(mask_of(bytes)) + ")";  // in brackets too
}

// The keywords of one length: a switch on the first word, and for longer
// ones a test of the second.
void write_length(CodeWriter& code, std::size_t length, const std::map<std::string, int>& keywords) {
  code.open_block("case " + std::to_string(length) + ":");
  code.open_block("switch " + lexeme_word(0, length) + " {");
  std::map<unsigned long long, std::vector<std::pair<std::string, int>>> by_first;
  for (const auto& [text, entry] : keywords)
    if (text.size() == length) by_first[word_of(text, 0)].emplace_back(text, entry);
  for (const auto& [first, same] : by_first) {
    code.open_block("case " + c_word_constant(first) + ":");
    for (const auto& [text, entry] : same) {
      code.line("/* %s */", text.c_str());
      if (length <= kWordBytes) {
        code.line("return i_keyword_found(%d);", entry);
        continue;
      }
      code.open_block("if (" + lexeme_word(1, length - kWordBytes) + " == " +
                      c_word_constant(word_of(text, kWordBytes)) + ")");
      code.line("return i_keyword_found(%d);", entry);
      code.outdent();
    }
    if (length > kWordBytes) code.line("return 0;");
    code.outdent();
  }
  code.close_block("}");
  code.line("return 0;");
  code.outdent();
}

}  // namespace

void write_fast_keyword_function(CodeWriter& code, const std::vector<KeywordPair>& keywords) {
  // Of equal texts the last entry counts, as in i_lookup; entries count from 1.
  std::map<std::string, int> entries;
  for (std::size_t i = 0; i < keywords.size(); ++i)
    if (may_match(*keywords[i].text)) entries[*keywords[i].text] = static_cast<int>(i) + 1;
  std::map<std::size_t, bool> lengths;  // true: longer than the words compared
  for (const auto& [text, entry] : entries) lengths[text.size()] = text.size() > kLongest;

  code.line("/* i_lookup(convert_to_lower(i_lexeme)) for a lexeme of letters and digits");
  code.line("   alone, whose length is its cut: the keywords of that length compared");
  code.line("   as words, the letters made small by setting bit 5 of every byte. */");
  code.blank_lines(1);
  code.line("static inline int i_fast_keyword(void)");
  code.open_block("{");
  code.open_block("if (!i_fast_little_endian)");
  code.line("return i_fast_lookup_alphanumeric();");
  code.outdent();
  if (!lengths.empty()) {
    code.line("const unsigned long long i_bit5= 0x2020202020202020ull;");
    code.line("unsigned long long i_w[2];");
    code.line("memcpy(i_w, i_lexeme, sizeof i_w);");
    code.open_block("switch (i_rt.cut) {");
    for (const auto& [length, longer] : lengths) {
      if (!longer) {
        write_length(code, length, entries);
        continue;
      }
      code.open_block("case " + std::to_string(length) + ":");
      code.line("return i_lookup_lower(i_lexeme);");
      code.outdent();
    }
    code.close_block("}");
  }
  code.line("return 0;");
  code.close_block("}");
  code.blank_lines(1);
}

}  // namespace zedra
