#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loader.h"
#include "machine.h"
#include "test_support.h"

namespace {

using kamtest::run;

// The output of a program that writes one result.
std::string result_of(const std::string& code) { return run(code + "halt\n.\n").out; }

TEST(Machine, OperatorEdgeCases) {
  EXPECT_EQ(result_of("ldcon 7\nldcon 2\nsub\nwrint\npop\n"), "5\n");
  EXPECT_EQ(result_of("ldcon -7\nldcon 2\nmdl\nwrint\npop\n"), "-1\n");
  EXPECT_EQ(result_of("ldcon -7\nldcon 2\ndvi\nwrint\npop\n"), "-3\n");
  EXPECT_EQ(result_of("ldcon 2\nldcon 3\nand\nwrint\npop\n"), "1\n");
  EXPECT_EQ(result_of("ldcon 1\nldcon -1\nor\nwrint\npop\n"), "0\n");
  EXPECT_EQ(result_of("ldcon 65536\nldcon 65536\nand\nwrint\npop\n"), "1\n");
  EXPECT_EQ(result_of("ldcon 2147483647\nldcon 1\nadd\nwrint\npop\n"), "-2147483648\n");
  EXPECT_EQ(result_of("ldcon -2147483648\nldcon -1\ndvi\nwrint\npop\n"), "-2147483648\n");
  EXPECT_EQ(result_of("ldcon -2147483648\nabs_\nwrint\npop\n"), "-2147483648\n");
}

TEST(Machine, ModulusErrors) {
  auto negative = run("ldcon 7\nldcon -2\nmdl\nhalt\n.\n");
  EXPECT_EQ(negative.messages, "test.kam:3: KAM error: mdl: negative modulus\n");
  auto zero = run("ldcon 7\nldcon 0\nmdl\nhalt\n.\n");
  EXPECT_EQ(zero.messages, "test.kam:3: KAM error: dvi: division by zero\n");
}

TEST(Machine, StackOverflowAtTheHundredAndFirstPush) {
  auto result = run("1: ldcon 1\njump 1\nhalt\n.\n");
  EXPECT_EQ(result.messages, "test.kam:1: KAM error: stack overflow, (stack size: 100)\n");
  EXPECT_EQ(result.run_errors, 1);
}

TEST(Machine, WriteLeavesItsOperand) {
  auto result = run("ldcon 42\nwrint\nhalt\n.\n");
  EXPECT_EQ(result.out, "42\n");
  EXPECT_EQ(result.messages,
            "test.kam:3: KAM error: Stack not empty after program termination (SP = 1)\n");
}

// Loads text into a machine that the test can step and inspect.
struct Stepper {
  explicit Stepper(const std::string& text)
      : err(std::tmpfile()), out(std::tmpfile()), reporter(err.get()), tracer(out.get(), err.get()) {
    reporter.set_file("test.kam");
    kam::Program program;
    auto source = kamtest::file_with(text);
    kam::load_program(source.get(), program, reporter);
    machine = std::make_unique<kam::Machine>(std::move(program), reporter, tracer, stdin, out.get());
  }
  void steps(int count) {
    for (int i = 0; i < count; ++i) ASSERT_TRUE(machine->step()) << kamtest::contents(err.get());
  }
  kamtest::FilePtr err, out;
  kam::Reporter reporter;
  kam::Tracer tracer;
  std::unique_ptr<kam::Machine> machine;
};

TEST(Machine, FirstSegmentHasItsDataAtAddressFour) {
  Stepper s("crseg 1 1\nvaraddr 1 2\nldvar 1 3\nhalt\n.\n1: 3\n.\n");
  s.steps(2);
  EXPECT_EQ(s.machine->display(1), 4);
  EXPECT_EQ(s.machine->stack().back(), 6);
  EXPECT_FALSE(s.machine->step());
  EXPECT_EQ(kamtest::contents(s.err.get()),
            "test.kam:3: KAM error: Displacement outside of specified segment\n");
}

TEST(Machine, DescriptorWordsAndIndexing) {
  Stepper s(
      "crseg 1 1\nldcon 1\nldcon 3\nldcon 0\nldcon 4\ndescr 1 0 2\n"
      "ldcon 2\nldcon 3\nldcon -1\nxvaraddr 1 0\nhalt\n.\n1: 6\n.\n");
  s.steps(6);
  const auto memory = s.machine->memory();
  const std::vector<std::int32_t> words(memory.begin() + 4, memory.begin() + 10);
  EXPECT_EQ(words, (std::vector<std::int32_t>{2, 6, 15, 1, 5, 0}));
  EXPECT_EQ(memory[1], 6 + 15);  // the segment's length grew
  EXPECT_EQ(memory.size(), 4u + 6 + 15);
  s.steps(4);
  EXPECT_EQ(s.machine->stack().back(), 4 + 6 + 8);
}

TEST(Machine, RecursionRestoresTheDisplay) {
  // main (level 1) calls p (level 2), which calls itself once.
  Stepper s(
      "crseg 1 1\ncrseg 2 1\ncrseg 2 1\ndlseg\ndlseg\ndlseg\nhalt\n.\n1: 1\n.\n");
  s.steps(3);
  const auto memory = s.machine->memory();
  const std::int32_t first = 9;    // data of the first level-2 segment
  const std::int32_t second = 14;  // data of the recursive one
  EXPECT_EQ(s.machine->display(2), second);
  EXPECT_EQ(memory[second - 2], memory[first - 2]);  // same static link
  EXPECT_EQ(memory[second - 1], first);             // dynamic link
  s.steps(1);
  EXPECT_EQ(s.machine->display(2), first);
  EXPECT_EQ(s.machine->csn(), 2);
  s.steps(2);
  EXPECT_EQ(s.machine->csn(), 0);
  EXPECT_TRUE(s.machine->memory().empty());
}

TEST(Machine, ZeroLengthSegmentCreatedLast) {
  auto result = run("crseg 1 1\nldvar 1 0\nhalt\n.\n1: 0\n.\n");
  EXPECT_EQ(result.messages,
            "test.kam:2: KAM error: Referring to segment 1 which has length 0\n");
}

TEST(Machine, JumpsToTheFirstInstructionAndPastHalt) {
  EXPECT_EQ(run("1: rdint\nwrint\njiff 1\npop\nhalt\n.\n", kamtest::RunSettings().with_input("0\n0\n4\n")).out,
            "0\n0\n4\n");
  EXPECT_EQ(run("jump 1\nhalt\n1: noop\n.\n").messages,
            "test.kam:1: KAM error: Next instruction out of range\n");
}

// The fused fast instructions must behave exactly like the traced path,
// errors included, wherever they stop.
TEST(Machine, FastAndTracedExecutionAgree) {
  const std::vector<std::string> programs = {
      "crseg 1 1\nldcon 5\nstvar 1 0\n1: ldvar 1 0\nldcon 0\ngt\njiff 2\nldvar 1 0\nldvar 1 1\n"
      "add\nstvar 1 1\nldvar 1 0\nldcon 1\nsub\nstvar 1 0\njump 1\n2: ldvar 1 1\nwrint\npop\n"
      "dlseg\nhalt\n.\n1: 2\n.\n",
      // stack overflow inside a fused ldvar pair
      "crseg 1 1\n1: ldvar 1 0\nldvar 1 0\njump 1\nhalt\n.\n1: 1\n.\n",
      // displacement error in the store of a fused add/stvar
      "crseg 1 1\nldcon 1\nldcon 2\nadd\nstvar 1 9\nhalt\n.\n1: 1\n.\n",
      // empty stack in a fused compare and jump
      "ldcon 1\nlt\njiff 1\n1: halt\n.\n",
      // fused quadruples: the loop test, "x := y + z" and "x := y - 1",
      // each also failing in its last part
      "crseg 1 1\nldcon 3\nstvar 1 0\n1: ldvar 1 1\nldvar 1 0\nlt\njiff 2\nldvar 1 2\nldvar 1 1\n"
      "add\nstvar 1 2\nldvar 1 1\nldcon 1\nadd\nstvar 1 1\njump 1\n2: ldvar 1 2\nwrint\npop\n"
      "ldvar 1 0\nldcon 1\nsub\nstvar 1 7\ndlseg\nhalt\n.\n1: 3\n.\n",
      "crseg 1 1\nldvar 1 0\nldvar 1 0\nmul\nstvar 2 0\nhalt\n.\n1: 1\n.\n",
      // a quadruple with 99 words on the stack overflows at its second load
      "crseg 1 1\n1: ldcon 1\nldvar 1 0\nldcon 98\nge\njiff 2\nldvar 1 0\nldcon 1\nadd\nstvar 1 0\n"
      "jump 1\n2: ldvar 1 0\nldvar 1 0\nadd\nstvar 1 0\nhalt\n.\n1: 1\n.\n",
      // wrap-around in the fused path
      "crseg 1 1\nldcon 2147483647\nstvar 1 0\nldvar 1 0\nldcon 1\nadd\nstvar 1 0\n"
      "ldvar 1 0\nwrint\npop\ndlseg\nhalt\n.\n1: 1\n.\n",
  };
  for (const auto& program : programs) {
    const auto fast = run(program);
    const auto traced = run(program, kamtest::RunSettings().traced(kam::TraceStack));
    EXPECT_EQ(fast.out, traced.out) << program;
    EXPECT_EQ(fast.messages, traced.messages) << program;
  }
}

// Checked variable addresses are reused by the fast loop only while the
// segment layout stays the same: a length word overwritten through stind,
// or a header word reached through a stretched segment, must be noticed.
TEST(Machine, HeaderWordsOverwrittenAtRunTime) {
  // Each loop runs its first instruction twice, the layout changing between.
  const std::string shrink =
      "crseg 1 1\ncrseg 2 2\n1: ldcon 8\nstvar 2 2\nldvar 2 0\njift 2\nldcon 1\nstvar 2 0\n"
      "varaddr 2 0\nldcon -3\nadd\nldcon 1\nstind\npop\njump 1\n2: dlseg\ndlseg\nhalt\n"
      ".\n1: 1\n2: 3\n.\n";
  const std::string stretch =
      "crseg 1 1\ncrseg 2 1\ncrseg 3 1\n1: ldvar 3 0\npop\nldvar 2 0\njift 2\nvaraddr 2 0\n"
      "ldcon -3\nadd\nldcon 10\nstind\npop\nldcon 0\nstvar 2 2\nldcon 1\nstvar 2 0\njump 1\n"
      "2: halt\n.\n1: 1\n.\n";
  for (const auto& program : {shrink, stretch}) {
    const auto fast = run(program);
    const auto traced = run(program, kamtest::RunSettings().traced(kam::TraceStack));
    EXPECT_EQ(fast.messages, traced.messages);
    EXPECT_NE(fast.messages.find("Displacement outside of specified segment"), std::string::npos)
        << fast.messages;
  }
}

TEST(Machine, TracingStartsAtTheChosenInstruction) {
  const std::string program =
      "crseg 1 1\nldvar 1 0\nldvar 1 0\nadd\nstvar 1 0\ndlseg\nhalt\n.\n1: 1\n.\n";
  // Instruction 2 is the second half of a fused pair: it is still traced.
  const auto result = run(program, kamtest::RunSettings().traced(kam::TraceLoad | kam::TraceSto, 2));
  EXPECT_EQ(result.trace, "IC:  2 ldvar\t1\t0\nIC:  4 stvar\t1\t0\n");
}

TEST(Machine, BudgetEndsEndlessLoops) {
  const auto settings = kamtest::RunSettings().with_budget(1000);
  EXPECT_EQ(run("1: jump 1\nhalt\n.\n", settings).end, kam::RunEnd::OutOfBudget);
  // a loop of one fused load-compare-jump
  EXPECT_EQ(run("crseg 1 1\n1: ldvar 1 0\nldcon 5\ngt\njiff 1\nhalt\n.\n1: 1\n.\n", settings).end,
            kam::RunEnd::OutOfBudget);
  EXPECT_EQ(run("1: ldcon 1\nldcon 2\ngt\njiff 1\nhalt\n.\n", settings).end,
            kam::RunEnd::OutOfBudget);
}

}  // namespace
