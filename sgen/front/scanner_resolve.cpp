#include "front/scanner_resolve.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "scpatype.h"
#include "spelling_hint.h"
#include "front/scanner_declarations.h"

namespace zedra {

namespace {

// A terminal as the attribute messages name it: "name (representation)"
// for a terminal with representations.
std::string terminal_label(const Terminal& terminal, const Representation* representation) {
  if (!representation) return *terminal.name;
  return *terminal.name + " (" + representation->text + ")";
}

bool assigns(const AssignmentList& assignments, const std::string& attribute_name) {
  return std::any_of(assignments.begin(), assignments.end(),
                     [&](const AttributeAssignment& a) { return a.attribute_name == attribute_name; });
}

void resolve_action_types(ScannerDeclarations& declarations, SpellingHints& hints) {
  Diagnostics& diagnostics = declarations.diagnostics();
  for (DefinitionModule& module : declarations.actions.modules())
    for (auto& action : module.actions) {
      action->type = declarations.types().type_find(action->type_name);
      if (action->type) continue;
      diagnostics.set_line(action->line);
      diagnostics.report(Msg::UndefinedReference, "Type", action->type_name, "action", *action->name);
      hints.report(diagnostics, action->type_name, [&] { return type_names(declarations.types()); });
    }
}

// Every associated terminal must set the attribute: in each of its
// representations, or in its own assignments.
void check_terminal_sets_attribute(Diagnostics& diagnostics, const Terminal& terminal,
                                   const ScannerAttribute& attribute) {
  diagnostics.set_line(terminal.line);
  if (!terminal.has_representations()) {
    if (!assigns(terminal.own_assignments, *attribute.name))
      diagnostics.report(Msg::TerminalAttributeNotSet, *terminal.name, *attribute.name);
    return;
  }
  for (const Representation& representation : terminal.representations)
    if (!assigns(representation.assignments, *attribute.name))
      diagnostics.report(Msg::TerminalAttributeNotSet, terminal_label(terminal, &representation), *attribute.name);
}

// The names of the terminals, for the hint under an undefined one.
std::vector<std::string_view> terminal_names(const ScannerDeclarations& declarations) {
  std::vector<std::string_view> names;
  for (const Terminal& terminal : declarations.terminals.list()) names.push_back(*terminal.name);
  return names;
}

// The conversion NAME (written TEXT) of ATTRIBUTE, looked up by name and
// the attribute's type; null, reported, when there is none. Without its
// type (reported undefined at the attribute) the lookup cannot tell a
// right name from a wrong one: only a name that no conversion has is
// reported then.
const ScannerAction* find_conversion(ScannerDeclarations& declarations, const std::string& text,
                                     const std::string& name, const ScannerAttribute& attribute,
                                     const char* owner_kind, const std::string& owner) {
  if (!attribute.type && declarations.actions.action_named(name)) return nullptr;
  const ScannerAction* action = declarations.actions.action_find(name, attribute.type);
  if (!action)
    report_action_not_found(declarations.diagnostics(), declarations.actions, text, name, attribute.type,
                            owner_kind, owner);
  return action;
}

void resolve_attribute(ScannerDeclarations& declarations, ScannerAttribute& attribute, SpellingHints& hints) {
  Diagnostics& diagnostics = declarations.diagnostics();
  diagnostics.set_line(attribute.line);
  attribute.type = declarations.types().type_find(attribute.type_name);
  if (!attribute.type) {
    diagnostics.report(Msg::UndefinedReference, "Type", attribute.type_name, "attribute", *attribute.name);
    hints.report(diagnostics, attribute.type_name, [&] { return type_names(declarations.types()); });
  }
  if (!attribute.default_action_name.empty())
    attribute.default_action = find_conversion(declarations, attribute.default_action_name,
                                               attribute.default_action_name, attribute, "attribute",
                                               *attribute.name);
  for (AssociatedTerminal& associated : attribute.terminals) {
    associated.terminal = declarations.terminals.terminal_find(associated.name);
    if (!associated.terminal) {
      diagnostics.set_line(attribute.line);
      diagnostics.report(Msg::UndefinedReference, "Associated terminal", associated.name, "attribute", *attribute.name);
      hints.report(diagnostics, associated.name, [&] { return terminal_names(declarations); });
      continue;
    }
    check_terminal_sets_attribute(diagnostics, *associated.terminal, attribute);
  }
}

void resolve_assignment(ScannerDeclarations& declarations, const Terminal& terminal,
                        AttributeAssignment& assignment, SpellingHints& hints) {
  Diagnostics& diagnostics = declarations.diagnostics();
  diagnostics.set_line(assignment.line);
  assignment.attribute = declarations.attributes.scanner_attribute_find(assignment.attribute_name);
  if (!assignment.attribute) {
    diagnostics.report(Msg::AttributeUndefined, assignment.attribute_name);
    return;
  }
  const ScannerAttribute& attribute = *assignment.attribute;
  if (!attribute.lists_terminal(*terminal.name))
    diagnostics.report(Msg::AttributeNotAssociated, *attribute.name, "terminal", *terminal.name);
  const std::size_t call = assignment.value_text.find('(');
  if (call != std::string::npos) {
    assignment.action = find_conversion(declarations, assignment.value_text, assignment.value_text.substr(0, call),
                                        attribute, "terminal", *terminal.name);
    return;
  }
  // A value of an undefined type (reported at the attribute) cannot be
  // looked up.
  if (!attribute.type) return;
  assignment.type_value = TypeTable::type_value_find(assignment.value_text, attribute.type);
  if (assignment.type_value) return;
  diagnostics.report(Msg::UndefinedReference, "Type value", assignment.value_text, "terminal", *terminal.name);
  if (!report_value_of_other_type(diagnostics, declarations.types(), assignment.value_text, attribute.type))
    hints.report(diagnostics, assignment.value_text, [&] { return value_names(attribute.type); });
}

void resolve_terminal(ScannerDeclarations& declarations, Terminal& terminal, SpellingHints& hints) {
  if (!terminal.has_representations()) {
    for (AttributeAssignment& assignment : terminal.own_assignments)
      resolve_assignment(declarations, terminal, assignment, hints);
    return;
  }
  for (Representation& representation : terminal.representations)
    for (AttributeAssignment& assignment : representation.assignments)
      resolve_assignment(declarations, terminal, assignment, hints);
}

// Assignments of `attribute` in `list` that the resolution left without a
// value.
void report_unset(Diagnostics& diagnostics, const AssignmentList& list, const std::string& label,
                  const ScannerAttribute& attribute) {
  for (const AttributeAssignment& assignment : list) {
    if (assignment.type_value || assignment.action) continue;
    if (assignment.attribute_name != *attribute.name) continue;
    diagnostics.set_line(assignment.line);
    diagnostics.report(Msg::TerminalAttributeNotSet, label, *attribute.name);
  }
}

}  // namespace

void resolve_scanner_declarations(ScannerDeclarations& declarations) {
  SpellingHints hints;
  resolve_action_types(declarations, hints);
  for (ScannerAttribute& attribute : declarations.attributes.list())
    resolve_attribute(declarations, attribute, hints);
  for (Terminal& terminal : declarations.terminals.list()) resolve_terminal(declarations, terminal, hints);
  declarations.diagnostics().set_line(0);
}

void test_scanner_attributes(ScannerDeclarations& declarations) {
  Diagnostics& diagnostics = declarations.diagnostics();
  for (const ScannerAttribute& attribute : declarations.attributes.list()) {
    diagnostics.set_line(attribute.line);
    if (!attribute.type) diagnostics.report(Msg::NoType, "Scanner attribute", *attribute.name);
    if (attribute.terminals.empty()) diagnostics.report(Msg::AttributeWithoutTerminals, *attribute.name);
    for (const AssociatedTerminal& associated : attribute.terminals) {
      const Terminal* terminal = associated.terminal;
      // An attribute without a type has no assignment resolved: each would
      // be reported unset, after its type was.
      if (!terminal || !attribute.type) continue;
      if (!terminal->has_representations())
        report_unset(diagnostics, terminal->own_assignments, *terminal->name, attribute);
      for (const Representation& representation : terminal->representations)
        report_unset(diagnostics, representation.assignments,
                     terminal_label(*terminal, &representation), attribute);
    }
  }
  diagnostics.set_line(0);
}

void check_keyword_verification(Diagnostics& diagnostics, const TerminalTable& terminals) {
  if (!terminals.has_keywords()) return;
  if (!some_terminal_looks_up_keywords(terminals.list()))
    diagnostics.report(Msg::KeywordsUnverified);
}

}  // namespace zedra
