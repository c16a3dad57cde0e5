// The number-set and character-set notations of the listing.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "files.h"
#include "listing.h"
#include "listing/set_notation.h"

namespace zedra {
namespace {

class SetNotationTest : public ::testing::Test {
 protected:
  SetNotationTest() { listing_.attach(FilePtr(std::tmpfile())); }

  std::string written() {
    std::FILE* file = listing_.stream();
    std::fflush(file);
    std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    return text;
  }

  Listing listing_;
};

StateSet of(std::initializer_list<int> members) {
  StateSet set;
  for (int n : members) set.insert(n);
  return set;
}

TEST_F(SetNotationTest, RunsOfOneTwoAndMore) {
  write_number_set(listing_, of({1, 2, 3, 7, 9, 10}));
  EXPECT_EQ(written(), "[1..3,7,9,10]");
}

TEST_F(SetNotationTest, EmptySetAndTheHighestNumber) {
  write_number_set(listing_, StateSet{});
  write_number_set(listing_, of({0, 254, 255}));
  EXPECT_EQ(written(), "[][0,254,255]");
}

TEST_F(SetNotationTest, CharactersAsConstantsInCodeOrder) {
  StateSet set;
  set.insert_range('a', 'z');
  set.insert('_');
  set.insert('\n');
  set.insert('\'');
  set.insert('\\');
  write_character_set(listing_, set);
  EXPECT_EQ(written(), "['\\n','\\'','\\\\','_','a'..'z']");
}

TEST_F(SetNotationTest, CharacterSetCoversEveryByte) {
  StateSet set;
  set.insert_range(126, 200);
  set.insert(255);
  write_character_set(listing_, set);
  EXPECT_EQ(written(), "['~'..'\\310','\\377']");
}

TEST_F(SetNotationTest, ContinuationLinesStartUnderTheFirstMember) {
  listing_.write(0, "STATES : ");
  StateSet set;
  for (int n = 0; n < 120; n += 2) set.insert(n);
  write_number_set(listing_, set);
  listing_.write(1, " end");
  const std::string text = written();
  const std::size_t line_end = text.find('\n');
  ASSERT_NE(line_end, std::string::npos);
  EXPECT_LE(line_end, 80u);
  EXPECT_EQ(text.substr(0, 10), "STATES : [");
  // The second line is indented to the column of the first member.
  EXPECT_EQ(text.substr(line_end + 1, 10), std::string(10, ' '));
  EXPECT_NE(text[line_end + 11], ' ');
  EXPECT_NE(text.find("118] end\n"), std::string::npos);
}

}  // namespace
}  // namespace zedra
