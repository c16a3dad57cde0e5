#include <gtest/gtest.h>

#include <string>

#include "opcodes.h"
#include "test_support.h"

namespace {

using kamtest::load;

TEST(OpcodeTable, NamesAreFoundByBisection) {
  for (int op = 0; op < kam::opcode_count; ++op)
    EXPECT_EQ(kam::find_opcode(kam::opcode_info(op).name), op);
  EXPECT_EQ(kam::find_opcode("foo"), -1);
  EXPECT_EQ(kam::find_opcode(""), -1);
  EXPECT_EQ(kam::find_opcode("ADD"), -1);
  EXPECT_EQ(kam::opcode_info(kam::DESCR).operands, 3);
  EXPECT_EQ(kam::opcode_info(kam::NOOP).trace_class, 0u);
}

TEST(Loader, ReadsAllThreeSections) {
  const auto loaded =
      load("ldcon 3\nldcon 4\nadd\nwrint\npop\nhalt\n.\n1: 5\n.\n1: \"result\"\n");
  EXPECT_EQ(loaded.errors, 0) << loaded.messages;
  ASSERT_EQ(loaded.program.code.size(), 6u);
  EXPECT_EQ(loaded.program.code[0].op, kam::LDCON);
  EXPECT_EQ(loaded.program.code[0].args[0], 3);
  EXPECT_EQ(loaded.program.code[2].line, 3);
  EXPECT_EQ(loaded.program.halt_index, 5);
  EXPECT_EQ(loaded.program.length_count, 1);
  EXPECT_EQ(loaded.program.lengths[1], 5);
  EXPECT_EQ(loaded.program.string_count, 1);
  EXPECT_EQ(loaded.program.strings[0], "result");
}

TEST(Loader, LabelOnTheFirstInstructionIsDefined) {
  const auto loaded = load("1: noop\njump 1\nhalt\n.\n");
  EXPECT_EQ(loaded.errors, 0) << loaded.messages;
  EXPECT_EQ(loaded.program.label_target(1), 0);
  EXPECT_EQ(loaded.program.label_target(2), kam::no_instruction);
  EXPECT_EQ(loaded.program.label_target(0), kam::no_instruction);
  EXPECT_EQ(loaded.program.label_target(251), kam::no_instruction);
}

TEST(Loader, DuplicateLabelIsReportedAndOverwrites) {
  const auto loaded = load("3: jump 3\n3: noop\nhalt\n.\n");
  EXPECT_EQ(loaded.errors, 1);
  EXPECT_EQ(loaded.messages, "test.kam:2: Error Label number already in use\n");
  EXPECT_EQ(loaded.program.label_target(3), 1);
}

TEST(Loader, OperandsAreCountedPerInstruction) {
  const auto loaded = load("add 5\nldcon\nvaraddr 1\ndescr 1 2 3 4\nhalt\n.\n");
  EXPECT_EQ(loaded.errors, 2);
  EXPECT_EQ(loaded.messages,
            "test.kam:2: Error 1 argument(s) expected\n"
            "test.kam:3: Error 2 argument(s) expected\n");
  EXPECT_EQ(loaded.program.code.size(), 5u);
  EXPECT_EQ(loaded.program.code[3].args[2], 3);
}

TEST(Loader, UnknownOperationLoadsNoop) {
  const auto loaded = load("foo\nhalt\n.\n");
  EXPECT_EQ(loaded.messages, "test.kam:1: Error Unknown operation 'foo'\n");
  EXPECT_EQ(loaded.program.code[0].op, kam::NOOP);
}

TEST(Loader, CommentLinesAdvanceTheLineNumber) {
  const auto loaded = load("# one\n# two\nbar\nhalt\n.\n");
  EXPECT_EQ(loaded.messages, "test.kam:3: Error Unknown operation 'bar'\n");
}

TEST(Loader, NumbersBeyond32BitsAreNotOperands) {
  const auto loaded = load("ldcon 2147483648\nldcon -2147483648\n4294967297: noop\nhalt\n.\n");
  EXPECT_EQ(loaded.errors, 2);
  EXPECT_EQ(loaded.program.code[1].args[0], INT32_MIN);
}

TEST(Loader, ExactlyAThousandInstructions) {
  std::string text;
  for (int i = 0; i < 999; ++i) text += "noop\n";
  EXPECT_EQ(load(text + "halt\n.\n").errors, 0);
  const auto over = load("noop\n" + text + "halt\n.\n");
  EXPECT_EQ(over.messages, "test.kam:1001: Error Cannot handle more than 1000 instructions\n");
}

TEST(Loader, HaltMustExistAfterTheFirstInstruction) {
  EXPECT_EQ(load("noop\n.\n").messages, "test.kam:2: Error KAM code empty or not finalised\n");
  EXPECT_EQ(load("halt\n.\n").errors, 1);
  EXPECT_EQ(load("").errors, 1);
  EXPECT_EQ(load("noop\nhalt\nnoop\nhalt\n.\n").program.halt_index, 3);
}

TEST(Loader, LengthTableBounds) {
  const auto loaded = load("noop\nhalt\n.\n249: 7\n250: 1\n3: -1\nnonsense\n.\n");
  EXPECT_EQ(loaded.errors, 2);
  EXPECT_EQ(loaded.program.lengths[249], 7);
  EXPECT_EQ(loaded.program.length_count, 3);
}

TEST(Loader, StringsAreCopiedByteForByte) {
  const auto loaded = load(
      "noop\nhalt\n.\n.\n1: \"a\\tb\"\n2: \"say \"hi\"\"\r\n3 \"no colon\"\n4: \"\n5: \"last\"");
  EXPECT_EQ(loaded.errors, 0) << loaded.messages;
  EXPECT_EQ(loaded.program.strings[0], "a\\tb");
  EXPECT_EQ(loaded.program.strings[1], "say \"hi\"");
  EXPECT_EQ(loaded.program.strings[2], "no colon");
  EXPECT_EQ(loaded.program.strings[3], "");
  EXPECT_EQ(loaded.program.strings[4], "last");  // no final newline: nothing lost
  EXPECT_EQ(loaded.program.string_count, 5);
}

TEST(Loader, StringNumbersOutsideTheTable) {
  const auto loaded = load("noop\nhalt\n.\n.\n0: \"x\"\n200: \"y\"\n199: \"z\"\n");
  EXPECT_EQ(loaded.errors, 2);
  EXPECT_EQ(loaded.program.strings[198], "z");
}

TEST(Loader, LongLinesAreReadWhole) {
  const std::string pad(500, 'x');
  const auto loaded = load("ldcon 1 # " + pad + "\nhalt\n.\n.\n1: \"" + pad + "\"\n");
  EXPECT_EQ(loaded.errors, 0) << loaded.messages;
  EXPECT_EQ(loaded.program.code.size(), 2u);
  EXPECT_EQ(loaded.program.strings[0], pad);
}

}  // namespace
