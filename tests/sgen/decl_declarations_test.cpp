#include <gtest/gtest.h>

#include "decl_test_support.h"

namespace zedra {
namespace {

using test::ScannerFront;

std::vector<std::string> texts_of(const Terminal& terminal) {
  std::vector<std::string> texts;
  for (const Representation& r : terminal.representations) texts.push_back(r.text);
  return texts;
}

std::vector<std::string> terminal_names(const ScannerFront& front) {
  std::vector<std::string> names;
  for (const Terminal& t : front.declarations.terminals.list()) names.push_back(*t.name);
  return names;
}

TEST(DeclCharsets, OverlappingRangeIsReportedAndDropped) {
  ScannerFront front;
  front.declarations.declare_charset("digit");
  front.declarations.add_charset_range('0', '9');
  front.declarations.add_charset_range('5', '5');
  EXPECT_EQ(front.reports(), "test.inp:1: Error: Character set ranges should be disjunct\n");
  const CharacterSet* digit = front.declarations.charset_find("digit");
  ASSERT_NE(digit, nullptr);
  ASSERT_EQ(digit->ranges.size(), 1u);
  EXPECT_EQ(digit->ranges[0].low, '0');
  EXPECT_EQ(digit->ranges[0].high, '9');
}

TEST(DeclCharsets, RangesOfARejectedHeadAreIgnored) {
  ScannerFront front;
  front.declarations.declare_charset("letter");
  front.declarations.add_charset_range('a', 'z');
  front.declarations.declare_charset("letter");
  front.declarations.add_charset_range('A', 'Z');
  EXPECT_EQ(front.reports(), "test.inp:1: Error: Name 'letter' already exists\n");
  EXPECT_EQ(front.declarations.charset_find("letter")->ranges.size(), 1u);
}

TEST(DeclCharsets, ReversedRangeIsStoredAndDisjointRangesKeepTheirOrder) {
  ScannerFront front;
  front.declarations.declare_charset("odd");
  front.declarations.add_charset_range('z', 'a');
  front.declarations.add_charset_range('A', 'Z');
  front.declarations.add_charset_range('_', '_');
  EXPECT_EQ(front.reports(), "");
  const auto& ranges = front.declarations.charset_find("odd")->ranges;
  ASSERT_EQ(ranges.size(), 3u);
  EXPECT_EQ(ranges[0].low, 'z');
  EXPECT_EQ(ranges[1].low, 'A');
  EXPECT_EQ(ranges[2].low, '_');
}

TEST(DeclCharsets, EveryByteIsACode) {
  ScannerFront front;
  front.declarations.declare_charset("high");
  front.declarations.add_charset_range('a', 0xE9);
  front.declarations.add_charset_range(0xFF, 0xFF);
  front.declarations.add_charset_range(0xFF, 0x100);
  EXPECT_EQ(front.reports(), "test.inp:1: Error: Character code 256 outside 0..255 at 'high'\n");
  EXPECT_EQ(front.declarations.charset_find("high")->ranges.size(), 2u);
}

TEST(DeclStrings, TextIsStoredOnlyForAnAcceptedName) {
  ScannerFront front;
  front.declarations.declare_string("arrow", "->");
  front.declarations.declare_string("arrow", "=>");
  EXPECT_EQ(*front.declarations.scanner_string_find("arrow")->text, "->");
  EXPECT_EQ(front.diagnostics.error_count(), 1);
}

TEST(DeclStrings, EmptyTextIsAnErrorUtf8TextIsNot) {
  ScannerFront front;
  front.declarations.declare_string("nothing", "");
  front.declarations.declare_string("accent", "caf\xc3\xa9");
  EXPECT_EQ(front.reports(), "test.inp:1: Error: Scanner string 'nothing': right-hand side not specified\n");
  EXPECT_FALSE(front.declarations.scanner_string_find("nothing")->text.has_value());
  EXPECT_EQ(*front.declarations.scanner_string_find("accent")->text, "caf\xc3\xa9");
}

TEST(DeclSymbols, RepresentationInTwoTerminalsNamesTheFirst) {
  ScannerFront front;
  front.symbol(SymbolSection::Symbols, "tBecomes", {":="});
  front.symbol(SymbolSection::Symbols, "tAssign", {":="});
  front.symbol(SymbolSection::Symbols, "tBegin", {"begin"});
  front.symbol(SymbolSection::Keywords, "kBegin", {"begin"});
  EXPECT_EQ(front.reports(),
            "test.inp:1: Error: Right hand side ':=' already defined in 'tBecomes'\n"
            "test.inp:1: Error: Right hand side 'begin' already defined in 'tBegin'\n");
  EXPECT_TRUE(front.declarations.terminals.terminal_find("tAssign")->representations.empty());
}

TEST(DeclSymbols, SymbolsGiveTheTerminalForTheLiteralPathKeywordsDoNot) {
  ScannerFront front;
  front.declarations.begin_symbol_section(SymbolSection::Symbols);
  front.declarations.declare_symbol("tPlus");
  Terminal* plus = front.declarations.add_representation("+", {});
  ASSERT_NE(plus, nullptr);
  EXPECT_EQ(*plus->name, "tPlus");
  EXPECT_EQ(front.declarations.add_representation("+", {}), nullptr);
  front.declarations.begin_symbol_section(SymbolSection::Keywords);
  front.declarations.declare_symbol("kIf");
  EXPECT_EQ(front.declarations.add_representation("if", {}), nullptr);
  EXPECT_FALSE(front.declarations.terminals.terminal_find("kIf")->representations.front().is_symbol);
}

TEST(DeclSymbols, SymbolsAndKeywordsMayHoldHighBytes) {
  ScannerFront front;
  front.symbol(SymbolSection::Symbols, "tSection", {"\xa7"});
  front.symbol(SymbolSection::Keywords, "kUmlaut", {"\xfc"});
  EXPECT_EQ(front.reports(), "");
  EXPECT_TRUE(front.declarations.terminals.terminal_find("tSection")->has_representations());
  EXPECT_TRUE(front.declarations.terminals.terminal_find("kUmlaut")->has_representations());
}

TEST(DeclSymbols, SymbolContinuedAsKeywordIsOneTerminal) {
  ScannerFront front;
  front.symbol(SymbolSection::Symbols, "tAnd", {"&", "&&"});
  front.symbol(SymbolSection::Symbols, "tOr", {"|"});
  front.symbol(SymbolSection::Keywords, "tAnd", {"and"});
  front.symbol(SymbolSection::Keywords, "kNot", {"not"});
  EXPECT_EQ(front.reports(), "");
  const Terminal& both = *front.declarations.terminals.terminal_find("tAnd");
  EXPECT_EQ(texts_of(both), (std::vector<std::string>{"&", "and", "&&"}));
  // Terminals declared after a continuation go behind the continued one.
  EXPECT_EQ(terminal_names(front), (std::vector<std::string>{"tAnd", "kNot", "tOr"}));
  EXPECT_TRUE(front.declarations.terminals.has_keywords());
}

TEST(DeclSymbols, AssignmentsAreKeptInReverseOrderAndTheLatestListIsTheTerminals) {
  ScannerFront front;
  front.declarations.begin_symbol_section(SymbolSection::Symbols);
  front.declarations.declare_symbol("tRel");
  front.declarations.add_representation("<", {{"op", "lt", 2}, {"weak", "false", 2}});
  front.declarations.add_representation("<=", {{"op", "le", 3}, {"weak", "true", 3}});
  const Terminal& rel = *front.declarations.terminals.terminal_find("tRel");
  ASSERT_EQ(rel.assignments().size(), 2u);
  EXPECT_EQ(rel.assignments()[0].attribute_name, "weak");
  EXPECT_EQ(rel.assignments()[0].value_text, "true");
  EXPECT_EQ(rel.assignments()[1].value_text, "le");
  EXPECT_EQ(rel.assignments()[1].line, 3);
}

TEST(DeclRules, RuleWithTheNameOfASymbolIsRefused) {
  ScannerFront front;
  front.symbol(SymbolSection::Symbols, "tSemi", {";"});
  front.declarations.declare_rule("tSemi", TerminalKind::Plain);
  EXPECT_FALSE(front.declarations.declaration_accepted());
  front.declarations.set_rule_initialisations({{"x", "y", 1}});
  EXPECT_EQ(front.reports(), "test.inp:1: Error: Name 'tSemi' already exists\n");
  EXPECT_TRUE(front.declarations.terminals.terminal_find("tSemi")->own_assignments.empty());
}

TEST(DeclRules, SymbolsCannotContinueARuleTerminal) {
  ScannerFront front;
  front.declarations.declare_rule("tIdent", TerminalKind::Verify);
  front.symbol(SymbolSection::Symbols, "tIdent", {"id"});
  EXPECT_EQ(front.reports(), "test.inp:1: Error: Name 'tIdent' already exists\n");
  EXPECT_EQ(front.declarations.terminals.terminal_find("tIdent")->kind, TerminalKind::Verify);
}

TEST(DeclRules, ReservedActionMustBeAStringConversion) {
  ScannerFront front;
  front.declarations.declare_rule("tIdent", TerminalKind::Plain);
  front.diagnostics.set_line(7);
  front.declarations.set_reserved_action("convert_to_upper()");
  const Terminal& ident = *front.declarations.terminals.terminal_find("tIdent");
  ASSERT_NE(ident.reserved_action, nullptr);
  EXPECT_EQ(*ident.reserved_action->name, "convert_to_upper");
  front.declarations.declare_rule("tNumber", TerminalKind::Plain);
  front.declarations.set_reserved_action("int_encode()");
  EXPECT_EQ(front.reports(),
            "test.inp:7: Error: Action 'int_encode' of terminal 'tNumber' undefined\n"
            "  ('int_encode' gives integer, not string)\n");
  EXPECT_EQ(front.declarations.terminals.terminal_find("tNumber")->reserved_action, nullptr);
}

TEST(DeclRules, KindLineAndOwnAssignments) {
  ScannerFront front;
  front.diagnostics.set_line(4);
  front.declarations.declare_rule("tBlank", TerminalKind::Skip);
  front.declarations.set_rule_initialisations({{"a", "b", 4}, {"c", "d()", 5}});
  const Terminal& blank = *front.declarations.terminals.terminal_find("tBlank");
  EXPECT_EQ(blank.kind, TerminalKind::Skip);
  EXPECT_EQ(blank.line, 4);
  ASSERT_EQ(blank.assignments().size(), 2u);
  EXPECT_EQ(blank.assignments()[0].attribute_name, "c");
}

TEST(DeclActions, ActionsWithoutAModuleAreReportedOnce) {
  ScannerFront front;
  front.declarations.declare_conversion("x", "integer");
  front.declarations.declare_conversion("y", "integer");
  EXPECT_EQ(front.reports(),
            "test.inp:1: Error: User defined actions without a specified definition file\n");
  EXPECT_EQ(front.symbols.find("x"), nullptr);
}

TEST(DeclActions, RepeatedModuleNameAndActionsGoToTheLastModule) {
  ScannerFront front;
  front.declarations.add_definition_modules({"a", "b", "a"});
  front.declarations.declare_conversion("f", "integer");
  EXPECT_EQ(front.reports(), "test.inp:1: Error: Name 'a' already exists\n");
  const auto& modules = front.declarations.actions.modules();
  ASSERT_EQ(modules.size(), 2u);
  EXPECT_EQ(modules.back().name, "b");
  ASSERT_EQ(modules.back().actions.size(), 1u);
  EXPECT_EQ(modules.back().actions[0]->type_name, "integer");
}

TEST(DeclAttributes, TerminalsAreKeptInReverseOrder) {
  ScannerFront front;
  front.declarations.declare_attribute("value", "integer");
  front.declarations.set_attribute_terminals({"tA", "tB"}, "int_encode");
  const ScannerAttribute& value = front.declarations.attributes.list().front();
  ASSERT_EQ(value.terminals.size(), 2u);
  EXPECT_EQ(value.terminals[0].name, "tB");
  EXPECT_EQ(value.default_action_name, "int_encode");
  EXPECT_EQ(value.type_name, "integer");
}

TEST(DeclLifecycle, ReleaseTakesTheNamesOutOfTheSymbolTable) {
  ScannerFront front;
  front.symbol(SymbolSection::Symbols, "tPlus", {"+"});
  front.declarations.declare_attribute("value", "integer");
  front.declarations.declare_charset("digit");
  front.declarations.declare_string("arrow", "->");
  front.declarations.terminals.release(true);
  front.declarations.attributes.release(true);
  front.declarations.charsets.release(true);
  front.declarations.strings.release(true);
  front.declarations.actions.release(true);
  front.types.types_free(true);
  EXPECT_EQ(front.symbols.size(), 0u);
}

}  // namespace
}  // namespace zedra
