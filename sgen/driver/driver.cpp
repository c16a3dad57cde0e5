#include "driver/driver.h"

#include <cstdio>

#include "code_shape.h"
#include "diagnostics.h"
#include "files.h"
#include "generator_cli.h"
#include "generator_main.h"
#include "graph/graph_output.h"
#include "front/scanner_reader.h"
#include "scpatype.h"
#include "spec_source.h"
#include "symtab.h"
#include "driver/automaton_phases.h"
#include "dfa/dfa.h"
#include "dfa/keyword_reach.h"
#include "driver/options.h"
#include "front/scanner_declarations.h"
#include "codegen/scanner_generator.h"
#include "front/scanner_resolve.h"
#include "nfa/nfa_construction.h"

namespace zedra {

namespace {

constexpr const char* kUsage =
    "usage: sgen [options] [specification[.inp]]\n"
    "  Reads the scanner specification (standard input without a name) and\n"
    "  writes the listing <module>.lst, the scanner <module>.h and <module>.c,\n"
    "  the include file <module>.inc for pgen and, when missing, the header\n"
    "  and template of every definition module. The OPTIONS clause of the\n"
    "  specification chooses diagrams, traces and whether code is generated.\n"
    "  -d DIR, --output-dir DIR   write every file into DIR (created when missing)\n"
    "  --no-templates             no templates of definition modules\n"
    "  --graph[=nfa|dfa|mdfa]     also <module>.dot, an automaton for Graphviz\n"
    "                             (the minimal one by default)\n"
    "  --fast                     the scanner in the fast shape: the same tokens,\n"
    "                             messages and listing, in less time (also with\n"
    "                             the environment variable ZEDRA_SHAPE=fast)\n"
    "  --help                     this text\n"
    "  --version                  the banner\n";

// The state of one sgen run.
class SgenRun {
 public:
  SgenRun(Diagnostics& diagnostics, const CommandLine& command_line)
      : graph_option_(command_line.option("graph")),
        shape_(requested_code_shape(command_line)),
        diagnostics_(diagnostics),
        symbols_(diagnostics_),
        types_(symbols_),
        declarations_(diagnostics_, symbols_, types_, &options_),
        nfa_(diagnostics_),
        source_(diagnostics_) {}

  int run(int argc, char** argv);

 private:
  void read_specification(InputFile& input);
  bool generate();
  void release();
  int finish();

  std::optional<LongOption> graph_option_;
  std::optional<CodeShape> shape_;
  AutomatonTaps taps_;
  Diagnostics& diagnostics_;
  SymbolTable symbols_;
  TypeTable types_;
  SgenOptions options_;
  ScannerDeclarations declarations_;
  Nfa nfa_;
  Dfa dfa_;
  SpecSource source_;
};

// A generated file that cannot be written ends the run at once with
// status 1: no summary, and the listing stays as far as it was written.
int SgenRun::run(int argc, char** argv) {
  if (!shape_) return 1;
  const std::optional<AutomatonTaps> taps = requested_graph_taps(diagnostics_, graph_option_);
  if (!taps) return 1;
  taps_ = *taps;
  InputFile input;
  if (!open_input(diagnostics_, Tool::Sgen, argv[0], argc > 1 ? argv[1] : nullptr, input)) return 1;
  diagnostics_.reset_error_count();
  declarations_.actions.build_predefined(types_);
  if (diagnostics_.open_listing(diagnostics_.module_name())) {
    nfa_.init();
    read_specification(input);
    if (diagnostics_.error_count() == 0) {
      resolve_scanner_declarations(declarations_);
      if (!generate()) return 1;
    }
    diagnostics_.close_listing();
  }
  release();
  return finish();
}

void SgenRun::read_specification(InputFile& input) {
  symbols_.set_reserved_test(true);
  diagnostics_.start_echo();
  source_.restart(input.stream());
  read_scanner_specification(source_, declarations_, nfa_);
  diagnostics_.stop_echo();
  diagnostics_.listing().raw("\n\n\n");
}

// The generation driver: the action files, the attribute tests and the
// symbol-table dumps, the automaton phases with their diagrams, and the
// generated scanner; each step only while no error has been counted. False
// when a generated file could not be written.
bool SgenRun::generate() {
  diagnostics_.set_line(0);
  write_action_files(diagnostics_, declarations_.actions, types_);
  keep_definition_module_files(diagnostics_, declarations_.actions);
  test_scanner_attributes(declarations_);
  std::FILE* listing = diagnostics_.listing().stream();
  if (options_.has(kOptAllNames)) symbols_.dump(listing);
  if (options_.has(kOptNames)) symbols_.dump(listing);
  if (diagnostics_.error_count() != 0) return true;
  if (!run_automaton_phases(diagnostics_, options_, nfa_, dfa_, taps_)) return true;
  warn_unreachable_keywords(diagnostics_, declarations_.terminals, dfa_);
  if (!options_.has(kOptGenerate)) return true;
  const ScannerSources sources{declarations_, types_.layer(TypeTable::Layer::Own), dfa_,
                               shape_ == CodeShape::Fast};
  return generate_scanner_files(diagnostics_, sources, diagnostics_.module_name());
}

void SgenRun::release() {
  declarations_.actions.release(true);
  declarations_.attributes.release(true);
  declarations_.terminals.release(true);
  declarations_.charsets.release(true);
  declarations_.strings.release(true);
  types_.types_free(true);
}

// The summary line; the error count becomes the exit status.
int SgenRun::finish() {
  diagnostics_.set_line(0);
  diagnostics_.report(Msg::ErrorSummary, diagnostics_.error_count());
  return exit_status_of(diagnostics_.error_count());
}

}  // namespace

int run_sgen(int argc, char** argv) {
  return run_generator<SgenRun>({"ZEDRA scanner generator v2.8", kUsage, "sgen"}, argc, argv,
                                {"graph", kFastOption});
}

}  // namespace zedra
