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
  ParserFile(CodeWriter& code, const ParserDeclarations& declarations, const PgenOptions& options,
             bool fast)
      : code_(code),
        declarations_(declarations),
        options_(options),
        writer_(code, declarations, options.has(kOptErrorRecovery), fast) {}

  void write(const std::string& module_name);
  const ParserWriter& writer() const { return writer_; }

 private:
  bool is_root(const Rule& rule) const { return rule.name == kRootName; }
  bool recovery() const { return writer_.error_recovery(); }
  // Marker sets as bit masks passed by value (the fast shape).
  bool bit_markers() const { return recovery() && writer_.bits(); }
  const char* bits_type() const { return writer_.wide_words() ? "i_wide_bits" : "i_marker_bits"; }
  // The marker parameters of the fast shape: one mask by value, or with
  // listed sets the caller's markers and the tokens it resumes at, two
  // masks by address (a rule's mask is then its own local, i_markers).
  std::string marker_parameter_types() const {
    return writer_.lists_sets() ? "const i_wide_bits *, const i_wide_bits *" : bits_type();
  }
  std::string marker_parameters() const {
    return writer_.lists_sets() ? "const i_wide_bits *i_outer, const i_wide_bits *i_more"
                                : std::string(bits_type()) + " i_markers";
  }

  void module_includes();
  void attribute_records();
  void globals();
  void prototypes();
  void prototype(const Rule& rule);
  void procedure(const Rule& rule);
  void procedure_header(const Rule& rule);
  void root_marker_set();
  void declarations(const Rule& rule);
  void enter_rule();
  void leave_rule();
  void entry_function(const std::string& module_name);
  void listed_sets_declaration();
  void listed_sets_table();

  CodeWriter& code_;
  const ParserDeclarations& declarations_;
  const PgenOptions& options_;
  ParserWriter writer_;
};

void ParserFile::write(const std::string& module_name) {
  module_includes();
  if (writer_.wide_words())
    code_.line("_Static_assert(i_wide_words == %zu, \"the scanner has the tokens this parser was generated for\");",
               writer_.wide_words());
  code_.blank_lines(2);
  attribute_records();
  globals();
  code_.blank_lines(2);
  prototypes();
  if (writer_.lists_sets()) listed_sets_declaration();
  code_.blank_lines(1);
  for (const auto& rule : declarations_.own.rules.rules)
    if (rule->body) procedure(*rule);
  if (writer_.lists_sets()) listed_sets_table();
  entry_function(module_name);
}

void ParserFile::listed_sets_declaration() {
  code_.blank_lines(1);
  code_.line("static const i_wide_bits *i_wsets;");
  code_.line("static void i_make_wsets(void);");
}

// The sets that the rule procedures named i_wsets[k], each ended by -1,
// made into masks by pROOT before it parses (an empty table holds one
// empty set, so that it is never of no size).
void ParserFile::listed_sets_table() {
  std::vector<std::vector<std::string>> sets = writer_.listed_sets();
  if (sets.empty()) sets.emplace_back();
  code_.blank_lines(2);
  code_.line("/* The token sets of the tests and markers, each ended by -1: */");
  code_.blank_lines(1);
  code_.open_block("static const int i_wset_tokens[]= {");
  for (const std::vector<std::string>& set : sets) {
    const char* separator = "";
    for (const std::string& token : set) {
      code_.emit("%s%s", separator, token.c_str());
      separator = ", ";
    }
    code_.emit("%s-1,", separator);
    code_.end_line();
  }
  code_.close_block("};");
  code_.line("static i_wide_bits i_wset_masks[%zu];", sets.size());
  code_.blank_lines(1);
  code_.line("static void");
  code_.line("i_make_wsets(void)");
  code_.open_block("{");
  code_.line("i_wide_fill(i_wset_masks, %zu, i_wset_tokens);", sets.size());
  code_.line("i_wsets= i_wset_masks;");
  code_.close_block("}");
}

void ParserFile::module_includes() {
  for (const ModuleList* modules : {&declarations_.actions.imported, &declarations_.actions.own})
    for (const ActionModule& module : *modules)
      if (!module.name.empty()) code_.line("#include \"%s.h\"", module.name.c_str());
}

// A record of the inherited and synthesised attributes of every attributed
// nonterminal; procedures receive it by address as i_attrs.
void ParserFile::attribute_records() {
  for (const auto& rule : declarations_.own.rules.rules) {
    if (is_root(*rule) || !writer_.has_attributes(rule->name)) continue;
    code_.open_block("typedef struct {");
    for (const auto& attribute : declarations_.own.attributes)
      if (attribute->kind != AttributeKind::Global && attribute->is_associated_with(rule->name))
        code_.line("%s %s;", attribute->type_name.c_str(), attribute->name->c_str());
    code_.close_block("} t_" + rule->name + ";");
    code_.blank_lines(1);
  }
}

void ParserFile::globals() {
  for (const DeclarationLayer* layer : {&declarations_.own, &declarations_.imported})
    for (const auto& attribute : layer->attributes)
      if (attribute->kind == AttributeKind::Global)
        code_.line("%s %s;", attribute->type_name.c_str(), attribute->name->c_str());
}

void ParserFile::prototypes() {
  for (const auto& rule : declarations_.own.rules.rules)
    if (!is_root(*rule)) prototype(*rule);
}

