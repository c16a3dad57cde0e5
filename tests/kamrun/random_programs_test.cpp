// Generated and mutated KAM files: the loader and the machine must never
// crash or hang on them, and the fast and the traced execution must agree.
// Fixed seeds keep every run reproducible.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "opcodes.h"
#include "test_support.h"

namespace {

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  // A program of plausible instructions with small operands, so that many
  // of them get past the loader and run for a while.
  std::string program() {
    std::ostringstream text;
    const int count = number(1, 60);
    for (int i = 0; i < count; ++i) {
      if (number(0, 4) == 0) text << number(1, 12) << ": ";
      const int op = number(0, kam::opcode_count - 1);
      const auto& info = kam::opcode_info(op);
      text << info.name;
      for (int k = 0; k < info.operands; ++k) text << ' ' << operand(op, k);
      text << '\n';
    }
    text << "halt\n.\n";
    for (int i = 1; i <= number(0, 4); ++i) text << i << ": " << number(0, 12) << '\n';
    text << ".\n1: \"one\"\n2: \"two\"\n";
    return text.str();
  }

  // The text with a few random edits: bytes changed, lines dropped or doubled.
  std::string mutate(std::string text) {
    const int edits = number(1, 3);
    for (int i = 0; i < edits && !text.empty(); ++i) {
      const auto at = static_cast<std::size_t>(number(0, static_cast<int>(text.size()) - 1));
      switch (number(0, 3)) {
        case 0: text[at] = static_cast<char>(number(0, 255)); break;
        case 1: text.insert(at, std::to_string(number(-3, 3000000)) + " "); break;
        case 2: text.erase(at, static_cast<std::size_t>(number(1, 40))); break;
        default: {
          const std::size_t end = text.find('\n', at);
          text.insert(at, text.substr(at, end == std::string::npos ? 10 : end - at + 1));
        }
      }
    }
    return text;
  }

  // The text with a few of its numbers moved a little: operands, labels,
  // lengths and constants, so that checks fail in the middle of sequences
  // the compiler emits.
  std::string nudge(std::string text) {
    const int edits = number(1, 3);
    for (int i = 0; i < edits && !text.empty(); ++i) {
      std::size_t at = static_cast<std::size_t>(number(0, static_cast<int>(text.size()) - 1));
      at = text.find_first_of("0123456789", at);
      if (at == std::string::npos) continue;
      std::size_t end = text.find_first_not_of("0123456789", at);
      if (end == std::string::npos) end = text.size();
      const bool negative = at > 0 && text[at - 1] == '-';
      if (negative) --at;
      const long value = std::stol(text.substr(at, end - at));
      const long moved = number(0, 3) == 0 ? number(-2, 12) : value + number(-3, 3);
      text.replace(at, end - at, std::to_string(moved));
    }
    return text;
  }

  std::string input() {
    std::string text;
    for (int i = 0; i < 8; ++i) text += std::to_string(number(-99, 99)) + (i % 3 ? "\n" : " T\n");
    return text;
  }

 private:
  int operand(int op, int k) {
    switch (op) {
      case kam::CALL: case kam::JUMP: case kam::JIFF: case kam::JIFT: return number(0, 13);
      case kam::LDCON: return number(-5, 20);
      case kam::CRSEG: return k == 0 ? number(0, 4) : number(0, 5);
      default: return k == 0 ? number(0, 4) : number(-1, 8);
    }
  }

  std::mt19937 random_;
};

std::string file_text(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Runs one program both ways and checks that the runs agree.
// Returns true when the program loaded and ran to its end.
bool check_program(const std::string& text, const std::string& input) {
  constexpr long long budget = 20000;
  const auto traced = kamtest::run(
      text, kamtest::RunSettings().with_input(input).traced(kam::TraceStack).with_budget(budget));
  if (traced.load_errors > 0 || traced.end != kam::RunEnd::Stopped) return false;
  // The fast loop counts fewer instructions against the budget, so a
  // program that stopped traced also stops fast.
  const auto fast = kamtest::run(text, kamtest::RunSettings().with_input(input).with_budget(budget));
  EXPECT_EQ(fast.end, kam::RunEnd::Stopped) << text;
  EXPECT_EQ(fast.out, traced.out) << text;
  EXPECT_EQ(fast.messages, traced.messages) << text;
  return true;
}

TEST(RandomPrograms, GeneratedProgramsLoadAndRun) {
  Generator generator(20261207);
  int ran = 0;
  for (int i = 0; i < 1500; ++i) ran += check_program(generator.program(), generator.input());
  EXPECT_GT(ran, 300);  // enough of them get past the loader to test the machine
}

TEST(RandomPrograms, MutatedExamplesLoadAndRun) {
  Generator generator(4711);
  const std::string dir = ZEDRA_EXAMPLES_DIR "/";
  std::vector<std::string> examples;
  for (const char* name : {"factorial", "matrix", "records", "sort", "survey"})
    examples.push_back(file_text(dir + name + ".kam"));
  for (const auto& example : examples) ASSERT_FALSE(example.empty());
  int ran = 0;
  for (int i = 0; i < 1500; ++i) {
    const auto& example = examples[static_cast<std::size_t>(i) % examples.size()];
    ran += check_program(generator.mutate(example), generator.input());
  }
  EXPECT_GT(ran, 200);
}

// Runs a program fast, traced from the start and traced from a later
// instruction; all three runs must agree.
void check_three_ways(const std::string& text, const std::string& input, int later) {
  constexpr long long budget = 200000;
  const auto traced = kamtest::run(
      text, kamtest::RunSettings().with_input(input).traced(kam::TraceIo).with_budget(budget));
  if (traced.load_errors > 0 || traced.end != kam::RunEnd::Stopped) return;
  const auto fast = kamtest::run(text, kamtest::RunSettings().with_input(input).with_budget(budget));
  EXPECT_EQ(fast.end, kam::RunEnd::Stopped) << text;
  EXPECT_EQ(fast.out, traced.out) << text;
  EXPECT_EQ(fast.messages, traced.messages) << text;
  const auto late = kamtest::run(
      text,
      kamtest::RunSettings().with_input(input).traced(kam::TraceIo, later).with_budget(budget));
  EXPECT_EQ(late.end, kam::RunEnd::Stopped) << text;
  EXPECT_EQ(late.out, traced.out) << "tracing from " << later << "\n" << text;
  EXPECT_EQ(late.messages, traced.messages) << "tracing from " << later << "\n" << text;
}

// Programs the MiniPas compiler wrote, whole and with numbers moved: the
// fast loop runs the sequences it fuses on them.
TEST(RandomPrograms, MiniPasProgramsAgreeFastAndTraced) {
  Generator generator(2026);
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(ZEDRA_MINIPAS_KAM_DIR))
    if (entry.path().extension() == ".kam") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  ASSERT_GE(files.size(), 10u);
  for (const auto& file : files) {
    const std::string text = file_text(file.string());
    ASSERT_FALSE(text.empty()) << file;
    for (int i = 0; i < 40; ++i)
      check_three_ways(i == 0 ? text : generator.nudge(text), generator.input(),
                       generator.number(2, 60));
  }
}

TEST(RandomPrograms, ByteSoupDoesNotCrashTheLoader) {
  Generator generator(99);
  for (int i = 0; i < 300; ++i) {
    std::string text;
    const int length = generator.number(0, 3000);
    for (int k = 0; k < length; ++k) text += static_cast<char>(generator.number(0, 255));
    const auto loaded = kamtest::load(text);
    EXPECT_GE(loaded.errors, 0);
  }
}

}  // namespace
