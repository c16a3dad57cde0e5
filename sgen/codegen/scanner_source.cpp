// The scanner source M.c up to the scanning function: the token names, the
// sorted keyword table, the default actions of the user-defined types and
// the procedures that fill the attribute records of attributed terminals.
#include <vector>

#include "code_writer.h"
#include "diagnostics.h"
#include "codegen/keyword_table.h"
#include "codegen/scanner_generator.h"
#include "front/scanner_declarations.h"

namespace zedra {

namespace {

void write_token_names(CodeWriter& code, const TerminalList& terminals) {
  code.line("/* The token names (used for testing only): */");
  code.blank_lines(1);
  code.open_block("char *i_token_names[]= {");
  code.emit("\"End of file\", ");
  for (const Terminal& terminal : terminals) code.emit("\"%s\", ", terminal.name->c_str());
  code.close_block("0");
  code.line("};");
  code.blank_lines(1);
}

void write_default_actions(CodeWriter& code, const TypeList& types) {
  if (!types.empty()) {
    code.line("/* Default actions for each user-defined type: */");
    code.blank_lines(1);
    for (const TypeRecord& type : types) {
      const char* name = type.name->c_str();
      code.emit("void i_%s(%s *", name, name);
      code.line("v_%s)", name);
      code.open_block("{");
      if (!type.values.empty()) code.line("*v_%s= %s;", name, type.values.front().name->c_str());
      code.close_block("}");
    }
  }
  code.blank_lines(1);
}

// The runtime's copy that stands for strcpy(field, action(i_lexeme)) in the
// fast shape, for the predefined actions that only copy the lexeme; none
// for the others.
const char* fast_copy_of(const AttributeAssignment& assignment) {
  const ScannerAction* action = assignment.action;
  if (assignment.type_value || !action || !action->module || action->module->name != "cgl")
    return nullptr;
  if (*action->name == "convert_to_lower") return "i_copy_lower";
  if (*action->name == "convert_to_upper") return "i_copy_upper";
  if (*action->name == "get_repr") return "i_copy_repr";
  return nullptr;
}

void write_assignments(CodeWriter& code, const Terminal& terminal, const AssignmentList& assignments,
                       const TypeRecord* string_type, bool fast) {
  const char* owner = terminal.name->c_str();
  for (const AttributeAssignment& assignment : assignments) {
    const ScannerAttribute* attribute = assignment.attribute;
    if (!attribute || !attribute->type) continue;
    const bool is_string = attribute->type == string_type;
    const char* copy = is_string && fast ? fast_copy_of(assignment) : nullptr;
    if (copy) {
      code.line("%s(v_%s->%s, i_lexeme);", copy, owner, attribute->name->c_str());
      continue;
    }
    if (is_string)
      code.emit("strcpy(v_%s->%s, ", owner, attribute->name->c_str());
    else
      code.emit("v_%s->%s= ", owner, attribute->name->c_str());
    if (assignment.type_value)
      code.emit_text(*assignment.type_value->name);
    else if (assignment.action)
      code.emit("%s(i_lexeme)", assignment.action->name->c_str());
    code.line(is_string ? ");" : ";");
  }
}

void write_procedure_body(CodeWriter& code, const Terminal& terminal, const TypeRecord* string_type,
                          bool fast) {
  if (terminal.representations.size() >= 2) {
    bool first = true;
    for (const Representation& representation : terminal.representations) {
      code.emit(first ? "if (!strcmp(" : "else if (!strcmp(");
      first = false;
      code.open_block("i_lexeme, \"" + c_string_body(representation.text) + "\")) {");
      write_assignments(code, terminal, representation.assignments, string_type, fast);
      code.close_block("}");
    }
  } else if (terminal.representations.size() == 1) {
    write_assignments(code, terminal, terminal.representations.front().assignments, string_type,
                      fast);
  } else {
    write_assignments(code, terminal, terminal.own_assignments, string_type, fast);
  }
}

}  // namespace

void write_keyword_table(CodeWriter& code, Diagnostics& diagnostics,
                         const ScannerDeclarations& declarations) {
  const TerminalList& terminals = declarations.terminals.list();
  code.line("/* The (sorted) keyword table: */");
  code.blank_lines(1);
  code.open_block("static struct {");
  code.line("i_token_set lhs;");
  code.line("char *rhs;");
  code.next_block("} i_keywords[]= {");
  const std::vector<KeywordPair> pairs = sorted_keywords(terminals);
  for (const KeywordPair& pair : pairs)
    code.line("{ %s, \"%s\" },", pair.terminal->c_str(), c_string_body(*pair.text).c_str());
  code.line("{ 0, NULL }");
  code.close_block("};");
  code.blank_lines(1);
  if (!pairs.empty() && !some_terminal_looks_up_keywords(terminals)) diagnostics.report(Msg::KeywordsUnverified);
}

void write_attribute_procedures(CodeWriter& code, const ScannerDeclarations& declarations,
                                bool fast) {
  const TypeRecord* string_type = declarations.actions.string_type();
  bool first = true;
  for (const Terminal& terminal : declarations.terminals.list()) {
    if (terminal.assignments().empty()) continue;
    if (first) {
      code.line("/* Procedures for the attributed terminals: */");
      code.blank_lines(1);
    }
    first = false;
    const char* name = terminal.name->c_str();
    code.emit("void p_%s(t_%s *", name, name);
    code.line("v_%s)", name);
    code.open_block("{");
    write_procedure_body(code, terminal, string_type, fast);
    code.close_block("}");
    code.blank_lines(1);
  }
  code.blank_lines(1);
}

void write_scanner_source(CodeWriter& code, Diagnostics& diagnostics,
                          const ScannerSources& sources, const std::string& module) {
  code.line("#include \"%s.h\"", module.c_str());
  code.blank_lines(1);
  write_token_names(code, sources.declarations.terminals.list());
  write_keyword_table(code, diagnostics, sources.declarations);
  code.line("#include \"scanpars.c\"");
  code.blank_lines(1);
  write_default_actions(code, sources.types);
  write_attribute_procedures(code, sources.declarations, sources.fast);
  if (sources.fast)
    write_fast_next_token(code, sources.automaton,
                          sorted_keywords(sources.declarations.terminals.list()));
  else
    write_next_token(code, sources.automaton);
}

}  // namespace zedra
