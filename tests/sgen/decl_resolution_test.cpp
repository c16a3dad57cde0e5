#include <gtest/gtest.h>

#include "decl_test_support.h"
#include "front/scanner_resolve.h"

namespace zedra {
namespace {

using test::ScannerFront;

// A scanner with an attribute "value : integer" of the terminals `listed`.
void declare_value_attribute(ScannerFront& front, const Names& listed) {
  front.declarations.declare_attribute("value", "integer");
  front.declarations.set_attribute_terminals(listed, "");
}

TEST(DeclResolution, EverythingResolvesToItsRecords) {
  ScannerFront front;
  front.declarations.add_definition_modules({"lexdefs"});
  front.declarations.declare_conversion("to_number", "integer");
  front.declarations.declare_type("colour", {"red", "green"});
  front.declarations.declare_attribute("value", "integer");
  front.declarations.set_attribute_terminals({"tNumber"}, "to_number");
  front.declarations.declare_attribute("shade", "colour");
  front.declarations.set_attribute_terminals({"tColour"}, "");
  front.symbol(SymbolSection::Keywords, "tColour", {});
  front.declarations.add_representation("red", {{"shade", "red", 3}});
  front.declarations.declare_rule("tNumber", TerminalKind::Plain);
  front.declarations.set_rule_initialisations({{"value", "to_number()", 5}});
  resolve_scanner_declarations(front.declarations);
  test_scanner_attributes(front.declarations);
  EXPECT_EQ(front.reports(), "");
  const Terminal& number = *front.declarations.terminals.terminal_find("tNumber");
  ASSERT_NE(number.own_assignments[0].action, nullptr);
  EXPECT_EQ(*number.own_assignments[0].action->name, "to_number");
  const Terminal& colour = *front.declarations.terminals.terminal_find("tColour");
  ASSERT_NE(colour.assignments()[0].type_value, nullptr);
  EXPECT_EQ(*colour.assignments()[0].type_value->name, "red");
  const ScannerAttribute& value = front.declarations.attributes.list().front();
  EXPECT_EQ(value.default_action, front.declarations.actions.modules().front().actions[0].get());
  EXPECT_EQ(value.terminals[0].terminal, &number);
}

TEST(DeclResolution, UndefinedTypesActionsAndTerminalsAreReported) {
  ScannerFront front;
  front.declarations.add_definition_modules({"lexdefs"});
  front.diagnostics.set_line(2);
  front.declarations.declare_conversion("to_colour", "colour");
  front.diagnostics.set_line(3);
  front.declarations.declare_attribute("shade", "colour");
  front.declarations.set_attribute_terminals({"tGhost"}, "paint");
  resolve_scanner_declarations(front.declarations);
  EXPECT_EQ(front.reports(),
            "test.inp:2: Error: Type 'colour' of action 'to_colour' undefined\n"
            "test.inp:3: Error: Type 'colour' of attribute 'shade' undefined\n"
            "test.inp:3: Error: Action 'paint' of attribute 'shade' undefined\n"
            "test.inp:3: Error: Associated terminal 'tGhost' of attribute 'shade' undefined\n");
}

TEST(DeclResolution, DefaultActionMustHaveTheAttributesType) {
  ScannerFront front;
  front.declarations.declare_attribute("name", "string");
  front.declarations.set_attribute_terminals({}, "int_encode");
  resolve_scanner_declarations(front.declarations);
  EXPECT_EQ(front.reports(),
            "test.inp:1: Error: Action 'int_encode' of attribute 'name' undefined\n"
            "  ('int_encode' gives integer, not string)\n");
}

TEST(DeclResolution, MissingAssignmentIsReportedPerRepresentation) {
  ScannerFront front;
  front.diagnostics.set_line(4);
  front.symbol(SymbolSection::Symbols, "tRel", {});
  front.declarations.add_representation("<", {{"value", "int_encode()", 4}});
  front.declarations.add_representation("<=", {});
  front.declarations.add_representation(">=", {});
  front.diagnostics.set_line(6);
  front.declarations.declare_rule("tNumber", TerminalKind::Plain);
  front.diagnostics.set_line(9);
  declare_value_attribute(front, {"tRel", "tNumber"});
  resolve_scanner_declarations(front.declarations);
  EXPECT_EQ(front.reports(),
            "test.inp:6: Error: Terminal 'tNumber': attribute 'value' not set\n"
            "test.inp:4: Error: Terminal 'tRel (<=)': attribute 'value' not set\n"
            "test.inp:4: Error: Terminal 'tRel (>=)': attribute 'value' not set\n");
}

TEST(DeclResolution, AssignmentsToUnknownOrUnassociatedAttributes) {
  ScannerFront front;
  front.declarations.declare_type("colour", {"red"});
  front.declarations.declare_attribute("shade", "colour");
  front.declarations.set_attribute_terminals({"tOther"}, "");
  front.declarations.declare_rule("tOther", TerminalKind::Plain);
  front.declarations.set_rule_initialisations({{"shade", "red", 2}});
  front.declarations.declare_rule("tWord", TerminalKind::Plain);
  front.declarations.set_rule_initialisations(
      {{"size", "big", 5}, {"shade", "blue", 6}, {"shade", "paint()", 7}});
  resolve_scanner_declarations(front.declarations);
  // The list is in the reverse order of writing.
  EXPECT_EQ(front.reports(),
            "test.inp:7: Error: Attribute 'shade' is not associated with terminal 'tWord'\n"
            "test.inp:7: Error: Action 'paint()' of terminal 'tWord' undefined\n"
            "test.inp:6: Error: Attribute 'shade' is not associated with terminal 'tWord'\n"
            "test.inp:6: Error: Type value 'blue' of terminal 'tWord' undefined\n"
            "test.inp:5: Error: Attribute 'size' undefined\n");
  const Terminal& other = *front.declarations.terminals.terminal_find("tOther");
  EXPECT_NE(other.own_assignments[0].type_value, nullptr);
}

TEST(DeclAttributeTests, UntypedAndUnassociatedAttributes) {
  ScannerFront front;
  front.diagnostics.set_line(3);
  front.declarations.declare_attribute("lonely", "nothing");
  front.declarations.set_attribute_terminals({}, "");
  resolve_scanner_declarations(front.declarations);
  front.diagnostics.reset_error_count();
  test_scanner_attributes(front.declarations);
  EXPECT_EQ(front.reports(),
            "test.inp:3: Error: Type 'nothing' of attribute 'lonely' undefined\n"
            "test.inp:3: Error: Scanner attribute 'lonely': no type specified\n"
            "test.inp:3: Error: Scanner attribute 'lonely': no associated terminals\n");
  EXPECT_EQ(front.diagnostics.error_count(), 2);
}

TEST(DeclAttributeTests, UnresolvedAssignmentOfAnAssociatedTerminal) {
  ScannerFront front;
  front.declarations.declare_type("colour", {"red"});
  front.declarations.declare_attribute("shade", "colour");
  front.declarations.set_attribute_terminals({"tPen"}, "");
  front.declarations.declare_attribute("width", "integer");
  front.declarations.set_attribute_terminals({"tPen"}, "");
  front.symbol(SymbolSection::Symbols, "tPen", {});
  front.declarations.add_representation("pen", {{"shade", "blue", 8}, {"width", "int_encode()", 8}});
  resolve_scanner_declarations(front.declarations);
  const std::string resolution = front.reports();
  test_scanner_attributes(front.declarations);
  EXPECT_EQ(front.reports().substr(resolution.size()),
            "test.inp:8: Error: Terminal 'tPen (pen)': attribute 'shade' not set\n");
}

TEST(DeclKeywords, KeywordsNeedAVerifyingRule) {
  ScannerFront front;
  front.symbol(SymbolSection::Keywords, "kIf", {"if"});
  front.declarations.declare_rule("tIdent", TerminalKind::Plain);
  front.diagnostics.set_line(0);
  check_keyword_verification(front.diagnostics, front.declarations.terminals);
  EXPECT_EQ(front.reports(), "Error: Keyword(s) defined without a scanner rule to verify\n");
  front.declarations.set_reserved_action("get_repr()");
  check_keyword_verification(front.diagnostics, front.declarations.terminals);
  EXPECT_EQ(front.diagnostics.error_count(), 1);
}

TEST(DeclKeywords, VerifyRuleOrNoKeywordsAtAll) {
  ScannerFront front;
  front.declarations.declare_rule("tIdent", TerminalKind::Plain);
  check_keyword_verification(front.diagnostics, front.declarations.terminals);
  front.symbol(SymbolSection::Keywords, "kIf", {"if"});
  front.declarations.declare_rule("tWord", TerminalKind::Verify);
  check_keyword_verification(front.diagnostics, front.declarations.terminals);
  EXPECT_EQ(front.reports(), "");
}

}  // namespace
}  // namespace zedra
