// The fast loop's fused sequences at the edges of their checks: every
// program runs fast and traced (each instruction through the reference
// step), and both runs must print the same and report the same messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "opcodes.h"
#include "test_support.h"

namespace {

// text with every "{name}" replaced by its value.
std::string filled(std::string text, const std::vector<std::pair<std::string, int>>& values) {
  for (const auto& [name, value] : values) {
    const std::string key = "{" + name + "}";
    for (auto at = text.find(key); at != std::string::npos; at = text.find(key))
      text.replace(at, key.size(), std::to_string(value));
  }
  return text;
}

void expect_same_runs(const std::string& text) {
  const auto traced = kamtest::run(text, kamtest::RunSettings().traced(kam::TraceIo));
  const auto fast = kamtest::run(text);
  ASSERT_EQ(traced.load_errors, 0) << traced.messages << text;
  EXPECT_EQ(fast.out, traced.out) << text;
  EXPECT_EQ(fast.messages, traced.messages) << text;
  EXPECT_EQ(fast.memory, traced.memory) << text;
  EXPECT_EQ(fast.display, traced.display) << text;
  EXPECT_EQ(fast.csn, traced.csn) << text;
}

// A level-1 segment of 10 words with an array [{lo}..{hi}] described at
// 0, {i} in word 4 and a second array described at 5, whose elements follow
// those of the first, then the sequence.
std::string with_array(const std::string& sequence) {
  return "crseg 1 1\nldcon {lo}\nldcon {hi}\ndescr 1 0 1\nldcon {i}\nstvar 1 4\n"
         "ldcon 0\nldcon 2\ndescr 1 5 1\n" +
         sequence + "dlseg\nhalt\n.\n1: 10\n2: 3\n";
}

TEST(FastPaths, IndexedAccessAtTheBounds) {
  const std::vector<std::string> sequences = {
      "ldvar 1 4\nldcon -1\nldxvar 1 0\nwrint\npop\n",
      "ldcon 7\nldvar 1 4\nldcon -1\nstxvar 1 0\nldvar 1 4\nldcon -1\nldxvar 1 0\nwrint\npop\n",
      "ldcon 6\nldvar 1 4\nldcon -1\nstxvar 1 0\nldcon {i}\nldcon -1\nldxvar 1 0\nwrint\npop\n",
      "ldcon 5\nldcon {i}\nldcon -1\nstxvar 1 0\nldvar 1 4\nldcon -1\nldxvar 1 0\nwrint\npop\n",
      // the selector computed: ldxvar and stxvar on their own
      "ldcon 4\nldcon {i}\nldcon -2\nldcon 1\nadd\nstxvar 1 0\n"
      "ldcon {i}\nldcon -2\nldcon 1\nadd\nldxvar 1 0\nwrint\npop\n",
      "ldvar 1 4\nldcon -1\nldxvar 1 0\nnot\nldvar 1 4\nldcon -1\nldxvar 1 0\nnot\nand\n"
      "jiff 1\nldcon 1\nwrint\npop\n1: noop\n",
      // a selector of another value goes the reference way
      "ldcon {i}\nldcon 0\nldcon 3\nldcon 1\nldxvar 1 0\nwrint\npop\n",
  };
  for (const auto& sequence : sequences)
    for (const int lo : {-3, 0, 1})
      for (const int hi : {lo, lo + 2})
        for (const int i : {lo - 1, lo, hi, hi + 1, 1 << 30})
          expect_same_runs(filled(with_array(sequence), {{"lo", lo}, {"hi", hi}, {"i", i}}));
}

// Indexes computed as the sum or difference of two variables, as the
// MiniPas compiler emits them for a[i + j]: the second variable is word 9.
TEST(FastPaths, ComputedIndexesAtTheBounds) {
  const std::vector<std::string> sequences = {
      "ldcon 1\nldvar 1 4\nldvar 1 9\nadd\nldcon -1\nldxvar 1 0\nnot\nand\nwrint\npop\n",
      "ldcon 1\nldvar 1 4\nldvar 1 9\nsub\nldcon -1\nldxvar 1 0\nnot\nand\nwrint\npop\n",
      "ldcon 1\nldvar 1 4\nldvar 1 9\nadd\nldcon -1\nldxvar 1 0\nnot\nand\njiff 1\n"
      "ldcon 7\nwrint\npop\n1: noop\n",
      "ldcon 1\nldvar 1 4\nldvar 1 9\nsub\nldcon -1\nldxvar 1 0\nnot\nand\njiff 1\n"
      "ldcon 7\nwrint\npop\n1: noop\n",
      "ldcon 3\nldvar 1 4\nldvar 1 9\nadd\nldcon -1\nstxvar 1 0\n"
      "ldcon 0\nldvar 1 4\nldvar 1 9\nadd\nldcon -1\nldxvar 1 0\nnot\nand\nwrint\npop\n",
      "ldcon 3\nldvar 1 4\nldvar 1 9\nsub\nldcon -1\nstxvar 1 0\n"
      "ldcon 1\nldvar 1 4\nldvar 1 9\nsub\nldcon -1\nldxvar 1 0\nnot\nand\nwrint\npop\n",
      // the operand of and is missing: the stack is empty
      "ldvar 1 4\nldvar 1 9\nadd\nldcon -1\nldxvar 1 0\nnot\nand\nwrint\npop\n",
      "ldvar 1 4\nldvar 1 9\nsub\nldcon -1\nldxvar 1 0\nnot\nand\njiff 1\n1: noop\n",
  };
  for (const auto& sequence : sequences)
    for (const int lo : {-3, 0, 1})
      for (const int hi : {lo, lo + 2})
        for (const int i : {lo - 1, lo, hi, hi + 1, 1 << 30})
          for (const int j : {-1, 0, 1, 1 << 30})
            expect_same_runs(filled(with_array("ldcon {j}\nstvar 1 9\n" + sequence),
                                    {{"lo", lo}, {"hi", hi}, {"i", i}, {"j", j}}));
}

// The step of a while loop and its test (ldvar; ldvar or ldcon; add or sub;
// stvar; ldvar; ldcon; comparison; jiff or jift), with variables at the end
// of their segment, the test taken both ways.
TEST(FastPaths, WhileLoopSteps) {
  const std::vector<std::string> steps = {"ldvar 1 0\nldvar 1 1\nadd\n",
                                          "ldvar 1 0\nldvar 1 1\nsub\n",
                                          "ldvar 1 0\nldcon 2\nadd\n", "ldvar 1 0\nldcon 2\nsub\n"};
  const std::vector<std::string> tests = {"le\njift 1\n", "gt\njiff 1\n", "ne\njift 1\n",
                                          "lt\njiff 1\n", "eq\njiff 1\n", "ge\njift 1\n"};
  for (const auto& step : steps)
    for (const auto& test : tests)
      for (const int d : {-1, 0, 4, 5})
        for (const int t : {0, 4, 5}) {
          const std::string program =
              "crseg 1 1\nldcon 1\nstvar 1 1\nldcon 9\nstvar 1 4\n" + step +
              "stvar 1 {d}\nldvar 1 {t}\nldcon 9\n" + test + "ldvar 1 0\nwrint\npop\n"
              "1: ldvar 1 4\nwrint\npop\ndlseg\nhalt\n.\n1: 5\n";
          expect_same_runs(filled(program, {{"d", d}, {"t", t}}));
        }
}

// The test of a while loop's step against constants at the ends of the
// range of words, and next to them, for every comparison: x goes from {x}
// by 1 while the test holds (jift) or fails (jiff), four times at most.
TEST(FastPaths, WhileLoopTestsAtTheEndsOfTheRange) {
  const std::string program =
      "crseg 1 1\nldcon {x}\nstvar 1 0\nldcon 1\nstvar 1 2\n1: ldvar 1 0\nwrint\npop\n"
      "ldvar 1 1\nldcon 1\nadd\nstvar 1 1\nldvar 1 1\nldcon 4\ngt\njift 2\n"
      "ldvar 1 0\n{by}\n{op}\nstvar 1 0\nldvar 1 0\nldcon {c}\n{cmp}\n{branch} 1\n"
      "2: dlseg\nhalt\n.\n1: 3\n";
  constexpr int least = -2147483647 - 1, most = 2147483647;
  for (const char* cmp : {"eq", "ne", "lt", "le", "gt", "ge"})
    for (const char* branch : {"jiff", "jift"})
      for (const char* by : {"ldcon 1", "ldvar 1 2"})
        for (const char* op : {"add", "sub"})
          for (const int x : {least, -1, 0, most - 1})
            for (const int c : {least, least + 1, 0, 1, most - 1, most}) {
              std::string text = program;
              for (const auto& [key, value] : std::vector<std::pair<std::string, std::string>>{
                       {"{cmp}", cmp}, {"{branch}", branch}, {"{by}", by}, {"{op}", op}})
                text.replace(text.find(key), key.size(), value);
              expect_same_runs(filled(text, {{"x", x}, {"c", c}}));
            }
}

// A for loop whose body begins with a test of its variable: the step the
// loop's comparison jumps back to is fused with that test.
TEST(FastPaths, ForLoopStepFollowedByATest) {
  const std::string program =
      "crseg 1 1\nldcon 1\nstvar 1 0\njump 3\n2: ldvar 1 0\nldcon 1\nadd\nstvar 1 0\n"
      "3: ldvar 1 {d}\nldcon {k}\nlt\njiff 4\nldvar 1 0\nwrint\npop\n"
      "4: ldvar 1 0\nldcon {n}\nlt\njift 2\nldvar 1 1\nwrint\npop\ndlseg\nhalt\n.\n"
      "1: {len}\n";
  for (const int d : {0, 1, 2})
    for (const int k : {0, 3, 9})
      for (const int n : {0, 1, 5})
        for (const int len : {1, 2})
          expect_same_runs(filled(program, {{"d", d}, {"k", k}, {"n", n}, {"len", len}}));
}

// The test of a for loop that jumps to its step: the step of the variable
// tested ({x}, {y} and {t} all 0), or a step that loads ({x}) or stores
// ({y}) another variable than the test ({t}) loads; a count ends the loop
// after four steps.
TEST(FastPaths, ForLoopTestsThatDoTheStep) {
  const std::string program =
      "crseg 1 1\nldcon 7\nstvar 1 1\njump 3\n2: ldvar 1 {x}\nldcon 2\nadd\nstvar 1 {y}\n"
      "ldvar 1 0\nwrint\npop\nldvar 1 1\nwrint\npop\n"
      "ldvar 1 2\nldcon 1\nadd\nstvar 1 2\nldvar 1 2\nldcon 4\ngt\njift 4\n"
      "3: ldvar 1 {t}\n{bound}\nlt\njift 2\n4: dlseg\nhalt\n.\n1: 3\n";
  for (const int x : {0, 1})
    for (const int y : {0, 1})
      for (const int t : {0, 1})
        for (const char* bound : {"ldcon 9", "ldvar 1 1"}) {
          std::string text = program;
          text.replace(text.find("{bound}"), 7, bound);
          expect_same_runs(filled(text, {{"x", x}, {"y", y}, {"t", t}}));
        }
}

TEST(FastPaths, TwoDimensionsAtTheBounds) {
  const std::string program =
      "crseg 1 1\nldcon 1\nldcon 2\nldcon {lo}\nldcon 3\ndescr 1 0 2\n"
      "ldcon 9\nldcon {a}\nldcon {b}\nldcon -1\nstxvar 1 0\n"
      "ldcon {a}\nldcon {b}\nldcon -1\nldxvar 1 0\nwrint\npop\ndlseg\nhalt\n.\n1: 8\n";
  for (const int lo : {0, 3, 4})
    for (const int a : {0, 1, 2, 3})
      for (const int b : {lo - 1, lo, 3, 4})
        expect_same_runs(filled(program, {{"lo", lo}, {"a", a}, {"b", b}}));
}

TEST(FastPaths, VariablesAtTheEndOfTheirSegment) {
  const std::vector<std::string> sequences = {
      "ldvar 1 {d}\nwrint\npop\n",
      "ldcon 3\nstvar 1 {d}\n",
      "ldvar 1 {d}\nldvar 1 0\nadd\nstvar 1 1\n",
      "ldvar 1 0\nldcon 2\nmul\nstvar 1 {d}\n",
      "ldvar 1 {d}\nldcon 2\nlt\njift 1\n1: noop\n",
      "ldvar 1 0\nldvar 1 {d}\nge\njiff 1\n1: noop\n",
      "ldvar 1 {d}\nstvar 1 0\n",
      "ldcon 1\nldvar 1 {d}\nsub\nwrint\npop\n",
      "ldcon 1\nldcon 2\nadd\nstvar 1 {d}\n",
      "ldvar 2 0\nwrint\npop\n",
  };
  for (const auto& sequence : sequences)
    for (const int d : {-1, 0, 5, 6, 7})
      expect_same_runs(filled("crseg 1 1\n" + sequence + "dlseg\nhalt\n.\n1: 6\n", {{"d", d}}));
}

TEST(FastPaths, ProceduresAndTheirFrames) {
  // A procedure of level {sn} with {n} words stores {k} parameters at {d}.
  const std::string program =
      "jump 9\n1: crseg {sn} 2\nstvar {sn} {d}\nstvar {sn} 0\nldvar {sn} 0\ndlseg\nreturn_\n"
      "9: crseg 1 1\nldcon 5\nldcon 6\ncall 1\nwrint\npop\n"
      "ldcon 1\nldcon 2\ncall 1\ncall 1\nwrint\npop\npop\ndlseg\nhalt\n.\n1: 2\n2: {n}\n";
  for (const int sn : {1, 2, 3})
    for (const int n : {0, 1, 2})
      for (const int d : {-1, 0, 1, 2})
        expect_same_runs(filled(program, {{"sn", sn}, {"n", n}, {"d", d}}));
}

TEST(FastPaths, RecursionDeeperThanTheReturnStack) {
  const std::string program =
      "jump 9\n1: crseg 2 2\nstvar 2 0\nldvar 2 0\nldcon 0\ngt\njiff 2\nldvar 2 0\nldcon 1\n"
      "sub\ncall 1\npop\n2: ldvar 2 0\ndlseg\nreturn_\n"
      "9: crseg 1 1\nldcon {depth}\ncall 1\nwrint\npop\ndlseg\nhalt\n.\n1: 1\n2: 1\n";
  for (const int depth : {10, 98, 99, 100, 101, 150})
    expect_same_runs(filled(program, {{"depth", depth}}));
}

// A recursive procedure whose segment is given another length through
// stind before it calls itself: the dlseg back to it finds its window cut
// short by, or reaching into, the segment being deleted.
TEST(FastPaths, RecursionIntoASegmentOfAnotherLength) {
  const std::string program =
      "jump 9\n1: crseg 2 2\nstvar 2 0\nldvar 2 0\nldcon 0\ngt\njiff 2\n"
      "varaddr 2 0\nldcon -3\nadd\nldcon {len}\nstind\npop\nldvar 2 0\nldcon 1\nsub\n"
      "call 1\n2: ldvar 2 0\nwrint\npop\nldcon 5\nstvar 2 1\nldvar 2 {d}\nwrint\npop\n"
      "dlseg\nreturn_\n9: crseg 1 1\nldcon 3\ncall 1\nldvar 1 0\nwrint\npop\ndlseg\nhalt\n"
      ".\n1: 1\n2: 2\n";
  for (const int len : {-1, 0, 1, 2, 3, 6, 7, 100})
    for (const int d : {0, 1, 2, 6})
      expect_same_runs(filled(program, {{"len", len}, {"d", d}}));
}

// A function's value stored just before its end (ldvar; stvar; jump to
// ldvar; dlseg; return_, and add; stvar before them), with the store or
// the return failing: a displacement outside the segment, a function
// entered by a jump, so that there is no return address.
TEST(FastPaths, FunctionValuesStoredBeforeTheReturn) {
  const std::string stored =
      "jump 9\n1: crseg 2 2\nstvar 2 1\nldvar 2 1\nstvar 2 {d}\njump 3\n"
      "3: ldvar 2 {e}\ndlseg\nreturn_\n9: crseg 1 1\nldcon 4\n{enter} 1\nwrint\npop\n"
      "dlseg\nhalt\n.\n1: 1\n2: {len}\n";
  const std::string added =
      "jump 9\n1: crseg 2 2\nstvar 2 1\nldvar 2 1\nldcon 2\nlt\njiff 2\nldvar 2 1\nstvar 2 0\n"
      "jump 3\n2: ldvar 2 1\nldcon 1\nsub\ncall 1\nldvar 2 1\nldcon 2\nsub\ncall 1\nadd\n"
      "stvar 2 {d}\n3: ldvar 2 {e}\ndlseg\nreturn_\n9: crseg 1 1\nldcon 6\n{enter} 1\nwrint\n"
      "pop\ndlseg\nhalt\n.\n1: 1\n2: {len}\n";
  for (const auto& program : {stored, added})
    for (const char* enter : {"call", "jump"})
      for (const int d : {-1, 0, 1, 2})
        for (const int e : {0, 2})
          for (const int len : {1, 2}) {
            std::string text = program;
            text.replace(text.find("{enter}"), 7, enter);
            expect_same_runs(filled(text, {{"d", d}, {"e", e}, {"len", len}}));
          }
}

TEST(FastPaths, StackNearlyFull) {
  for (int words = 95; words <= 100; ++words)
    for (const char* sequence :
         {"ldvar 1 0\nldvar 1 1\n", "ldvar 1 0\nldcon 1\nadd\n", "ldvar 1 0\nldvar 1 1\nlt\n",
          "ldvar 1 0\nldcon -1\nldxvar 1 2\n", "ldcon 0\nldcon 1\nldcon -1\nstxvar 1 2\n",
          "ldvar 1 0\nldvar 1 1\nadd\nldcon -1\nldxvar 1 2\nnot\nand\n",
          "ldvar 1 0\nldvar 1 1\nsub\nldcon -1\nldxvar 1 2\nnot\nand\njiff 1\n1: noop\n",
          "ldcon 1\nldvar 1 0\nldvar 1 1\nadd\nldcon -1\nstxvar 1 2\n",
          "ldvar 1 0\nldvar 1 1\nadd\nstvar 1 1\nldvar 1 1\nldcon 3\nlt\njiff 1\n1: noop\n",
          "ldvar 1 0\nldcon 1\nsub\nstvar 1 1\nldvar 1 1\nldcon 3\nlt\njift 1\n1: noop\n"}) {
      std::string text = "crseg 1 1\nldcon 0\nldcon 1\ndescr 1 2 1\n";
      for (int k = 0; k < words; ++k) text += "ldcon 0\n";
      expect_same_runs(text + std::string(sequence) + "halt\n.\n1: 6\n");
    }
}

TEST(FastPaths, SegmentsCreatedAndDeletedOutOfOrder) {
  // Display entries left behind by deleted segments, a segment of length 0,
  // and stores into segment headers through stind.
  const std::vector<std::string> programs = {
      "crseg 1 1\ncrseg 3 1\ndlseg\ncrseg 1 2\nldvar 3 0\nwrint\npop\nldcon 2\nstvar 3 1\n"
      "dlseg\ndlseg\nhalt\n.\n1: 3\n2: 5\n",
      "crseg 1 1\ncrseg 2 3\nldvar 2 0\nwrint\npop\ndlseg\ndlseg\nhalt\n.\n1: 3\n2: 5\n3: 0\n",
      "crseg 1 1\nvaraddr 1 0\nldcon -3\nadd\nldcon 9\nstind\npop\nldcon 7\nstvar 1 8\n"
      "ldvar 1 8\nwrint\npop\ndlseg\nhalt\n.\n1: 3\n",
      "crseg 1 1\ncrseg 2 1\nvaraddr 2 0\nldcon -1\nadd\nldcon 4\nstind\npop\ndlseg\n"
      "ldvar 1 0\nwrint\npop\ndlseg\nhalt\n.\n1: 3\n",
      "crseg 1 1\ncrseg 3 2\ndlseg\nldvar 3 0\nwrint\npop\ndlseg\nhalt\n.\n1: 3\n2: 5\n",
      "crseg 1 1\ncrseg 2 1\ncrseg 3 1\nvaraddr 2 0\nldcon -3\nadd\nldcon 9\nstind\npop\n"
      "ldcon 0\nstvar 2 4\nldvar 3 0\nwrint\npop\ndlseg\ndlseg\nhalt\n.\n1: 3\n",
      "crseg 1 1\ncrseg 2 1\nvaraddr 2 0\nldcon -3\nadd\nldcon 5\nstind\npop\ndlseg\n"
      "halt\n.\n1: 3\n",
      "crseg 1 1\ncrseg 3 1\ncrseg 2 1\ndlseg\nhalt\n.\n1: 3\n",
  };
  for (const auto& program : programs) expect_same_runs(program);
}

// Segment 2 made longer through stind, so that its displacement 4 is the
// length word of segment 3: every fused store there changes a header,
// which the reference step notices, and so must the fast loop.
TEST(FastPaths, StoresIntoASegmentHeader) {
  const std::vector<std::string> sequences = {
      "ldcon 0\nstvar 2 4\n",
      "ldvar 1 0\nstvar 2 4\n",
      "ldvar 1 0\nldvar 1 1\nadd\nstvar 2 4\n",
      "ldvar 1 0\nldcon 0\nadd\nstvar 2 4\n",
      "ldcon 0\nldcon 0\nnoop\nadd\nstvar 2 4\n",
      "ldcon 0\nldvar 1 0\nsub\nstvar 2 4\n",
      "ldcon 0\nstvar 2 4\njump 1\n1: noop\n",
      "ldvar 1 0\nstvar 2 4\njump 1\n1: noop\n",
      "ldvar 1 0\nldcon 5\ngt\njiff 1\njump 2\n1: ldvar 2 4\nldcon -3\nadd\nstvar 2 4\n2: noop\n",
      "ldvar 1 0\nldvar 1 1\nlt\njift 1\njump 2\n1: ldvar 2 4\nldcon -3\nadd\nstvar 2 4\n"
      "2: noop\n",
      "ldvar 1 0\nldvar 1 1\nadd\nstvar 2 4\nldvar 1 0\nldcon 5\ngt\njiff 1\n1: noop\n",
      "ldvar 2 4\nldcon 1\nsub\nstvar 2 4\nldvar 2 4\nldcon 5\ngt\njiff 1\n1: noop\n",
      // the step of a for loop on the variable its test loads
      "ldvar 2 4\nldcon 5\nlt\njiff 1\njump 2\n1: ldvar 2 4\nldcon -3\nadd\nstvar 2 4\n2: noop\n",
      "ldvar 2 4\nldvar 1 0\nlt\njiff 1\njump 2\n1: ldvar 2 4\nldcon -3\nadd\nstvar 2 4\n"
      "2: noop\n",
  };
  for (const auto& sequence : sequences)
    expect_same_runs("crseg 1 1\ncrseg 2 1\ncrseg 3 1\nvaraddr 2 0\nldcon -3\nadd\nldcon 9\n"
                     "stind\npop\n" +
                     sequence + "ldvar 3 0\nwrint\npop\ndlseg\ndlseg\ndlseg\nhalt\n.\n1: 3\n");
}

// Segment 2 holds an array, then is made longer through stind and the
// size in the array's descriptor larger, so that elements {k} = 2, 3 and 5
// are header words of segment 3 behind it: each fused element store
// there changes a header, which the reference step notices, and so must
// the fast loop. Element 1 is the array's own, element 6 a variable of
// segment 3.
TEST(FastPaths, ElementStoresIntoASegmentHeader) {
  const std::vector<std::string> sequences = {
      "ldcon {v}\nldcon {k}\nldcon -1\nstxvar 2 0\n",
      "ldcon {v}\nldvar 1 0\nldcon -1\nstxvar 2 0\n",
      "ldvar 1 2\nldvar 1 0\nldcon -1\nstxvar 2 0\n",
      "ldcon {v}\nldvar 1 0\nldvar 1 1\nadd\nldcon -1\nstxvar 2 0\n",
      "ldcon {v}\nldvar 1 0\nldvar 1 1\nsub\nldcon -1\nstxvar 2 0\n",
      "ldcon {v}\nldcon {k}\nldcon -1\njump 9\n9: stxvar 2 0\n",
  };
  const std::string before =
      "crseg 1 1\nldcon {k}\nstvar 1 0\nldcon 0\nstvar 1 1\nldcon {v}\nstvar 1 2\n"
      "crseg 2 2\nldcon 0\nldcon 1\ndescr 2 0 1\ncrseg 3 3\n"
      "varaddr 2 0\nldcon -3\nadd\nldcon 20\nstind\npop\nldcon 100\nstvar 2 2\n";
  const std::string after =
      "ldvar 3 0\nwrint\npop\ndlseg\ndlseg\ndlseg\nhalt\n.\n1: 3\n2: 4\n3: 3\n";
  for (const auto& sequence : sequences)
    for (const int k : {1, 2, 3, 5, 6})
      for (const int v : {0, 7})
        expect_same_runs(filled(before + sequence + after, {{"k", k}, {"v", v}}));
}

// A display entry left behind by a deleted segment of level 3 points into
// the data of a later segment of level 1, so that its "length word" is a
// data word that plain stores change: to {before} when the windows are
// worked out (by the descr), to {after} when the variable is used.
TEST(FastPaths, LeftBehindWindowOverDataWords) {
  const std::string setup =
      "crseg 1 1\ncrseg 1 2\ncrseg 3 1\ndlseg\ndlseg\ncrseg 1 3\nldcon {before}\nstvar 1 2\n"
      "ldcon 0\nldcon 0\ndescr 1 10 1\nldcon {after}\nstvar 1 2\n";
  const std::string end =
      "ldvar 1 5\nwrint\npop\ndlseg\ndlseg\nhalt\n.\n1: 3\n2: 1\n3: 20\n";
  const std::vector<std::string> uses = {"ldcon 9\nstvar 3 0\n", "ldvar 3 1\nwrint\npop\n",
                                         "ldcon 9\nldcon 0\nldcon 0\nadd\nstvar 3 0\n"};
  for (const int before : {0, 5, 40})
    for (const int after : {0, 1, 5, 40})
      for (const auto& use : uses)
        expect_same_runs(filled(setup + use + end, {{"before", before}, {"after", after}}));
}

// Recursion at one level, as MiniPas compiles fib: the segments the fast
// crseg creates at its caller's level and the fast dlseg deletes without
// its checks, while nothing else changes the layout. At the deepest call
// ({leaf}), or before each call ({pre}), the layout changes otherwise, or
// the header of the caller's segment is overwritten, or the machine stops
// with every segment in place; the segments are {len} words long.
TEST(FastPaths, KeptFramesOfRecursion) {
  const std::string program =
      "jump 9\n1: crseg 2 2\nstvar 2 1\nldvar 2 1\nldcon 2\nlt\njiff 2\nldvar 2 1\nstvar 2 0\n"
      "{leaf}jump 3\n2: {pre}ldvar 2 1\nldcon 1\nsub\ncall 1\nldvar 2 1\nldcon 2\nsub\ncall 1\nadd\n"
      "stvar 2 0\n3: ldvar 2 0\ndlseg\nreturn_\n"
      "8: crseg 3 3\nldcon 7\nstvar 3 0\nldvar 2 1\nstvar 3 1\ncall 7\ndlseg\nreturn_\n"
      "7: crseg 2 3\nldcon 1\nstvar 2 0\ndlseg\nreturn_\n"
      "9: crseg 1 1\nldcon {n}\ncall 1\nwrint\npop\ndlseg\nhalt\n.\n1: 1\n2: {len}\n3: {len2}\n";
  const std::vector<std::string> leaves = {
      "",
      "halt\n",
      "call 8\n",  // a segment of level 3, then one of level 2 that is no caller's
      "ldcon 0\nstvar 2 {len}\n",
      // the caller's length word made 1, 0 or larger than its segment
      "varaddr 2 0\nldcon -3\nadd\nldvar 2 {n}\nstind\npop\n",
      // the caller's segment number made another level
      "varaddr 2 0\nldcon -4\nadd\nldcon 3\nstind\npop\n",
      // the dynamic link made to point at level 1 or at the static link
      "varaddr 2 0\nldcon -1\nadd\nldcon 5\nstind\npop\n",
      "varaddr 2 0\nldcon -1\nadd\nvaraddr 2 0\nldcon -2\nadd\nldind\nstind\npop\npop\n",
      "ldcon 9\nldcon 1\ndescr 2 0 1\nhalt\n",
  };
  for (const auto& leaf : leaves)
    for (const bool deepest : {true, false})
      for (const int n : {1, 2, 3, 7})
        for (const int len : {1, 2, 3, 13})
          for (const int len2 : {0, 3, 12}) {
            std::string text = program;
            text.replace(text.find("{leaf}"), 6, deepest ? leaf : "");
            text.replace(text.find("{pre}"), 5, deepest ? "" : leaf);
            expect_same_runs(filled(text, {{"n", n}, {"len", len}, {"len2", len2}}));
          }
}

// The same recursion to a depth at which the address space must grow, and
// with its segments made too long for the fast crseg's fixed stores.
TEST(FastPaths, KeptFramesThatOutgrowTheAddressSpace) {
  const std::string program =
      "jump 9\n1: crseg 2 2\nstvar 2 0\nldvar 2 0\nldcon 0\ngt\njiff 2\nldvar 2 0\nldcon 1\n"
      "sub\ncall 1\npop\n2: ldvar 2 0\n{leaf}dlseg\nreturn_\n"
      "9: crseg 1 1\nldcon {depth}\ncall 1\nwrint\npop\ndlseg\nhalt\n.\n1: 1\n2: {len}\n";
  for (const char* leaf : {"", "halt\n"})
    for (const int depth : {60, 99, 100})
      for (const int len : {1, 12, 13, 40}) {
        std::string text = program;
        text.replace(text.find("{leaf}"), 6, leaf);
        expect_same_runs(filled(text, {{"depth", depth}, {"len", len}}));
      }
}

// The recursion stopped by the instruction budget at every point of a
// call and a return: the fast run stops out of budget with what it has
// written so far, or, with enough budget, ends as the traced run does.
TEST(FastPaths, KeptFramesAndTheBudget) {
  const std::string text =
      "jump 9\n1: crseg 2 2\nstvar 2 1\nldvar 2 1\nldcon 2\nlt\njiff 2\nldvar 2 1\nstvar 2 0\n"
      "jump 3\n2: ldvar 2 1\nldcon 1\nsub\ncall 1\nldvar 2 1\nwrint\npop\nldvar 2 1\nldcon 2\n"
      "sub\ncall 1\nadd\nstvar 2 0\n3: ldvar 2 0\ndlseg\nreturn_\n"
      "9: crseg 1 1\nldcon 6\ncall 1\nwrint\npop\ndlseg\nhalt\n.\n1: 1\n2: 2\n";
  const auto traced = kamtest::run(text, kamtest::RunSettings().traced(kam::TraceIo));
  for (long long budget = 0; budget <= 200; ++budget) {
    const auto fast = kamtest::run(text, kamtest::RunSettings().with_budget(budget));
    if (fast.end == kam::RunEnd::Stopped) {
      EXPECT_EQ(fast.out, traced.out) << budget;
      EXPECT_EQ(fast.memory, traced.memory) << budget;
    } else {
      EXPECT_EQ(fast.end, kam::RunEnd::OutOfBudget) << budget;
      EXPECT_EQ(traced.out.substr(0, fast.out.size()), fast.out) << budget;
    }
  }
}

}  // namespace

