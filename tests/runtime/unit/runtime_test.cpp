// Unit tests of the runtime's algorithms: keyword lookup, token
// sets, marker sets, and the predefined conversions.
#include <gtest/gtest.h>

#include <filesystem>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "fixture.h"

extern "C" int fixture_in_set(int token);
extern "C" void fixture_delete_until(i_marker_set markers);
extern "C" void fixture_enter_rule(i_marker_set markers);
extern "C" void fixture_leave_rule(i_marker_set markers);
extern "C" int fixture_next_prefix(const char* previous, char* out);

namespace {

TEST(Lookup, FindsFirstMiddleAndLastKeyword)
{
  i_look_ahead = name;
  EXPECT_EQ(i_lookup("alpha"), 1);
  EXPECT_EQ(i_look_ahead, alpha);
  EXPECT_EQ(i_lookup("delta"), 1);
  EXPECT_EQ(i_look_ahead, delta);
  EXPECT_EQ(i_lookup("gamma"), 1);
  EXPECT_EQ(i_look_ahead, gamma_sym);
}

TEST(Lookup, MissesTextsBetweenBeforeAndAfterTheTable)
{
  const char *misses[] = {"", "a", "alph", "alphaa", "bet", "c", "gammaa", "zeta", "ALPHA"};
  for (const char *text : misses) {
    i_look_ahead = name;
    EXPECT_EQ(i_lookup(text), 0) << text;
    EXPECT_EQ(i_look_ahead, name) << text;
  }
  EXPECT_EQ(i_lookup(nullptr), 0);
}

TEST(TokenSet, InSetTestsEveryListedToken)
{
  EXPECT_EQ(i_in_set(alpha, alpha, -1), 1);
  EXPECT_EQ(i_in_set(delta, alpha, beta, delta, -1), 1);
  EXPECT_EQ(i_in_set(gamma_sym, alpha, beta, delta, -1), 0);
  EXPECT_EQ(i_in_set(i_EndOfFile, -1), 0);
  EXPECT_EQ(i_in_set(i_EndOfFile, i_EndOfFile, -1), 1);
}

// The listed tokens stop the deletion they belong to, and only that one:
// they leave no mark behind.
TEST(TokenSet, DeleteUntilStopsAtListedOrMarkedTokensAndMarksNothing)
{
  unsigned int markers[i_token_set_size] = {};
  i_look_ahead = beta;
  i_delete_until(markers, beta, delta, -1);
  EXPECT_EQ(i_look_ahead, beta);
  for (unsigned int mark : markers)
    EXPECT_EQ(mark, 0u);
  markers[gamma_sym] = 1;
  i_look_ahead = gamma_sym;
  i_delete_until(markers, alpha, -1);
  EXPECT_EQ(i_look_ahead, gamma_sym);
}

// A rule counts its caller's tokens as markers while it runs; nested calls
// with the same token add up, and leaving takes off exactly what entering
// put on.
TEST(TokenSet, RulesCountTheirCallersTokensWhileTheyRun)
{
  unsigned int markers[i_token_set_size] = {};
  const int depth = i_rule_depth;
  fixture_enter_rule(markers);
  fixture_enter_rule(markers);
  EXPECT_EQ(markers[alpha], 2u);
  EXPECT_EQ(markers[delta], 2u);
  EXPECT_EQ(markers[beta], 0u);
  EXPECT_EQ(i_rule_depth, depth + 2);
  fixture_leave_rule(markers);
  EXPECT_EQ(markers[alpha], 1u);
  fixture_leave_rule(markers);
  for (unsigned int mark : markers)
    EXPECT_EQ(mark, 0u);
  EXPECT_EQ(i_rule_depth, depth);
}

TEST(TokenSet, GeneratedFormsAgreeWithTheFunctions)
{
  for (int token = -1; token <= i_token_set_size; token++)
    EXPECT_EQ(fixture_in_set(token), i_in_set(token, alpha, beta, delta, -1)) << token;
  unsigned int markers[i_token_set_size] = {};
  i_look_ahead = delta;
  fixture_delete_until(markers);          // 99 is out of range: never matched
  EXPECT_EQ(i_look_ahead, delta);
  for (unsigned int mark : markers)
    EXPECT_EQ(mark, 0u);
  i_look_ahead = i_EndOfFile;
  fixture_delete_until(nullptr);
  EXPECT_EQ(i_look_ahead, i_EndOfFile);
}

TEST(TokenSet, DeleteUntilNeverDeletesTheEndOfInput)
{
  unsigned int markers[i_token_set_size] = {};
  i_look_ahead = i_EndOfFile;
  i_delete_until(markers, alpha, -1);
  EXPECT_EQ(i_look_ahead, i_EndOfFile);
}

TEST(Conversions, CopiesOfTheLexeme)
{
  EXPECT_STREQ(get_repr("abc"), "abc");
  EXPECT_STREQ(convert_to_upper("a_b1"), "A_B1");
  EXPECT_STREQ(convert_to_lower("BeGiN"), "begin");
  EXPECT_STREQ(delete_spaces("  a  b  "), "ab");
  EXPECT_STREQ(delete_spaces("\ta b\t"), "ab");
  EXPECT_STREQ(string_encode("\"text\""), "text");
  EXPECT_STREQ(string_encode("\"a\\n\""), "a\\n");
  EXPECT_STREQ(string_encode("x"), "");
}

TEST(Conversions, EachConversionKeepsItsOwnBuffer)
{
  char *upper = convert_to_upper("one");
  char *lower = convert_to_lower("TWO");
  EXPECT_STREQ(upper, "ONE");
  EXPECT_STREQ(lower, "two");
}

TEST(Conversions, LongTextsGrowTheBuffer)
{
  std::string text(10000, 'q');
  EXPECT_EQ(std::string(convert_to_upper(text.c_str())), std::string(10000, 'Q'));
  EXPECT_EQ(std::string(string_encode(text.c_str())).size(), 9998u);
}

TEST(Conversions, CaseOfTextsAroundTheBufferSize)
{
  // The first buffer holds 255 characters; longer texts take the long way.
  for (size_t n : {0u, 1u, 254u, 255u, 256u, 257u, 600u}) {
    std::string mixed;
    for (size_t i = 0; i < n; i++)
      mixed += "aB\xC4\xe4"[i % 4];
    std::string upper = mixed, lower = mixed;
    for (char &c : upper)
      c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    for (char &c : lower)
      c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(std::string(convert_to_upper(mixed.c_str())), upper) << n;
    EXPECT_EQ(std::string(convert_to_lower(mixed.c_str())), lower) << n;
    EXPECT_EQ(std::string(get_repr(mixed.c_str())), mixed) << n;
  }
  EXPECT_STREQ(convert_to_lower(nullptr), "");
  EXPECT_STREQ(get_repr(nullptr), "");
}

TEST(Conversions, CharEncodeOfEveryEscape)
{
  const std::pair<const char *, int> cases[] = {
      {"'a'", 'a'},  {"'\\a'", 7},  {"'\\b'", 8},    {"'\\f'", 12},  {"'\\n'", 10},
      {"'\\r'", 13}, {"'\\t'", 9},  {"'\\v'", 11},   {"'\\\\'", '\\'}, {"'\\''", '\''},
      {"'\\z'", 'z'}, {"x", 'x'},   {"xy", 'x'},     {"", 0}};
  for (const auto &[text, code] : cases)
    EXPECT_EQ(char_encode(text), code) << text;
}

TEST(Conversions, NumbersAndTruthValues)
{
  EXPECT_EQ(int_encode("42"), 42);
  EXPECT_EQ(int_encode("-17"), -17);
  EXPECT_EQ(int_encode("99999999999999999999"), 2147483647);
  EXPECT_EQ(int_encode("-99999999999999999999"), -2147483647 - 1);
  EXPECT_DOUBLE_EQ(real_encode("3.25"), 3.25);
  EXPECT_DOUBLE_EQ(real_encode("1e3"), 1000.0);
  EXPECT_EQ(bool_encode("TRUE"), 1);
  EXPECT_EQ(bool_encode("true"), 1);
  EXPECT_EQ(bool_encode("False"), 0);
  EXPECT_EQ(bool_encode(""), 0);
}

TEST(Conversions, DefaultActionsGiveNeutralValues)
{
  string text = "old";
  boolean truth = true;
  char code = 'c';
  integer number = 3;
  real value = 1.5;
  i_string(&text);
  i_boolean(&truth);
  i_char(&code);
  i_integer(&number);
  i_real(&value);
  EXPECT_STREQ(text, "");
  EXPECT_EQ(truth, false);
  EXPECT_EQ(code, '\0');
  EXPECT_EQ(number, 0);
  EXPECT_EQ(value, 0.0);
}

TEST(Report, WorksBeforeAnyInputIsOpen)
{
  testing::internal::CaptureStderr();
  i_report(31, "early");
  i_report(51, "none");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Error: Identifier 'early' not found\n- input file     : none\n");
}

TEST(Scanner, ReadsNothingWithoutInput)
{
  i_ch = 0;
  i_next_character();
  EXPECT_EQ(i_ch, EOF);
}

TEST(ModuleName, IsTheInputBaseNameWithoutExtension)
{
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("zedra_module_" + std::to_string(::getpid()));
  fs::create_directories(dir / "sub.d");
  std::ofstream(dir / "sub.d" / "prog.kam") << "halt\n";
  const fs::path here = fs::current_path();
  fs::current_path(dir);
  std::string input = "sub.d/prog.kam";
  std::string program = "probe";
  char *av[] = {program.data(), input.data(), nullptr};
  testing::internal::CaptureStderr();
  ASSERT_EQ(i_init(2, av), 1);
  EXPECT_STREQ(i_module_name(), "prog");
  i_finish();
  testing::internal::GetCapturedStderr();
  fs::current_path(here);
  fs::remove_all(dir);
}

// The listing counts the number in front of each line up in place; after
// a number ending in 9 the prefix is written afresh. Numbers of up to 15
// digits fill both words of the prefix.
TEST(Listing, LineNumbersCountUpInTheirPrefix)
{
  std::vector<long long> numbers{1, 8, 9, 10, 19, 99, 100, 998, 999, 1000, 1009, 9999,
                                 1234567, 9999999, 19999999, 99999999, 123456789,
                                 1999999999, 99999999999999, 123456789999999};
  std::mt19937_64 random(20261208);
  for (int i = 0; i < 2000; ++i)
    numbers.push_back(static_cast<long long>(random() % 1000000000000000));
  for (const long long n : numbers) {
    char previous[32], next[32], out[32];
    std::snprintf(previous, sizeof previous, "%3lld ", n);
    std::snprintf(next, sizeof next, "%3lld ", n + 1);
    const int length = fixture_next_prefix(previous, out);
    if (length == 0)
      EXPECT_EQ(std::to_string(n + 1).size(), std::to_string(n).size() + 1) << n;
    else
      EXPECT_STREQ(out, next) << n;
  }
}

} // namespace
