#include "text_scan.h"

#include <cctype>

namespace kam {
namespace {

bool is_blank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Far beyond 32 bits, far below overflow of 64 bits.
constexpr long long saturation = 1LL << 50;

}  // namespace

bool read_line(std::FILE* in, std::string& line) {
  line.clear();
  int c;
  while ((c = std::getc(in)) != EOF) {
    line += static_cast<char>(c);
    if (c == '\n') return true;
  }
  return !line.empty();
}

void TextScanner::skip_blanks() {
  while (pos_ < text_.size() && is_blank(text_[pos_])) ++pos_;
}

std::optional<long long> TextScanner::number() {
  skip_blanks();
  std::size_t p = pos_;
  bool negative = false;
  if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) negative = text_[p++] == '-';
  if (p >= text_.size() || !is_digit(text_[p])) return std::nullopt;
  long long value = 0;
  for (; p < text_.size() && is_digit(text_[p]); ++p) {
    value = value * 10 + (text_[p] - '0');
    if (value > saturation) value = saturation;
  }
  pos_ = p;
  return negative ? -value : value;
}

bool TextScanner::literal(char c) {
  if (pos_ >= text_.size() || text_[pos_] != c) return false;
  ++pos_;
  return true;
}

std::string_view TextScanner::word() {
  skip_blanks();
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !is_blank(text_[pos_])) ++pos_;
  return text_.substr(start, pos_ - start);
}

std::string_view TextScanner::rest() {
  skip_blanks();
  std::string_view text = text_.substr(pos_);
  pos_ = text_.size();
  return text;
}

}  // namespace kam
