#include "driver/driver.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "code_shape.h"
#include "diagnostics.h"
#include "files.h"
#include "generator_cli.h"
#include "generator_main.h"
#include "diagrams/diagrams_output.h"
#include "front/parser_declarations.h"
#include "front/parser_includes.h"
#include "front/parser_reader.h"
#include "front/parser_resolve.h"
#include "scpatype.h"
#include "spec_source.h"
#include "symtab.h"
#include "analysis/attribute_availability.h"
#include "analysis/ll1_conflicts.h"
#include "analysis/ll1_analysis.h"
#include "driver/options.h"
#include "model/action_modules.h"
#include "model/parser_attributes.h"
#include "codegen/parser_generator.h"
#include "analysis/reduction_termination.h"
#include "analysis/call_reachability.h"
#include "listing/rule_listing.h"
#include "listing/symbol_listing.h"

namespace zedra {

namespace {

// The state of one pgen run.
class PgenRun {
 public:
  PgenRun(Diagnostics& diagnostics, const CommandLine& command_line)
      : diagrams_option_(command_line.option("diagrams")),
        shape_(requested_code_shape(command_line)),
        diagnostics_(diagnostics),
        symbols_(diagnostics_),
        types_(symbols_),
        declarations_(diagnostics_, symbols_, types_, &options_),
        source_(diagnostics_) {}

  int run(int argc, char** argv);

 private:
  bool enter_command_line_modules(int argc, char** argv);
  void read_specification(InputFile& input);
  bool complete_declarations();
  bool analyse_and_generate();
  void test_rule(Rule& rule, bool is_root);
  int finish();

