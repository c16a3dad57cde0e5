// The catalogue: numbers, texts byte for byte, classes.
#include <gtest/gtest.h>

#include <string>

#include "messages.h"
#include "test_support.h"

namespace zedra {
namespace {

struct FixedMessage {
  Msg msg;
  int number;
  const char* text;
};

// A sample of every class; numbers and texts are what users know.
constexpr FixedMessage kFixed[] = {
    {Msg::QueryArgumentOfCall, 0, "'%s' is argument of '%s' called in '%s' parser rule"},
    {Msg::QueryOverwriteFile, 2, "File %s already exists.\nAre you sure to overwrite it?"},
    {Msg::SeparatorBeforeErrors, 13, ""},
    {Msg::AttributeNotAssociated, 14, "Attribute '%s' is not associated with %s '%s'"},
    {Msg::ErrorAt, 26, "%s at '%s'"},
    {Msg::DuplicateName, 37, "Name '%s' already exists"},
    {Msg::IllegalName, 45,
     "Name should start with a letter (but NOT with p_, t_, v_ or i_) optionally "
     "followed by zero or more letters, digits or underscores "},
    {Msg::OutOfMemory, 49, "Out of memory at line %d in %s, cannot continue"},
    {Msg::ReservedWord, 64, "'%s' is a reserved word in %s"},
    {Msg::TableFull, 70, "More than %d %s, cannot continue"},
    {Msg::TransitionConflict, 71, "Transition conflict detected during DFA construction"},
    {Msg::RuleErrorAt, 72, "Rule '%s': %s at %s"},
    {Msg::FreeText, 73, ""},
    {Msg::InputFile, 74, "- input file     : %s"},
    {Msg::GeneratedFile, 75, "- generated file : %s"},
    {Msg::ListingFile, 76, "- listing file   : %s"},
    {Msg::ErrorSummary, 77, "- errors         : %d error(s) detected"},
    {Msg::SeparatorBeforeWarnings, 81, ""},
    {Msg::AttributeNotUsed, 83,
     "Rule '%s': %s attribute '%s of %s#%d' (is set but) not (always) used"},
    {Msg::NeverReduced, 88, "Rule '%s': never reduced"},
    {Msg::KeywordNeverFound, 89,
     "Keyword '%s' of '%s' is never found: no rule that looks keywords up scans it"},
    {Msg::AttributeOfScannerTerminal, 90,
     "Parser attribute '%s' of terminal '%s' of an include file: the scanner's record of the "
     "terminal has no field for it"},
};

TEST(Messages, NumbersAndTextsAreFixed) {
  EXPECT_EQ(kMessageCount, 91);
  for (const FixedMessage& fixed : kFixed) {
    EXPECT_EQ(message_number(fixed.msg), fixed.number);
    EXPECT_STREQ(message_text(fixed.msg), fixed.text) << fixed.number;
  }
}

TEST(Messages, ValuesOutsideTheCatalogueHaveNoText) {
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
  EXPECT_EQ(class_of(89), MessageClass::Warning);
  EXPECT_EQ(class_of(90), MessageClass::Warning);
  EXPECT_EQ(class_of(91), MessageClass::Separator);
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
