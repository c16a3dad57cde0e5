// The lexical conventions that both dialects of the specification language
// share: the character source with line counting and the numbered echo into
// the listing, comments, and the collection of quoted literals. The token
// scanners of the two dialects are built on it.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace zedra {

class Diagnostics;

class SpecSource {
 public:
  static constexpr int kEnd = -1;

  explicit SpecSource(Diagnostics& diagnostics) : diagnostics_(diagnostics) {}

  // Reads from `in` from its current position on; the text read so far is
  // dropped. The whole stream is taken in at once, so a source can be any
  // size and the look-ahead of two characters is free. A UTF-8 byte-order
  // mark at its start is dropped.
  void restart(std::FILE* in);
  // Reads from a text held in memory (tests).
  void restart(std::string text);

  // The character `ahead` positions further on, or kEnd.
  int peek(std::size_t ahead = 0) const {
    std::size_t at = position_ + ahead;
    return at < text_.size() ? static_cast<unsigned char>(text_[at]) : kEnd;
  }
  bool at_end() const { return position_ >= text_.size(); }

  // Consumes one character: it is echoed, and a line end advances the
  // current line (with its number written into the listing while echoing).
  // Gives the character, or kEnd at the end of the text.
  int get();

  // True when "(*" stands at the current position.
  bool at_comment() const { return peek() == '(' && peek(1) == '*'; }
  // Skips a comment that starts at the current position, up to and
  // including the first "*)". Comments do not nest; one left open ends at
  // the end of the text.
  void skip_comment();

  // Collects a literal whose opening quote is at the current position, as
  // the parser dialect keeps it: quotes included, and a backslash followed
  // by the quote character kept as both characters without ending the
  // literal. A line end reports Msg::NewlineInString, is counted and adds nothing.
  // Gives false when the text ends before the closing quote.
  bool read_quoted(std::string& literal);

 private:
  Diagnostics& diagnostics_;
  std::string text_;
  std::size_t position_ = 0;
};

// Letters and digits of the "C" locale, independent of the current locale.
inline bool is_letter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
inline bool is_digit(int c) { return c >= '0' && c <= '9'; }
// A letter or underscore, then letters, digits and underscores.
inline bool is_c_identifier(std::string_view text) {
  if (text.empty() || is_digit(text[0])) return false;
  for (char c : text)
    if (!is_letter(c) && !is_digit(c) && c != '_') return false;
  return true;
}

}  // namespace zedra
