#include "markup.h"

namespace zedra {

namespace {

// The length of the valid UTF-8 character of more than one byte at the
// start of `text`, 0 when there is none.
size_t utf8_length(std::string_view text) {
  auto byte = [&](size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
  unsigned lead = byte(0);
  size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  // the range of the second byte excludes overlong forms, surrogates and
  // code points above U+10FFFF
  unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (lead < 0xC2 || lead > 0xF4 || byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; i++)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return length;
}

}  // namespace

std::string hex_escaped(unsigned char c) {
  constexpr std::string_view kDigits = "0123456789abcdef";
  std::string hex = "\\x";
  hex += kDigits[c >> 4];
  hex += kDigits[c & 0xF];
  return hex;
}

std::string markup_escaped(std::string_view text) {
  std::string result;
  for (size_t i = 0; i < text.size(); i++) {
    auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      size_t length = utf8_length(text.substr(i));
      if (length == 0) {
        result += hex_escaped(c);
      } else {
        result.append(text.substr(i, length));
        i += length - 1;
      }
      continue;
    }
    switch (c) {
      case '&': result += "&amp;"; break;
      case '<': result += "&lt;"; break;
      case '>': result += "&gt;"; break;
      case '"': result += "&quot;"; break;
      case '\t': case '\n': case '\r': result += static_cast<char>(c); break;
      default:
        if (c < 0x20 || c == 0x7F)
          result += hex_escaped(c);
        else
          result += static_cast<char>(c);
    }
  }
  return result;
}

}  // namespace zedra
