// The catalogue: numbers, texts byte for byte, classes.
#include <gtest/gtest.h>

#include <string>

#include "messages.h"
#include "test_support.h"

namespace zedra {
namespace {

TEST(Messages, NumbersAreFixed) {
  EXPECT_EQ(message_number(Msg::QueryArgumentOfCall), 0);
  EXPECT_EQ(message_number(Msg::SeparatorBeforeErrors), 13);
  EXPECT_EQ(message_number(Msg::AttributeNotAssociated), 14);
  EXPECT_EQ(message_number(Msg::ErrorAt), 26);
  EXPECT_EQ(message_number(Msg::DuplicateName), 37);
  EXPECT_EQ(message_number(Msg::OutOfMemory), 49);
  EXPECT_EQ(message_number(Msg::TableFull), 70);
  EXPECT_EQ(message_number(Msg::TransitionConflict), 71);
  EXPECT_EQ(message_number(Msg::RuleErrorAt), 72);
  EXPECT_EQ(message_number(Msg::FreeText), 73);
  EXPECT_EQ(message_number(Msg::ErrorSummary), 77);
  EXPECT_EQ(message_number(Msg::SeparatorBeforeWarnings), 81);
  EXPECT_EQ(message_number(Msg::NeverReduced), 88);
  EXPECT_EQ(kMessageCount, 89);
}

TEST(Messages, TextsAreFixed) {
  EXPECT_STREQ(message_text(Msg::QueryArgumentOfCall),
               "'%s' is argument of '%s' called in '%s' parser rule");
  EXPECT_STREQ(message_text(Msg::QueryOverwriteFile),
               "File %s already exists.\nAre you sure to overwrite it?");
  EXPECT_STREQ(message_text(Msg::AttributeNotAssociated),
               "Attribute '%s' is not associated with %s '%s'");
  EXPECT_STREQ(message_text(Msg::ErrorAt), "%s at '%s'");
  EXPECT_STREQ(message_text(Msg::DuplicateName), "Name '%s' already exists");
  EXPECT_STREQ(message_text(Msg::IllegalName),
               "Name should start with a letter (but NOT with p_, t_, v_ or i_) optionally "
               "followed by zero or more letters, digits or underscores ");
  EXPECT_STREQ(message_text(Msg::OutOfMemory), "Out of memory at line %d in %s, cannot continue");
  EXPECT_STREQ(message_text(Msg::ReservedWord), "'%s' is a reserved word in %s");
  EXPECT_STREQ(message_text(Msg::RuleErrorAt), "Rule '%s': %s at %s");
  EXPECT_STREQ(message_text(Msg::InputFile), "- input file     : %s");
  EXPECT_STREQ(message_text(Msg::GeneratedFile), "- generated file : %s");
  EXPECT_STREQ(message_text(Msg::ListingFile), "- listing file   : %s");
  EXPECT_STREQ(message_text(Msg::ErrorSummary), "- errors         : %d error(s) detected");
  EXPECT_STREQ(message_text(Msg::AttributeNotUsed),
               "Rule '%s': %s attribute '%s of %s#%d' (is set but) not (always) used");
  EXPECT_STREQ(message_text(Msg::NeverReduced), "Rule '%s': never reduced");
}

TEST(Messages, SeparatorsAndFreeTextAreEmpty) {
  EXPECT_STREQ(message_text(Msg::SeparatorBeforeErrors), "");
  EXPECT_STREQ(message_text(Msg::FreeText), "");
  EXPECT_STREQ(message_text(Msg::SeparatorBeforeWarnings), "");
  EXPECT_STREQ(message_text(static_cast<Msg>(-1)), "");
  EXPECT_STREQ(message_text(static_cast<Msg>(kMessageCount)), "");
}

TEST(Messages, EveryOtherMessageHasAText) {
  for (int number = 0; number < kMessageCount; ++number) {
    const Msg msg = static_cast<Msg>(number);
    const bool empty = msg == Msg::SeparatorBeforeErrors || msg == Msg::FreeText ||
                       msg == Msg::SeparatorBeforeWarnings;
    EXPECT_EQ(std::string(message_text(msg)).empty(), empty) << number;
  }
}

TEST(Messages, ClassesFollowTheRanges) {
  const auto class_of = [](int number) { return message_class(static_cast<Msg>(number)); };
  EXPECT_EQ(class_of(0), MessageClass::Query);
  EXPECT_EQ(class_of(12), MessageClass::Query);
  EXPECT_EQ(class_of(13), MessageClass::Separator);
  EXPECT_EQ(class_of(14), MessageClass::Error);
  EXPECT_EQ(class_of(72), MessageClass::Error);
  EXPECT_EQ(class_of(73), MessageClass::FreeText);
  EXPECT_EQ(class_of(74), MessageClass::Information);
  EXPECT_EQ(class_of(80), MessageClass::Information);
  EXPECT_EQ(class_of(81), MessageClass::Separator);
  EXPECT_EQ(class_of(82), MessageClass::Warning);
  EXPECT_EQ(class_of(88), MessageClass::Warning);
  EXPECT_EQ(class_of(-1), MessageClass::Separator);
  EXPECT_EQ(class_of(89), MessageClass::Separator);
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
