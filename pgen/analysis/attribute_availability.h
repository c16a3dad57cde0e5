// The attribute availability test: checks the flow of attribute values
// through every rule. An inherited attribute of a symbol occurrence must be
// set before the symbol is parsed, a synthesised attribute of the rule must
// be set on every path through its body, an action's IN argument must be
// available where the action is called, an OUT argument should not be set
// twice, and whatever is set should be used.
// (Known in the design as the module `avlbtest`.)
//
// pgen runs the three parts in this order: the declaration checks once
// (after the parser constants' types were checked), the rule test for each
// rule in rule-list order (ROOT first, after its listing and LL(1) test),
// and the closing check after the last rule.
//
// Scanner attributes reach pgen through the include file as SYN attributes
// of terminals, so they are checked here as parser attributes.
#pragma once

namespace zedra {

class Diagnostics;
class ParserDeclarations;
struct Rule;

// Types of attributes and locals, associated symbols of INH and SYN
// attributes, default actions of SYN attributes, and locals that hide an
// attribute (Msg::NoType, AttributeWithoutNonterminals, NoDefaultAction,
// LocalHidesAttribute). Reports carry the declaration's line.
void check_attribute_declarations(Diagnostics& diagnostics, const ParserDeclarations& declarations);

// The availability test of one rule (Msg::CallAttributeNotEvaluated,
// CallArgumentNotSet, AttributeNotAvailable; the warnings AttributeNotUsed
// to LocalNotUsed), with the availability sets written into the listing after a report.
// Counts the uses of parser attributes and marks the rule's locals used.
void test_rule_availability(Diagnostics& diagnostics, ParserDeclarations& declarations, Rule& rule);

// Msg::AttributeNeverUsed for every parser attribute that no rule used.
void check_attributes_used(Diagnostics& diagnostics, const ParserDeclarations& declarations);

}  // namespace zedra
