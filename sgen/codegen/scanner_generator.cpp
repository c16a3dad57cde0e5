#include "codegen/scanner_generator.h"

#include "code_writer.h"
#include "diagnostics.h"
#include "front/scanner_declarations.h"

namespace zedra {

namespace {

constexpr int kCodeWidth = 80;
constexpr int kMsgTypeWithoutValues = 58;  // "Scanner type '%s': no type values specified"

const char* type_name_of(const ScannerAttribute& attribute) {
  return attribute.type ? attribute.type->name->c_str() : attribute.type_name.c_str();
}

// Writes the names of `items` separated by ", ", each in an emit of its
// own, so that a long list wraps between names.
template <class Items, class NameOf>
void write_name_list(CodeWriter& code, const Items& items, NameOf name_of) {
  bool first = true;
  for (const auto& item : items) {
    if (!first) code.emit(0, ", ");
    code.emit(0, "%s", name_of(item));
    first = false;
  }
}

const char* value_name(const TypeValue& value) { return value.name->c_str(); }

void write_module_includes(CodeWriter& code, const DefinitionModuleList& modules) {
  for (const DefinitionModule& module : modules)
    if (!module.name.empty()) code.emit(1, "#include \"%s.h\"", module.name.c_str());
}

void write_token_enumeration(CodeWriter& code, const TerminalList& terminals) {
  code.emit(2, "/* Definition of tokens (i.e. terminals) used in parser: */");
  code.emit(2, "#define i_token_set_size %d", static_cast<int>(terminals.size()) + 1);
  code.emit(kIndent | 1, "typedef enum {");
  code.emit(0, "i_Unknown= -1, i_EndOfFile");
  for (const Terminal& terminal : terminals) code.emit(0, ", %s", terminal.name->c_str());
  code.emit(kOutdent | 1);
  code.emit(2, "} i_token_set;");
  code.emit(2, "#include \"scanpars.h\"");
}

void write_user_types(CodeWriter& code, Diagnostics& diagnostics, const TypeList& types) {
  if (types.empty()) return;
  code.emit(2, "/* User-defined scanner types: */");
  for (const TypeRecord& type : types) {
    if (type.values.empty()) {
      diagnostics.report(kMsgTypeWithoutValues, *type.name);
      continue;
    }
    code.emit(kIndent | 1, "typedef enum {");
    write_name_list(code, type.values, value_name);
    code.emit(kOutdent | 2, "} %s;", type.name->c_str());
  }
}

void write_attribute_records(CodeWriter& code, const ScannerDeclarations& declarations) {
  if (declarations.attributes.list().empty()) return;
  code.emit(2, "/* Type definitions for the scanner attributes: */");
  for (const Terminal& terminal : declarations.terminals.list()) {
    if (terminal.assignments().empty()) continue;
    code.emit(kIndent | 1, "typedef struct {");
    for (const AttributeAssignment& assignment : terminal.assignments()) {
      if (!assignment.attribute) continue;
      code.emit(1, "%s %s;", type_name_of(*assignment.attribute), assignment.attribute->name->c_str());
    }
    code.emit(kOutdent | 2, "} t_%s;", terminal.name->c_str());
  }
}

void write_prototypes(CodeWriter& code, const ScannerSources& sources) {
  if (!sources.types.empty()) {
    code.emit(2, "/* Default actions for each user-defined type: */");
    for (const TypeRecord& type : sources.types) {
      code.emit(0, "void i_%s(%s *", type.name->c_str(), type.name->c_str());
      code.emit(1, ");");
    }
  }
  code.emit(1);
  bool first = true;
  for (const Terminal& terminal : sources.declarations.terminals.list()) {
    if (terminal.assignments().empty()) continue;
    if (first) code.emit(2, "/* Procedures for the attributed terminals: */");
    first = false;
    const char* name = terminal.name->c_str();
    code.emit(0, "void p_%s(t_%s *", name, name);
    code.emit(1, ");");
  }
  code.emit(1);
}

// The values of "TYPES" in the parser dialect.
void write_include_types(CodeWriter& code, const TypeList& types) {
  if (types.empty()) return;
  code.emit(kIndent | 1, "TYPES");
  for (const TypeRecord& type : types) {
    code.emit(kIndent | 1, "%s = (", type.name->c_str());
    write_name_list(code, type.values, value_name);
    code.emit(kOutdent | 1);
    code.emit(1, ").");
  }
  code.emit(kOutdent | 2);
}

void write_include_attributes(CodeWriter& code, const ScannerAttributeList& attributes) {
  if (attributes.empty()) return;
  code.emit(kIndent | 1, "ATTRIBUTES");
  for (const ScannerAttribute& attribute : attributes) {
    code.emit(kIndent | 1, "%s: %s", attribute.name->c_str(), type_name_of(attribute));
    code.emit(0, "SYN OF ");
    write_name_list(code, attribute.terminals,
                    [](const AssociatedTerminal& terminal) { return terminal.name.c_str(); });
    code.emit(kOutdent | 1);
    code.emit(1, ".");
  }
  code.emit(kOutdent | 1);
}

}  // namespace

void write_scanner_header(CodeWriter& code, Diagnostics& diagnostics,
                          const ScannerSources& sources, const std::string& module) {
  const ScannerDeclarations& declarations = sources.declarations;
  code.emit(1, "#ifndef %s_h", module.c_str());
  code.emit(1, "#define %s_h", module.c_str());
  write_module_includes(code, declarations.actions.predefined_modules());
  write_module_includes(code, declarations.actions.modules());
  code.emit(1);
  write_token_enumeration(code, declarations.terminals.list());
  write_user_types(code, diagnostics, sources.types);
  write_attribute_records(code, declarations);
  write_prototypes(code, sources);
  code.emit(1, "#endif");
}

void write_scanner_include(CodeWriter& code, const ScannerSources& sources) {
  const ScannerDeclarations& declarations = sources.declarations;
  code.emit(kIndent | 1, "TERMINALS");
  write_name_list(code, declarations.terminals.list(),
                  [](const Terminal& terminal) { return terminal.name->c_str(); });
  code.emit(kOutdent | 2, ".");
  write_include_types(code, sources.types);
  write_include_attributes(code, declarations.attributes.list());
}

void generate_scanner_files(Diagnostics& diagnostics, const ScannerSources& sources,
                            const std::string& module) {
  CodeWriter code(diagnostics);
  code.open(module, "h", kCodeWidth);
  write_scanner_header(code, diagnostics, sources, module);
  code.close();
  code.open(module, "c", kCodeWidth);
  write_scanner_source(code, diagnostics, sources, module);
  code.close();
  code.open(module, "inc", kCodeWidth);
  write_scanner_include(code, sources);
  code.close();
}

std::string c_string_body(const std::string& text) {
  std::string body;
  body.reserve(text.size());
  for (const char c : text) {
    if (c == '\\' || c == '"') body += '\\';
    body += c;
  }
  return body;
}

}  // namespace zedra
