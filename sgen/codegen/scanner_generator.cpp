#include "codegen/scanner_generator.h"

#include "code_writer.h"
#include "diagnostics.h"
#include "front/scanner_declarations.h"

namespace zedra {

namespace {

constexpr int kCodeWidth = 80;

const char* type_name_of(const ScannerAttribute& attribute) {
  return attribute.type ? attribute.type->name->c_str() : attribute.type_name.c_str();
}

// Writes the names of `items` separated by ", ", each in an emit of its
// own, so that a long list wraps between names.
template <class Items, class NameOf>
void write_name_list(CodeWriter& code, const Items& items, NameOf name_of) {
  bool first = true;
  for (const auto& item : items) {
    if (!first) code.emit(", ");
    code.emit_text(name_of(item));
    first = false;
  }
}

const char* value_name(const TypeValue& value) { return value.name->c_str(); }

void write_module_includes(CodeWriter& code, const DefinitionModuleList& modules) {
  for (const DefinitionModule& module : modules)
    if (!module.name.empty()) code.line("#include \"%s.h\"", module.name.c_str());
}

void write_token_enumeration(CodeWriter& code, const TerminalList& terminals) {
  code.line("/* Definition of tokens (i.e. terminals) used in parser: */");
  code.blank_lines(1);
  code.line("#define i_token_set_size %d", static_cast<int>(terminals.size()) + 1);
  code.blank_lines(1);
  code.open_block("typedef enum {");
  code.emit("i_Unknown= -1, i_EndOfFile");
  for (const Terminal& terminal : terminals) code.emit(", %s", terminal.name->c_str());
  code.end_line();
  code.close_block("} i_token_set;");
  code.blank_lines(1);
  code.line("#include \"scanpars.h\"");
  code.blank_lines(1);
}

void write_user_types(CodeWriter& code, Diagnostics& diagnostics, const TypeList& types) {
  if (types.empty()) return;
  code.line("/* User-defined scanner types: */");
  code.blank_lines(1);
  for (const TypeRecord& type : types) {
    if (type.values.empty()) {
      diagnostics.report(Msg::TypeWithoutValues, *type.name);
      continue;
    }
    code.open_block("typedef enum {");
    write_name_list(code, type.values, value_name);
    code.close_block("} " + *type.name + ";");
    code.blank_lines(1);
  }
}

void write_attribute_records(CodeWriter& code, const ScannerDeclarations& declarations) {
  if (declarations.attributes.list().empty()) return;
  code.line("/* Type definitions for the scanner attributes: */");
  code.blank_lines(1);
  for (const Terminal& terminal : declarations.terminals.list()) {
    if (terminal.assignments().empty()) continue;
    code.open_block("typedef struct {");
    for (const AttributeAssignment& assignment : terminal.assignments()) {
      if (!assignment.attribute) continue;
      code.line("%s %s;", type_name_of(*assignment.attribute), assignment.attribute->name->c_str());
    }
    code.close_block("} t_" + *terminal.name + ";");
    code.blank_lines(1);
  }
}

void write_prototypes(CodeWriter& code, const ScannerSources& sources) {
  if (!sources.types.empty()) {
    code.line("/* Default actions for each user-defined type: */");
    code.blank_lines(1);
    for (const TypeRecord& type : sources.types) {
      code.emit("void i_%s(%s *", type.name->c_str(), type.name->c_str());
      code.line(");");
    }
  }
  code.blank_lines(1);
  bool first = true;
  for (const Terminal& terminal : sources.declarations.terminals.list()) {
    if (terminal.assignments().empty()) continue;
    if (first) {
      code.line("/* Procedures for the attributed terminals: */");
      code.blank_lines(1);
    }
    first = false;
    const char* name = terminal.name->c_str();
    code.emit("void p_%s(t_%s *", name, name);
    code.line(");");
  }
  code.blank_lines(1);
}

// The values of "TYPES" in the parser dialect.
void write_include_types(CodeWriter& code, const TypeList& types) {
  if (types.empty()) return;
  code.open_block("TYPES");
  for (const TypeRecord& type : types) {
    code.open_block(*type.name + " = (");
    write_name_list(code, type.values, value_name);
    code.end_line();
    code.close_block(").");
  }
  code.outdent();
  code.blank_lines(2);
}

void write_include_attributes(CodeWriter& code, const ScannerAttributeList& attributes) {
  if (attributes.empty()) return;
  code.open_block("ATTRIBUTES");
  for (const ScannerAttribute& attribute : attributes) {
    code.open_block(*attribute.name + ": " + type_name_of(attribute));
    code.emit("SYN OF ");
    write_name_list(code, attribute.terminals,
                    [](const AssociatedTerminal& terminal) { return terminal.name.c_str(); });
    code.end_line();
    code.close_block(".");
  }
  code.outdent();
  code.blank_lines(1);
}

}  // namespace

void write_scanner_header(CodeWriter& code, Diagnostics& diagnostics,
                          const ScannerSources& sources, const std::string& module) {
  const ScannerDeclarations& declarations = sources.declarations;
  code.line("#ifndef %s_h", module.c_str());
  code.line("#define %s_h", module.c_str());
  write_module_includes(code, declarations.actions.predefined_modules());
  write_module_includes(code, declarations.actions.modules());
  code.blank_lines(1);
  write_token_enumeration(code, declarations.terminals.list());
  write_user_types(code, diagnostics, sources.types);
  write_attribute_records(code, declarations);
  write_prototypes(code, sources);
  code.line("#endif");
}

void write_scanner_include(CodeWriter& code, const ScannerSources& sources) {
  const ScannerDeclarations& declarations = sources.declarations;
  code.open_block("TERMINALS");
  write_name_list(code, declarations.terminals.list(),
                  [](const Terminal& terminal) { return terminal.name->c_str(); });
  code.close_block(".");
  code.blank_lines(1);
  write_include_types(code, sources.types);
  write_include_attributes(code, declarations.attributes.list());
}

bool generate_scanner_files(Diagnostics& diagnostics, const ScannerSources& sources,
                            const std::string& module) {
  CodeWriter code(diagnostics);
  if (!code.open(module, "h", kCodeWidth)) return false;
  write_scanner_header(code, diagnostics, sources, module);
  if (!code.close()) return false;
  if (!code.open(module, "c", kCodeWidth)) return false;
  write_scanner_source(code, diagnostics, sources, module);
  if (!code.close()) return false;
  if (!code.open(module, "inc", kCodeWidth)) return false;
  write_scanner_include(code, sources);
  return code.close();
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

std::string c_word_constant(unsigned long long value) {
  static const char digits[] = "0123456789abcdef";
  std::string text;
  do {
    text.insert(text.begin(), digits[value % 16]);
    value /= 16;
  } while (value != 0);
  return "0x" + text + "ull";
}

}  // namespace zedra
