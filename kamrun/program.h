// A loaded KAM program: the tables the loader fills and the machine runs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kam {

inline constexpr int max_instructions = 1000;
inline constexpr int label_limit = 250;   // label numbers 1..250
inline constexpr int length_limit = 250;  // length indexes 1..249
inline constexpr int string_limit = 200;  // string numbers 1..199 in a file, 200 at run time
inline constexpr int no_instruction = -1;

struct Instruction {
  int op = 0;
  std::int32_t args[3] = {0, 0, 0};
  int line = 0;  // source line in the KAM file
};

struct Program {
  Program() { labels.fill(no_instruction); }

  std::vector<Instruction> code;
  // Instruction index for every label number; no_instruction when undefined,
  // so that a label on instruction 0 is an ordinary label.
  std::array<int, label_limit + 1> labels;
  std::array<std::int32_t, length_limit> lengths{};
  int length_count = 0;
  // String number n lives at position n - 1.
  std::vector<std::optional<std::string>> strings =
      std::vector<std::optional<std::string>>(string_limit);
  int string_count = 0;
  int halt_index = 0;

  // The instruction index of label L, or no_instruction.
  int label_target(long long label) const {
    if (label < 1 || label > label_limit) return no_instruction;
    return labels[static_cast<std::size_t>(label)];
  }
};

}  // namespace kam
