#include "graph/char_class.h"

#include "markup.h"

#include <string_view>

namespace zedra {

namespace {

constexpr int kAsciiLimit = 128;  // the complement is taken within 0 .. 127
constexpr const char* kVisibleBlank = "\u2423";

// A character outside a bracketed class.
std::string plain_character(int c) {
  switch (c) {
    case 0: return "\\0";
    case '\t': return "\\t";
    case '\n': return "\\n";
    case '\v': return "\\v";
    case '\f': return "\\f";
    case '\r': return "\\r";
    case ' ': return kVisibleBlank;
    case '\\': return "\\\\";
    default: break;
  }
  if (c < ' ' || c >= 127) return hex_escaped(static_cast<unsigned char>(c));
  return std::string(1, static_cast<char>(c));
}

// A character inside brackets, where "]", "^" and "-" have a meaning.
std::string class_character(int c) {
  if (c != ']' && c != '^' && c != '-') return plain_character(c);
  std::string text = "\\";
  text += static_cast<char>(c);
  return text;
}

struct Run {
  int low;
  int high;
};

// The members of `chars` as maximal runs of consecutive codes.
template <class Visit>
void for_each_run(const StateSet& chars, Visit visit) {
  int low = chars.next(0);
  while (low >= 0) {
    int high = low;
    while (chars.contains(high + 1)) ++high;
    visit(Run{low, high});
    low = chars.next(high + 1);
  }
}

// The runs in brackets: runs of one or two characters are written out,
// longer runs as "low-high".
std::string bracket_list(const StateSet& chars) {
  std::string text;
  for_each_run(chars, [&](Run run) {
    text += class_character(run.low);
    if (run.high > run.low + 1) text += '-';
    if (run.high > run.low) text += class_character(run.high);
  });
  return text;
}

std::string bracketed(std::string_view prefix, const std::string& list) {
  std::string text = "[";
  text += prefix;
  text += list;
  text += ']';
  return text;
}

std::string positive_class(const StateSet& chars) {
  int runs = 0;
  Run only{0, 0};
  for_each_run(chars, [&](Run run) {
    ++runs;
    only = run;
  });
  if (runs == 1 && only.low == only.high) return plain_character(only.low);
  if (runs == 1 && only.high > only.low + 1) {
    auto end = [](int c) { return c == '-' ? std::string("\\-") : plain_character(c); };
    std::string text = end(only.low);
    text += '-';
    text += end(only.high);
    return text;
  }
  return bracketed("", bracket_list(chars));
}

// The length as a reader sees it: UTF-8 continuation bytes do not count.
std::size_t shown_length(std::string_view text) {
  std::size_t length = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++length;
  return length;
}

}  // namespace

std::string compact_character_class(const StateSet& chars) {
  if (chars.empty()) return "[]";
  std::string positive = positive_class(chars);
  if (chars.next(kAsciiLimit) >= 0) return positive;
  StateSet complement;
  complement.insert_range(0, kAsciiLimit - 1);
  complement -= chars;
  if (complement.empty()) return positive;
  std::string negative = bracketed("^", bracket_list(complement));
  return shown_length(negative) < shown_length(positive) ? negative : positive;
}

}  // namespace zedra