// The call that keeps its segment at once (ldvar; ldcon; add or sub; call
// to crseg; stvar of the one parameter) at the edges of its checks: the
// stack filled with {k} words before each recursive call, and, with
// {other}, calls from the kept segment to a procedure of level 3, or to
// two of {len} words at level 2, the first storing its parameter at {d},
// the second, in the same place, showing its last word, which must be
// new. The program's own calls are not at the level of their segments.
TEST(FastPaths, KeptCallsAtTheirEdges) {
  const std::string program =
      "jump 9\n1: crseg 2 2\nstvar 2 0\nldvar 2 0\nldcon 0\ngt\njiff 2\n{fill}"
      "ldvar 2 0\nldcon 1\n{op}\ncall 1\n{other}{unfill}2: ldvar 2 0\nwrint\npop\n"
      "dlseg\nreturn_\n"
      "5: crseg 3 3\nstvar 3 2\nldvar 3 2\nwrint\npop\ndlseg\nreturn_\n"
      "6: crseg 2 4\nstvar 2 {d}\nldvar 2 0\nwrint\npop\ndlseg\nreturn_\n"
      "7: crseg 2 4\nstvar 2 0\nldvar 2 {last}\nwrint\npop\ndlseg\nreturn_\n"
      "9: crseg 1 1\nldcon {n}\ncall 1\nldvar 1 0\nldcon {n}\nadd\ncall 1\ndlseg\nhalt\n"
      ".\n1: 1\n2: 2\n3: 3\n4: {len}\n";
  const std::vector<std::string> others = {
      "", "ldvar 2 0\nldcon 4\nadd\ncall 5\n",
      "ldvar 2 0\nldcon 4\nsub\ncall 6\nldvar 2 0\nldcon 5\nadd\ncall 7\n"};
  for (const char* op : {"sub", "add"})
    for (const auto& other : others)
      for (const int k : {0, 1, 32, 33, 48, 49, 97, 98, 99})
        for (const int n : {1, 2, 3})
          for (const int len : {0, 1, 2, 12, 13})
            for (const int d : {-1, 0, 1, 11, 12, 13}) {
              if (other.empty() && d != 0) continue;
              std::string fill, unfill;
              for (int word = 0; word < k; ++word) {
                fill += "ldcon 0\n";
                unfill += "pop\n";
              }
              std::string text = program;
              for (const auto& [key, value] :
                   std::vector<std::pair<std::string, std::string>>{
                       {"{fill}", fill}, {"{unfill}", unfill}, {"{op}", op}, {"{other}", other}})
                text.replace(text.find(key), key.size(), value);
              expect_same_runs(
                  filled(text, {{"n", n}, {"len", len}, {"d", d}, {"last", std::max(len - 1, 0)}}));
            }
}

