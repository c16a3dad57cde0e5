// Reading whole lines of any length and scanning them the way the KAM text
// format is defined (C scanf conventions: "%d", "%s", "%[^\n]", literals),
// without the undefined behaviour of scanf on numbers beyond 32 bits.
#pragma once

#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace kam {

// Reads the next line including its '\n' (absent on a last line without
// one). False at end of file when nothing was read.
bool read_line(std::FILE* in, std::string& line);

// The line as a C string sees it: up to the first NUL byte.
inline std::string_view c_view(const std::string& line) { return line.c_str(); }

inline bool fits_int32(long long value) {
  return value >= std::numeric_limits<std::int32_t>::min() &&
         value <= std::numeric_limits<std::int32_t>::max();
}

class TextScanner {
 public:
  explicit TextScanner(std::string_view text) : text_(text) {}

  // "%d": optional blanks, sign and digits. Values too large for 64 bits
  // saturate; callers range-check against 32 bits with fits_int32.
  std::optional<long long> number();
  // A literal character right at the current position (no blanks skipped).
  bool literal(char c);
  // "%s": the next blank-free word, empty when there is none.
  std::string_view word();
  // " %[^\n]": blanks skipped, then the rest (empty when nothing is left).
  std::string_view rest();

 private:
  void skip_blanks();
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace kam
