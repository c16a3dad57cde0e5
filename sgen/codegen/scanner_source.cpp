// The scanner source M.c up to the scanning function: the token names, the
// sorted keyword table, the default actions of the user-defined types and
// the procedures that fill the attribute records of attributed terminals.
#include <algorithm>
#include <vector>

#include "code_writer.h"
#include "diagnostics.h"
#include "codegen/scanner_generator.h"
#include "front/scanner_declarations.h"

namespace zedra {

namespace {

constexpr int kMsgKeywordsUnverified = 47;  // "Keyword(s) defined without a scanner rule to verify"

struct KeywordPair {
  const std::string* terminal;
  const std::string* text;
};

std::vector<KeywordPair> sorted_keywords(const TerminalList& terminals) {
  std::vector<KeywordPair> pairs;
  for (const Terminal& terminal : terminals)
    for (const Representation& representation : terminal.representations)
      if (!representation.is_symbol) pairs.push_back({terminal.name, &representation.text});
  // Byte-wise, the order of strcmp; of equal texts the runtime takes the last.
  std::stable_sort(pairs.begin(), pairs.end(), [](const KeywordPair& a, const KeywordPair& b) {
    return std::lexicographical_compare(
        a.text->begin(), a.text->end(), b.text->begin(), b.text->end(),
        [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
  });
  return pairs;
}

bool some_terminal_verifies(const TerminalList& terminals) {
  return std::any_of(terminals.begin(), terminals.end(), [](const Terminal& terminal) {
    return terminal.kind == TerminalKind::Verify || terminal.reserved_action != nullptr;
  });
}

void write_token_names(CodeWriter& code, const TerminalList& terminals) {
  code.emit(2, "/* The token names (used for testing only): */");
  code.emit(kIndent | 1, "char *i_token_names[]= {");
  code.emit(0, "\"End of file\", ");
  for (const Terminal& terminal : terminals) code.emit(0, "\"%s\", ", terminal.name->c_str());
  code.emit(kOutdent | 1, "0");
  code.emit(2, "};");
}

void write_default_actions(CodeWriter& code, const TypeList& types) {
  if (!types.empty()) {
    code.emit(2, "/* Default actions for each user-defined type: */");
    for (const TypeRecord& type : types) {
      const char* name = type.name->c_str();
      code.emit(0, "void i_%s(%s *", name, name);
      code.emit(1, "v_%s)", name);
      code.emit(kIndent | 1, "{");
      if (!type.values.empty()) code.emit(1, "*v_%s= %s;", name, type.values.front().name->c_str());
      code.emit(kOutdent | 1, "}");
    }
  }
  code.emit(1);
}

void write_assignments(CodeWriter& code, const Terminal& terminal, const AssignmentList& assignments,
                       const TypeRecord* string_type) {
  const char* owner = terminal.name->c_str();
  for (const AttributeAssignment& assignment : assignments) {
    const ScannerAttribute* attribute = assignment.attribute;
    if (!attribute || !attribute->type) continue;
    const bool is_string = attribute->type == string_type;
    if (is_string)
      code.emit(0, "strcpy(v_%s->%s, ", owner, attribute->name->c_str());
    else
      code.emit(0, "v_%s->%s= ", owner, attribute->name->c_str());
    if (assignment.type_value)
      code.emit(0, "%s", assignment.type_value->name->c_str());
    else if (assignment.action)
      code.emit(0, "%s(i_lexeme)", assignment.action->name->c_str());
    code.emit_text(1, is_string ? ");" : ";");
  }
}

void write_procedure_body(CodeWriter& code, const Terminal& terminal, const TypeRecord* string_type) {
  if (terminal.representations.size() >= 2) {
    bool first = true;
    for (const Representation& representation : terminal.representations) {
      code.emit_text(0, first ? "if (!strcmp(" : "else if (!strcmp(");
      first = false;
      code.emit(kIndent | 1, "i_lexeme, \"%s\")) {", c_string_body(representation.text).c_str());
      write_assignments(code, terminal, representation.assignments, string_type);
      code.emit(kOutdent | 1, "}");
    }
  } else if (terminal.representations.size() == 1) {
    write_assignments(code, terminal, terminal.representations.front().assignments, string_type);
  } else {
    write_assignments(code, terminal, terminal.own_assignments, string_type);
  }
}

}  // namespace

void write_keyword_table(CodeWriter& code, Diagnostics& diagnostics,
                         const ScannerDeclarations& declarations) {
  const TerminalList& terminals = declarations.terminals.list();
  code.emit(2, "/* The (sorted) keyword table: */");
  code.emit(kIndent | 1, "static struct {");
  code.emit(1, "i_token_set lhs;");
  code.emit(1, "char *rhs;");
  code.emit(kOutdent | kIndent | 1, "} i_keywords[]= {");
  const std::vector<KeywordPair> pairs = sorted_keywords(terminals);
  for (const KeywordPair& pair : pairs)
    code.emit(1, "{ %s, \"%s\" },", pair.terminal->c_str(), c_string_body(*pair.text).c_str());
  code.emit(1, "{ 0, NULL }");
  code.emit(kOutdent | 2, "};");
  if (!pairs.empty() && !some_terminal_verifies(terminals)) diagnostics.report(kMsgKeywordsUnverified);
}

void write_attribute_procedures(CodeWriter& code, const ScannerDeclarations& declarations) {
  const TypeRecord* string_type = declarations.actions.string_type();
  bool first = true;
  for (const Terminal& terminal : declarations.terminals.list()) {
    if (terminal.assignments().empty()) continue;
    if (first) code.emit(2, "/* Procedures for the attributed terminals: */");
    first = false;
    const char* name = terminal.name->c_str();
    code.emit(0, "void p_%s(t_%s *", name, name);
    code.emit(1, "v_%s)", name);
    code.emit(kIndent | 1, "{");
    write_procedure_body(code, terminal, string_type);
    code.emit(kOutdent | 2, "}");
  }
  code.emit(1);
}

void write_scanner_source(CodeWriter& code, Diagnostics& diagnostics,
                          const ScannerSources& sources, const std::string& module) {
  code.emit(2, "#include \"%s.h\"", module.c_str());
  write_token_names(code, sources.declarations.terminals.list());
  write_keyword_table(code, diagnostics, sources.declarations);
  code.emit(2, "#include \"scanpars.c\"");
  write_default_actions(code, sources.types);
  write_attribute_procedures(code, sources.declarations);
  write_next_token(code, sources.automaton);
}

}  // namespace zedra
