// The long options of the generators' command lines: taken out wherever
// they stand, with or without a value; everything else stays in order.
#include "long_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zedra {
namespace {

std::vector<std::string> positional(CommandLine& line) {
  std::vector<std::string> words;
  for (int i = 0; i <= line.argc(); ++i) words.push_back(line.argv()[i] ? line.argv()[i] : "<null>");
  return words;
}

TEST(CommandLine, OptionsAreTakenOutWhereverTheyStand) {
  char program[] = "pgen", spec[] = "g.inp", option[] = "--diagrams", module[] = "acts.c";
  char* argv[] = {program, option, spec, module, nullptr};
  CommandLine line(4, argv, {"diagrams"});
  EXPECT_EQ(line.argc(), 3);
  EXPECT_EQ(positional(line), (std::vector<std::string>{"pgen", "g.inp", "acts.c", "<null>"}));
  ASSERT_TRUE(line.option("diagrams"));
  EXPECT_FALSE(line.option("diagrams")->value);
}

TEST(CommandLine, AValueFollowsTheEqualsSign) {
  char program[] = "sgen", spec[] = "s.inp", option[] = "--graph=nfa";
  char* argv[] = {program, spec, option, nullptr};
  CommandLine line(3, argv, {"graph"});
  EXPECT_EQ(line.argc(), 2);
  ASSERT_TRUE(line.option("graph"));
  EXPECT_EQ(line.option("graph")->value, std::optional<std::string>("nfa"));
}

TEST(CommandLine, TheLastOfRepeatedOptionsCounts) {
  char program[] = "sgen", first[] = "--graph=nfa", second[] = "--graph=", spec[] = "s.inp";
  char* argv[] = {program, first, spec, second, nullptr};
  CommandLine line(4, argv, {"graph"});
  EXPECT_EQ(line.option("graph")->value, std::optional<std::string>(""));
}

TEST(CommandLine, UnknownNamesAndTheProgramPathStayPositional) {
  char program[] = "--graph", help[] = "--help", other[] = "--graphs", spec[] = "s.inp";
  char* argv[] = {program, help, other, spec, nullptr};
  CommandLine line(4, argv, {"graph"});
  EXPECT_EQ(positional(line), (std::vector<std::string>{"--graph", "--help", "--graphs", "s.inp", "<null>"}));
  EXPECT_FALSE(line.option("graph"));
}

TEST(CommandLine, DoubleDashEndsTheOptions) {
  char program[] = "sgen", option[] = "-d", dir[] = "out", end[] = "--", spec[] = "-x.inp",
       late[] = "--graph", again[] = "--";
  char* argv[] = {program, option, dir, end, spec, late, again, nullptr};
  CommandLine line(7, argv, {"graph", "output-dir"}, {"output-dir"}, {{'d', "output-dir"}});
  EXPECT_EQ(positional(line), (std::vector<std::string>{"sgen", "-x.inp", "--graph", "--", "<null>"}));
  EXPECT_EQ(line.first_operand(), 1);
  EXPECT_FALSE(line.option("graph"));
  EXPECT_EQ(line.option("output-dir")->value, std::optional<std::string>("out"));
  char* plain[] = {program, spec, nullptr};
  EXPECT_EQ(CommandLine(2, plain, {}).first_operand(), 2);
}

}  // namespace
}  // namespace zedra
