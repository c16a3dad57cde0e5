#include "diagrams/text_metrics.h"

namespace zedra {

namespace {

// The advance of DejaVu Sans Mono, Menlo and Liberation Mono is 0.60 to
// 0.61 of the font size; the estimate errs on the wide side.
constexpr int kAdvancePerMille = 610;

int character_count(std::string_view text) {
  int count = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

}  // namespace

int text_width(std::string_view text, int font_size) {
  return (character_count(text) * font_size * kAdvancePerMille + 999) / 1000;
}

int baseline_offset(int font_size) { return (font_size * 36 + 50) / 100; }

}  // namespace zedra
