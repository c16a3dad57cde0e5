// The edits of the standalone driver's mutator.
#include "mutator.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace zedra::fuzz {

namespace {

// Numbers at the edges of the limits the formats have: table sizes, byte
// and word ranges.
constexpr std::array<std::string_view, 24> kBoundaryNumbers{
    "0",   "1",    "-1",    "2",     "7",     "8",          "15",         "16",
    "99",  "127",  "128",   "199",   "200",   "249",        "250",        "255",
    "256", "1000", "32767", "65536", "-2147483648", "2147483647", "2147483648", "99999999999"};

// Characters that matter to the readers: quotes, brackets, separators,
// comment starts, line ends and the NUL byte.
constexpr char kSpecial[] = "\"'()[]{}<>:;.,|=+-*/\\$#@ \t\n\r\0\x7f\xff";
constexpr std::string_view kSpecialBytes{kSpecial, sizeof kSpecial - 1};

bool is_word_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Mutator::Mutator(std::uint64_t seed, std::vector<std::string> dictionary, std::size_t max_length)
    : random_(seed), dictionary_(std::move(dictionary)), max_length_(max_length) {}

std::size_t Mutator::below(std::size_t bound) {
  return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
}

char Mutator::random_byte() {
  switch (below(3)) {
    case 0: return kSpecialBytes[below(kSpecialBytes.size())];
    case 1: return static_cast<char>(' ' + below(95));  // printable
    default: return static_cast<char>(below(256));
  }
}

std::string Mutator::mutate(const std::string& base, const std::string& other) {
  std::string text = base;
  const std::size_t edits = 1 + below(4);
  for (std::size_t i = 0; i < edits; ++i) edit(text, other);
  if (text.size() > max_length_) text.resize(max_length_);
  return text;
}

void Mutator::edit(std::string& text, const std::string& other) {
  const std::size_t size = text.size();
  switch (below(10)) {
    case 0:  // flip one bit
      if (size > 0) text[below(size)] ^= static_cast<char>(1u << below(8));
      break;
    case 1:  // replace one byte
      if (size > 0) text[below(size)] = random_byte();
      break;
    case 2: {  // insert a few bytes
      const std::size_t at = below(size + 1);
      const std::size_t count = 1 + below(8);
      for (std::size_t i = 0; i < count; ++i) text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), random_byte());
      break;
    }
    case 3:  // erase a stretch
      if (size > 0) {
        const std::size_t at = below(size);
        text.erase(at, 1 + below(std::min<std::size_t>(64, size - at)));
      }
      break;
    case 4:  // copy a chunk to another place
      if (size > 0) {
        const std::size_t from = below(size);
        const std::string chunk = text.substr(from, 1 + below(std::min<std::size_t>(128, size - from)));
        text.insert(below(size + 1), chunk);
      }
      break;
    case 5: insert_word(text); break;
    case 6: replace_word(text); break;
    case 7: replace_number(text); break;
    case 8: copy_line(text); break;
    default: {  // splice: the front of this input, the back of the other
      const std::size_t cut = below(size + 1);
      const std::size_t from = below(other.size() + 1);
      text = text.substr(0, cut) + other.substr(from);
      break;
    }
  }
}

void Mutator::insert_word(std::string& text) {
  if (dictionary_.empty()) return;
  const std::string& word = dictionary_[below(dictionary_.size())];
  std::string piece = word;
  if (below(2) == 0) piece = " " + piece + " ";
  text.insert(below(text.size() + 1), piece);
}

// The word (run of letters, digits and '_') at a random place becomes a
// dictionary word.
void Mutator::replace_word(std::string& text) {
  if (dictionary_.empty() || text.empty()) return;
  std::size_t start = below(text.size());
  if (!is_word_char(text[start])) return insert_word(text);
  while (start > 0 && is_word_char(text[start - 1])) --start;
  std::size_t end = start;
  while (end < text.size() && is_word_char(text[end])) ++end;
  text.replace(start, end - start, dictionary_[below(dictionary_.size())]);
}

// The number at or after a random place becomes a boundary number.
void Mutator::replace_number(std::string& text) {
  const std::string_view number = kBoundaryNumbers[below(kBoundaryNumbers.size())];
  std::size_t start = text.empty() ? 0 : below(text.size());
  while (start < text.size() && !is_digit(text[start])) ++start;
  if (start == text.size()) {
    text.insert(below(text.size() + 1), number);
    return;
  }
  while (start > 0 && is_digit(text[start - 1])) --start;
  if (start > 0 && text[start - 1] == '-') --start;
  std::size_t end = start + (text[start] == '-' ? 1 : 0);
  while (end < text.size() && is_digit(text[end])) ++end;
  text.replace(start, end - start, number);
}

// A whole line is doubled, dropped or moved.
void Mutator::copy_line(std::string& text) {
  if (text.empty()) return;
  std::size_t start = below(text.size());
  while (start > 0 && text[start - 1] != '\n') --start;
  std::size_t end = text.find('\n', start);
  end = end == std::string::npos ? text.size() : end + 1;
  const std::string line = text.substr(start, end - start);
  switch (below(3)) {
    case 0: text.insert(start, line); break;
    case 1: text.erase(start, end - start); break;
    default: {
      text.erase(start, end - start);
      std::size_t to = below(text.size() + 1);
      while (to > 0 && text[to - 1] != '\n') --to;
      text.insert(to, line);
    }
  }
}

}  // namespace zedra::fuzz