void ParserFile::prototype(const Rule& rule) {
  code_.emit("static void ");
  code_.emit("p_%s", rule.name.c_str());
  const bool attributed = writer_.has_attributes(rule.name);
  if (attributed) code_.emit("(t_%s *", rule.name.c_str());
  if (attributed && bit_markers())
    code_.line(", %s);", marker_parameter_types().c_str());
  else if (attributed && recovery())
    code_.line(", i_marker_set, ...);");
  else if (attributed)
    code_.line(");");
  else if (bit_markers())
    code_.line("(%s);", marker_parameter_types().c_str());
  else if (recovery())
    code_.line("(i_marker_set, ...);");
  else
    code_.line("(void);");
}

void ParserFile::procedure(const Rule& rule) {
  code_.blank_lines(2);
  procedure_header(rule);
  code_.open_block("{");
  const bool root = is_root(rule);
  if (root && recovery()) root_marker_set();
  if (!root && bit_markers() && writer_.lists_sets()) {
    // (A rule that neither calls nor skips leaves its mask unread.)
    code_.line("i_wide_bits i_markers= i_wide_join(i_outer, i_more);");
    code_.line("(void)i_markers;");
  }
  declarations(rule);
  if (root && writer_.lists_sets()) {
    code_.line("i_make_wsets();");
    code_.blank_lines(1);
  }
  if (!root) enter_rule();
  NameList no_markers;
  writer_.group(*rule.body, &rule.name, writer_.all_terminals(), no_markers);
  if (!root) leave_rule();
  if (root && recovery() && !bit_markers()) code_.line("free(i_markers);");
  code_.close_block("}");
}

void ParserFile::procedure_header(const Rule& rule) {
  if (is_root(rule)) {
    code_.line("void");
    code_.line("pROOT(void)");
    return;
  }
  code_.line("static void");
  code_.emit("p_%s", rule.name.c_str());
  const bool attributed = writer_.has_attributes(rule.name);
  if (attributed) code_.emit("(t_%s *", rule.name.c_str());
  if (attributed && bit_markers())
    code_.line("i_attrs, %s)", marker_parameters().c_str());
  else if (attributed && recovery())
    code_.line("i_attrs, i_marker_set i_markers, ...)");
  else if (attributed)
    code_.line("i_attrs)");
  else if (bit_markers())
    code_.line("(%s)", marker_parameters().c_str());
  else if (recovery())
    code_.line("(i_marker_set i_markers, ...)");
  else
    code_.line("(void)");
}

void ParserFile::root_marker_set() {
  if (!bit_markers())
    code_.line("i_marker_set i_markers;");
  else if (writer_.wide_words())
    code_.line("i_wide_bits i_markers= {{0}};");
  else
    code_.line("i_marker_bits i_markers= 0;");
}

// ROOT declares its occurrence variables like every other rule, so that an
// attributed start symbol, or attributed items around it, have their
// records; its marker set is allocated once the declarations are made.
void ParserFile::declarations(const Rule& rule) {
  writer_.occurrence_variables(*rule.body);
  for (const Local& local : rule.locals)
    code_.line("%s %s;", local.type_name.c_str(), local.name.c_str());
  const bool root = is_root(rule);
  if (!root && recovery() && !bit_markers()) code_.line("va_list i_args;");
  code_.blank_lines(1);
  if (!root || !recovery() || bit_markers()) return;
  code_.line("i_markers= (i_marker_set)calloc(i_token_set_size, sizeof *i_markers);");
  code_.open_block("if (i_markers == 0) {");
  code_.line("i_report(i_ENOMEM, __LINE__, __FILE__);");
  code_.line("return;");
  code_.close_block("}");
}

// A rule procedure counts in the nesting depth while it runs, and with
// error recovery the caller's resume tokens (a list ended by -1) count as
// markers while it runs, and only then: once it returns, the parse no
// longer stops a skip at the tokens it was called with. In the fast shape
// the caller passes its own markers with those tokens added, as one bit
// mask, which is the same set without counting.
void ParserFile::enter_rule() {
  if (!recovery() || bit_markers()) {
    code_.line("i_enter_plain_rule();");
    code_.blank_lines(1);
    return;
  }
  code_.line("va_start(i_args, i_markers);");
  code_.line("i_enter_rule(i_markers, i_args);");
  code_.line("va_end(i_args);");
  code_.blank_lines(1);
}

void ParserFile::leave_rule() {
  if (!recovery() || bit_markers()) {
    code_.line("i_leave_plain_rule();");
    return;
  }
  code_.line("va_start(i_args, i_markers);");
  code_.line("i_leave_rule(i_markers, i_args);");
  code_.line("va_end(i_args);");
}

void ParserFile::entry_function(const std::string& module_name) {
  code_.blank_lines(2);
  code_.line("int");
  if (options_.has(kOptProgram))
    code_.line("main(int ac, char **av)");
  else
    code_.line("%s_parser(int ac, char **av)", module_name.c_str());
  code_.open_block("{");
  code_.open_block("if (!i_init(ac, av))");
  code_.line("return 1;");
  code_.blank_lines(1);
  code_.close_block("i_next_token();");
  code_.line("pROOT();");
  code_.line("return i_finish();");
  code_.close_block("}");
}

}  // namespace

bool generate_parser(Diagnostics& diagnostics, const ParserDeclarations& declarations,
                     const PgenOptions& options, bool fast) {
  CodeWriter code(diagnostics);
  if (!code.open(diagnostics.module_name(), "c", kParserWidth)) return false;
  ParserFile file(code, declarations, options, fast);
  file.write(diagnostics.module_name());
  return code.close();
}

}  // namespace zedra
