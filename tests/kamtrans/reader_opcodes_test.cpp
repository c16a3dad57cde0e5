// The KAM-code reader's grammar (k2x.inp) hands the back-end opcodes as
// numbers, and its scanner (k2x.scn) spells the instruction words; both are
// fixed texts beside the opcode table. These tests read them and check that
// every instruction word carries the opcode and operand count of the table.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "opcodes.h"

namespace {

std::string read_file(const std::string& path) {
  std::ifstream in(path);
  EXPECT_TRUE(in) << "cannot read " << path;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Token name to instruction word, from the KEYWORDS section of k2x.scn.
std::map<std::string, std::string> keywords() {
  const std::string scanner = read_file(ZEDRA_KAMTRANS_DIR "/k2x.scn");
  const auto begin = scanner.find("KEYWORDS");
  const auto end = scanner.find("CHARSETS");
  EXPECT_NE(begin, std::string::npos);
  EXPECT_NE(end, std::string::npos);
  const std::string section = scanner.substr(begin, end - begin);
  const std::regex keyword(R"((\w+_token) : (\w+) \.)");
  std::map<std::string, std::string> words;
  for (std::sregex_iterator it(section.begin(), section.end(), keyword), last; it != last; ++it)
    words[(*it)[1]] = (*it)[2];
  return words;
}

struct ReaderOpcode {
  std::string token;
  int number;
  int operands;
};

// Every "<token> do_code(<number>, op_number OF op<k>_word)" of k2x.inp.
std::vector<ReaderOpcode> reader_opcodes() {
  const std::string grammar = read_file(ZEDRA_KAMTRANS_DIR "/k2x.inp");
  const std::regex code(R"((\w+_token) do_code\((\d+), op_number OF op(\d)_word\))");
  std::vector<ReaderOpcode> opcodes;
  for (std::sregex_iterator it(grammar.begin(), grammar.end(), code), last; it != last; ++it)
    opcodes.push_back({(*it)[1], std::stoi((*it)[2]), std::stoi((*it)[3])});
  return opcodes;
}

TEST(ReaderOpcodes, EveryOpcodeHasOneInstructionWord) {
  const auto opcodes = reader_opcodes();
  ASSERT_EQ(opcodes.size(), static_cast<std::size_t>(kam::opcode_count));
  std::map<int, int> seen;
  for (const auto& op : opcodes) ++seen[op.number];
  for (int op = 0; op < kam::opcode_count; ++op)
    EXPECT_EQ(seen[op], 1) << kam::opcode_info(op).name;
  EXPECT_EQ(keywords().size(), static_cast<std::size_t>(kam::opcode_count));
}

TEST(ReaderOpcodes, NumbersAndOperandCountsMatchTheTable) {
  const auto words = keywords();
  for (const auto& op : reader_opcodes()) {
    const auto word = words.find(op.token);
    ASSERT_NE(word, words.end()) << op.token << " is not a keyword of k2x.scn";
    EXPECT_EQ(kam::find_opcode(word->second), op.number) << word->second;
    if (op.number < 0 || op.number >= kam::opcode_count) continue;
    EXPECT_EQ(kam::opcode_info(op.number).operands, op.operands) << word->second;
  }
}

}  // namespace