  std::optional<LongOption> diagrams_option_;
  std::optional<CodeShape> shape_;
  DiagramRequest diagrams_;
  Diagnostics& diagnostics_;
  SymbolTable symbols_;
  TypeTable types_;
  PgenOptions options_;
  ParserDeclarations declarations_;
  SpecSource source_;
  std::optional<LastSetStore> last_sets_;  // with the LAST sets listed
};

// A parser file that cannot be written ends the run at once with status 1:
// no summary, and the listing stays as far as it was written.
int PgenRun::run(int argc, char** argv) {
  if (!shape_) return 1;
  const std::optional<DiagramRequest> diagrams = requested_diagrams(diagnostics_, diagrams_option_);
  if (!diagrams) return 1;
  diagrams_ = *diagrams;
  InputFile input;
  if (!open_input(diagnostics_, Tool::Pgen, argv[0], argc > 1 ? argv[1] : nullptr, input)) return 1;
  if (!enter_command_line_modules(argc, argv)) return 1;
  diagnostics_.reset_error_count();
  if (!diagnostics_.open_listing(diagnostics_.module_name())) return finish();
  read_specification(input);
  if (diagnostics_.error_count() == 0) {
    if (!complete_declarations()) {
      diagnostics_.close_listing();
      diagnostics_.report(Msg::ErrorSummary, diagnostics_.error_count());
      return 1;
    }
    if (diagnostics_.error_count() == 0) {
      if (!analyse_and_generate()) return 1;
      write_requested_diagrams(diagnostics_, diagrams_, declarations_.own.rules);
    }
  }
  diagnostics_.close_listing();
  return finish();
}

// Every argument after the specification names an action module; its text
// from the last "." on is cut off.
bool PgenRun::enter_command_line_modules(int argc, char** argv) {
  for (int i = 2; i < argc; ++i) {
    std::string name = argv[i];
    std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    // The module's file may stand in another folder; its own name goes
    // into the generated C.
    if (!is_c_identifier(base_name(name))) {
      diagnostics_.report(Msg::IllegalName);
      diagnostics_.report(Msg::FreeText, "  (the action module '%s' of the command line)", argv[i]);
      return false;
    }
    if (!declarations_.add_command_line_module(name)) return false;
  }
  return true;
}

void PgenRun::read_specification(InputFile& input) {
  diagnostics_.start_echo();
  source_.restart(input.stream());
  read_parser_specification(source_, declarations_);
  diagnostics_.stop_echo();
  diagnostics_.listing().raw("\n\n");
}

// The predefined types, the include files and the resolution of the
// specification's own declarations. False when an include file failed.
bool PgenRun::complete_declarations() {
  build_pgen_predefined_types(types_, symbols_);
  symbols_.set_reserved_test(true);
  const std::string file_name = diagnostics_.file_name();
  int failed = read_includes(declarations_, source_);
  diagnostics_.set_file_name(file_name);
  declarations_.clear_include_queue();
  if (failed) return false;
  resolve_declarations(declarations_, own_scope(declarations_));
  return true;
}

// Parser constants are only ever passed by name; each must have a type.
void check_constant_types(Diagnostics& diagnostics, const ParserDeclarations& declarations) {
  for (const DeclarationLayer* layer : {&declarations.own, &declarations.imported})
    for (const auto& constant : layer->constants)
      if (!constant->type) {
        diagnostics.set_line(constant->line);
        diagnostics.report(Msg::NoType, "Parser constant", *constant->name);
      }
  diagnostics.set_line(0);
}

// The grammar tests and the LL(1) sets need an error-free specification;
// the action-module files and the requested symbol lists come first in any
// case. The parser is written only when no test reported an error. False
// when the parser file could not be written.
bool PgenRun::analyse_and_generate() {
  diagnostics_.set_line(0);
  if (!declarations_.root_set()) diagnostics_.report(Msg::NoRoot);
  Listing& listing = diagnostics_.listing();
  if (options_.has(kOptListNames)) symbols_.dump(listing.stream());
  if (options_.has(kOptListSymbols)) list_all_symbols(listing, declarations_);
  if (options_.has(kOptListActions)) list_parser_actions(listing, declarations_.actions);
  write_action_modules(diagnostics_, declarations_.actions);
  keep_action_module_files(diagnostics_, declarations_.actions);
  check_constant_types(diagnostics_, declarations_);
  check_attribute_declarations(diagnostics_, declarations_);
  diagnostics_.set_line(0);
  if (diagnostics_.error_count() != 0) return true;
  RuleList& rules = declarations_.own.rules;
  test_reduction(diagnostics_, rules);
  test_termination(diagnostics_, rules);
  if (diagnostics_.error_count() != 0) return true;
  // The sets are read only by the LL(1) test, the set listings and the
  // parser; when none of them is selected they are not computed at all.
  constexpr std::uint32_t kSetReaders =
      kOptLl1Test | kOptParser | kOptEmptyRules | kOptFirst | kOptLast | kOptFollow | kOptDirset;
  if ((options_.mask() & kSetReaders) != 0) {
    // The LAST sets grow with the square of some grammars; the store makes
    // them rule by rule as the listing comes to each.
    Ll1Analysis analysis(rules, closure_terminals(declarations_));
    analysis.compute_all(options_.has(kOptLast) ? Ll1Analysis::LastSets::OnDemand : Ll1Analysis::LastSets::Skip,
                         options_.has(kOptFollow));
    last_sets_ = analysis.take_last_sets();
    release_unlisted_sets(rules, options_.has(kOptFirst), options_.has(kOptLast), options_.has(kOptFollow));
  }
  // Scanner attributes arrive as attributes of terminals and are counted
  // with the parser attributes, so they have no mark of their own to clear.
  if (options_.has(kOptListAttributes)) list_parser_attributes(listing, declarations_.own.attributes);
  for (auto& rule : rules.rules) test_rule(*rule, rule.get() == rules.rules.front().get());
  if (options_.has(kOptDependencies)) check_attributes_used(diagnostics_, declarations_);
  if (diagnostics_.error_count() != 0 || !options_.has(kOptParser)) return true;
  return generate_parser(diagnostics_, declarations_, options_, shape_ == CodeShape::Fast);
}

// The listing of one rule and the tests that run rule by rule.
void PgenRun::test_rule(Rule& rule, bool is_root) {
  if (last_sets_) last_sets_->fill(rule);
  list_rule(diagnostics_.listing(), options_, rule, is_root);
  if (last_sets_) LastSetStore::release(rule);
  diagnostics_.set_line(rule.line);
  if (options_.has(kOptLl1Test)) test_ll1_conflicts(diagnostics_, rule);
  if (options_.has(kOptDependencies)) {
    test_reachability(diagnostics_, rule);
    test_rule_availability(diagnostics_, declarations_, rule);
  }
  diagnostics_.set_line(0);
}

// The summary line; the exit status follows the error count.
int PgenRun::finish() {
  diagnostics_.set_line(0);
  diagnostics_.report(Msg::ErrorSummary, diagnostics_.error_count());
  return exit_status_of(diagnostics_.error_count());
}

constexpr const char* kUsage =
    "usage: pgen [options] [specification[.inp]] [action-module ...]\n"
    "  Reads the parser specification (standard input without a name) and\n"
    "  writes <module>.lst, the parser <module>.c and, when missing,\n"
    "  <action-module>.h and .c.\n"
    "  -d DIR, --output-dir DIR   write every file into DIR (created when\n"
    "                             missing); include files are found there too\n"
    "  --no-templates             no templates of action modules\n"
    "  --diagrams[=actions|=noactions]\n"
    "                             also <module>.html, the rules as syntax\n"
    "                             diagrams, with the action calls (the default)\n"
    "                             or without them\n"
    "  --fast                     the parser in the fast shape: the same parse and\n"
    "                             messages, in less time (also with the\n"
    "                             environment variable ZEDRA_SHAPE=fast)\n"
    "  --help                     this text\n"
    "  --version                  the banner\n";

}  // namespace

int run_pgen(int argc, char** argv) {
  return run_generator<PgenRun>({"ZEDRA parser generator v2.8", kUsage, "pgen"}, argc, argv,
                                {"diagrams", kFastOption});
}

}  // namespace zedra
