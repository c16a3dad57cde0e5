// The input mutations of the standalone driver: a small, blind cousin of
// libFuzzer's mutator for the text formats of this project. An input gets
// a few edits: bytes flipped, replaced, inserted or erased, chunks and lines
// copied, dictionary words and boundary numbers put in, and pieces of a
// second input spliced on. A fixed seed gives the same sequence every time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zedra::fuzz {

class Mutator {
 public:
  Mutator(std::uint64_t seed, std::vector<std::string> dictionary, std::size_t max_length);

  // `base` with one to four edits; `other` is the partner for splicing.
  std::string mutate(const std::string& base, const std::string& other);

  // A number in [0, bound); bound must be positive.
  std::size_t below(std::size_t bound);

 private:
  void edit(std::string& text, const std::string& other);
  void insert_word(std::string& text);
  void replace_word(std::string& text);
  void replace_number(std::string& text);
  void copy_line(std::string& text);
  char random_byte();

  std::mt19937_64 random_;
  std::vector<std::string> dictionary_;
  std::size_t max_length_;
};

}  // namespace zedra::fuzz
