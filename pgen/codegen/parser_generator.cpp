// The layout of the generated parser file: the action-module headers, the
// attribute records of the nonterminals, the global attributes, the
// prototypes, one procedure per rule (ROOT first, which owns the marker set)
// and the entry function that a host program or the C runtime calls.
#include "codegen/parser_generator.h"

#include "code_writer.h"
#include "diagnostics.h"
#include "front/parser_declarations.h"
#include "driver/options.h"
#include "codegen/parser_writer.h"

namespace zedra {

namespace {

constexpr int kParserWidth = 80;
constexpr const char* kRootName = "ROOT";

class ParserFile {
 public:
  ParserFile(CodeWriter& code, const ParserDeclarations& declarations, const PgenOptions& options)
      : code_(code),
        declarations_(declarations),
        options_(options),
        writer_(code, declarations, options.has(kOptErrorRecovery)) {}

  void write(const std::string& module_name);

 private:
  bool is_root(const Rule& rule) const { return rule.name == kRootName; }
  bool recovery() const { return writer_.error_recovery(); }

  void module_includes();
  void attribute_records();
  void globals();
  void prototypes();
  void prototype(const Rule& rule);
  void procedure(const Rule& rule);
  void procedure_header(const Rule& rule);
  void root_marker_set();
  void declarations(const Rule& rule);
  void merge_caller_markers();
  void entry_function(const std::string& module_name);

  CodeWriter& code_;
  const ParserDeclarations& declarations_;
  const PgenOptions& options_;
  ParserWriter writer_;
};

void ParserFile::write(const std::string& module_name) {
  module_includes();
  code_.emit(2);
  attribute_records();
  globals();
  code_.emit(2);
  prototypes();
  code_.emit(1);
  for (const auto& rule : declarations_.own.rules.rules)
    if (rule->body) procedure(*rule);
  entry_function(module_name);
}

void ParserFile::module_includes() {
  for (const ModuleList* modules : {&declarations_.actions.imported, &declarations_.actions.own})
    for (const ActionModule& module : *modules)
      if (!module.name.empty()) code_.emit(1, "#include \"%s.h\"", module.name.c_str());
}

// A record of the inherited and synthesised attributes of every attributed
// nonterminal; procedures receive it by address as i_attrs.
void ParserFile::attribute_records() {
  for (const auto& rule : declarations_.own.rules.rules) {
    if (is_root(*rule) || !writer_.has_attributes(rule->name)) continue;
    code_.emit(kIndent | 1, "typedef struct {");
    for (const auto& attribute : declarations_.own.attributes)
      if (attribute->kind != AttributeKind::Global && attribute->is_associated_with(rule->name))
        code_.emit(1, "%s %s;", attribute->type_name.c_str(), attribute->name->c_str());
    code_.emit(kOutdent | 2, "} t_%s;", rule->name.c_str());
  }
}

void ParserFile::globals() {
  for (const DeclarationLayer* layer : {&declarations_.own, &declarations_.imported})
    for (const auto& attribute : layer->attributes)
      if (attribute->kind == AttributeKind::Global)
        code_.emit(1, "%s %s;", attribute->type_name.c_str(), attribute->name->c_str());
}

void ParserFile::prototypes() {
  for (const auto& rule : declarations_.own.rules.rules)
    if (!is_root(*rule)) prototype(*rule);
}

void ParserFile::prototype(const Rule& rule) {
  code_.emit(0, "static void ");
  code_.emit(0, "p_%s", rule.name.c_str());
  const bool attributed = writer_.has_attributes(rule.name);
  if (attributed) code_.emit(0, "(t_%s *", rule.name.c_str());
  if (attributed && recovery())
    code_.emit(1, ", i_marker_set, ...);");
  else if (attributed)
    code_.emit(1, ");");
  else if (recovery())
    code_.emit(1, "(i_marker_set, ...);");
  else
    code_.emit(1, "(void);");
}

void ParserFile::procedure(const Rule& rule) {
  code_.emit(2);
  procedure_header(rule);
  code_.emit(kIndent | 1, "{");
  const bool root = is_root(rule);
  if (root && recovery()) root_marker_set();
  declarations(rule);
  if (!root && recovery()) merge_caller_markers();
  NameList no_markers;
  writer_.group(*rule.body, &rule.name, writer_.all_terminals(), no_markers);
  if (root && recovery()) code_.emit(1, "free(i_markers);");
  code_.emit(kOutdent | 1, "}");
}

void ParserFile::procedure_header(const Rule& rule) {
  if (is_root(rule)) {
    code_.emit(1, "void");
    code_.emit(1, "pROOT(void)");
    return;
  }
  code_.emit(1, "static void");
  code_.emit(0, "p_%s", rule.name.c_str());
  const bool attributed = writer_.has_attributes(rule.name);
  if (attributed) code_.emit(0, "(t_%s *", rule.name.c_str());
  if (attributed && recovery())
    code_.emit(1, "i_attrs, i_marker_set i_markers, ...)");
  else if (attributed)
    code_.emit(1, "i_attrs)");
  else if (recovery())
    code_.emit(1, "(i_marker_set i_markers, ...)");
  else
    code_.emit(1, "(void)");
}

void ParserFile::root_marker_set() {
  code_.emit(1, "i_marker_set i_markers;");
}

// ROOT declares its occurrence variables like every other rule, so that an
// attributed start symbol, or attributed items around it, have their
// records; its marker set is allocated once the declarations are made.
void ParserFile::declarations(const Rule& rule) {
  writer_.occurrence_variables(*rule.body);
  for (const Local& local : rule.locals)
    code_.emit(1, "%s %s;", local.type_name.c_str(), local.name.c_str());
  const bool root = is_root(rule);
  if (!root && recovery()) {
    code_.emit(1, "va_list i_args;");
    code_.emit(1, "i_token_set i_token;");
  }
  code_.emit(1);
  if (!root || !recovery()) return;
  code_.emit(kIndent | 1, "if ((i_markers= (i_marker_set)calloc(i_token_set_size, 1)) == 0) {");
  code_.emit(1, "i_report(i_ENOMEM, __LINE__, __FILE__);");
  code_.emit(1, "return;");
  code_.emit(kOutdent | 1, "}");
}

// The caller's resume tokens, a list ended by -1, join the marker set.
void ParserFile::merge_caller_markers() {
  code_.emit(1, "va_start(i_args, i_markers);");
  code_.emit(kIndent | 1, "while ((i_token= va_arg(i_args, i_token_set)) != -1)");
  code_.emit(1, "i_markers[i_token]= 1;");
  code_.emit(kOutdent | 2, "va_end(i_args);");
}

void ParserFile::entry_function(const std::string& module_name) {
  code_.emit(2);
  code_.emit(1, "int");
  if (options_.has(kOptProgram))
    code_.emit(1, "main(int ac, char **av)");
  else
    code_.emit(1, "%s_parser(int ac, char **av)", module_name.c_str());
  code_.emit(kIndent | 1, "{");
  code_.emit(kIndent | 1, "if (!i_init(ac, av))");
  code_.emit(2, "return 1;");
  code_.emit(kOutdent | 1, "i_next_token();");
  code_.emit(1, "pROOT();");
  code_.emit(1, "return i_finish();");
  code_.emit(kOutdent | 1, "}");
}

}  // namespace

void generate_parser(Diagnostics& diagnostics, const ParserDeclarations& declarations,
                     const PgenOptions& options) {
  CodeWriter code(diagnostics);
  code.open(diagnostics.module_name(), "c", kParserWidth);
  ParserFile(code, declarations, options).write(diagnostics.module_name());
  code.close();
}

}  // namespace zedra
