// The catalogue: numbers, texts byte for byte, classes.
#include <gtest/gtest.h>

#include <string>

#include "messages.h"
#include "test_support.h"

namespace zedra {
namespace {

TEST(Messages, TextsAreFixedByNumber) {
  EXPECT_STREQ(message_text(0), "'%s' is argument of '%s' called in '%s' parser rule");
  EXPECT_STREQ(message_text(2), "File %s already exists.\nAre you sure to overwrite it?");
  EXPECT_STREQ(message_text(14), "Attribute '%s' is not associated with %s '%s'");
  EXPECT_STREQ(message_text(26), "%s at '%s'");
  EXPECT_STREQ(message_text(37), "Name '%s' already exists");
  EXPECT_STREQ(message_text(45),
               "Name should start with a letter (but NOT with p_, t_, v_ or i_) optionally "
               "followed by zero or more letters, digits or underscores ");
  EXPECT_STREQ(message_text(49), "Out of memory at line %d in %s, cannot continue");
  EXPECT_STREQ(message_text(64), "'%s' is a reserved word in %s");
  EXPECT_STREQ(message_text(72), "Rule '%s': %s at %s");
  EXPECT_STREQ(message_text(74), "- input file     : %s");
  EXPECT_STREQ(message_text(75), "- generated file : %s");
  EXPECT_STREQ(message_text(76), "- listing file   : %s");
  EXPECT_STREQ(message_text(77), "- errors         : %d error(s) detected");
  EXPECT_STREQ(message_text(83),
               "Rule '%s': %s attribute '%s of %s#%d' (is set but) not (always) used");
  EXPECT_STREQ(message_text(88), "Rule '%s': never reduced");
}

TEST(Messages, SeparatorsAndFreeTextAreEmpty) {
  EXPECT_STREQ(message_text(13), "");
  EXPECT_STREQ(message_text(73), "");
  EXPECT_STREQ(message_text(81), "");
  EXPECT_STREQ(message_text(-1), "");
  EXPECT_STREQ(message_text(89), "");
}

TEST(Messages, EveryOtherNumberHasAText) {
  for (int number = 0; number < kMessageCount; ++number) {
    const bool empty = number == 13 || number == 73 || number == 81;
    EXPECT_EQ(std::string(message_text(number)).empty(), empty) << number;
  }
}

TEST(Messages, ClassesFollowTheRanges) {
  EXPECT_EQ(message_class(0), MessageClass::Query);
  EXPECT_EQ(message_class(12), MessageClass::Query);
  EXPECT_EQ(message_class(13), MessageClass::Separator);
  EXPECT_EQ(message_class(14), MessageClass::Error);
  EXPECT_EQ(message_class(72), MessageClass::Error);
  EXPECT_EQ(message_class(73), MessageClass::FreeText);
  EXPECT_EQ(message_class(74), MessageClass::Information);
  EXPECT_EQ(message_class(80), MessageClass::Information);
  EXPECT_EQ(message_class(81), MessageClass::Separator);
  EXPECT_EQ(message_class(82), MessageClass::Warning);
  EXPECT_EQ(message_class(88), MessageClass::Warning);
}

TEST(Messages, ListAllMessagesWritesTheErrorTextsUnformatted) {
  test::CapturedStream out;
  list_all_messages(out.get());
  const std::string text = out.text();
  const std::string head = "\nALL ERROR MESSAGES:\nAttribute '%s' is not associated with %s '%s'\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  const std::string tail = "Rule '%s': cannot reduce due to (endless) recursion\n"
                           "'%s' is a reserved word in %s\n";
  EXPECT_NE(text.find(tail), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 20), "Rule '%s': %s at %s\n");
  int lines = 0;
  for (char c : text) lines += c == '\n';
  EXPECT_EQ(lines, 1 + 1 + 59);
}

}  // namespace
}  // namespace zedra