// The kept call that also does the test of its parameter after the crseg
// (ldvar; ldcon; a comparison; jiff or jift), for every comparison around
// its constant, and tests of another variable or against a variable,
// which it leaves alone.
TEST(FastPaths, KeptCallsThatTestTheirParameter) {
  const std::string program =
      "jump 9\n1: crseg 2 2\nstvar 2 1\nldvar 2 {v}\n{second}\n{cmp}\n{branch} 2\n"
      "ldvar 2 1\nwrint\npop\nldvar 2 1\nldcon 1\nsub\ncall 1\n2: dlseg\nreturn_\n"
      "9: crseg 1 1\nldcon {n}\ncall 1\ndlseg\nhalt\n.\n1: 1\n2: 2\n";
  for (const char* cmp : {"eq", "ne", "lt", "le", "gt", "ge"})
    for (const char* branch : {"jiff", "jift"})
      for (const int v : {0, 1})
        for (const int c : {-2147483647 - 1, -1, 0, 2, 2147483647})
          for (const int n : {-1, 0, 2, 3})
            for (const char* second : {"ldcon {c}", "ldvar 2 0"}) {
              std::string text = program;
              text.replace(text.find("{second}"), 8, second);
              text.replace(text.find("{cmp}"), 5, cmp);
              text.replace(text.find("{branch}"), 8, branch);
              expect_same_runs(filled(text, {{"v", v}, {"c", c}, {"n", n}}));
            }
}
