// The keyword table: lookup, the spelling of a code, and a keyword written
// in the wrong case.
#include <gtest/gtest.h>

#include <array>

#include "keyword_table.h"

namespace zedra {
namespace {

constexpr std::array<KeywordSpelling, 3> kWords{{
    {"RULES", 1, false},
    {"OF", 2, true},
    {"SEQ", 3, true},
}};

TEST(KeywordTable, UpperCaseAlwaysLowerCaseWhereAllowed) {
  EXPECT_EQ(find_keyword(kWords, "RULES", 0), 1);
  EXPECT_EQ(find_keyword(kWords, "rules", 0), 0);
  EXPECT_EQ(find_keyword(kWords, "of", 0), 2);
  EXPECT_EQ(find_keyword(kWords, "Of", 0), 0);
}

TEST(KeywordTable, SpellingOfACode) {
  EXPECT_EQ(keyword_word(kWords, 3), "SEQ");
  EXPECT_EQ(keyword_word(kWords, 9), "");
}

TEST(KeywordTable, KeywordInOtherCase) {
  EXPECT_EQ(keyword_in_other_case(kWords, "rules"), "RULES");
  EXPECT_EQ(keyword_in_other_case(kWords, "Seq"), "SEQ");
  EXPECT_EQ(keyword_in_other_case(kWords, "RULES"), "RULES");  // the caller knows it was read as a name
  EXPECT_EQ(keyword_in_other_case(kWords, "rule"), "");
  EXPECT_EQ(keyword_in_other_case(kWords, "se_"), "");
  EXPECT_EQ(keyword_in_other_case(kWords, ""), "");
}

}  // namespace
}  // namespace zedra
