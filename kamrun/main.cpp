// kamrun: loads one KAM code file and runs it on the KAM machine, with
// optional tracing and interactive stepping. Console messages go to
// standard error; the program's output and the trace to standard output.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "files.h"
#include "loader.h"
#include "machine.h"
#include "options.h"
#include "output_file.h"
#include "text_scan.h"

namespace {

using namespace kam;

enum ExitStatus { Clean = 0, LoadFailed = 1, RunFailed = 2 };

using zedra::FilePtr;
using zedra::open_for_reading;

// The file as named, else with ".kam" appended; the name that opened. A
// folder counts as unreadable.
FilePtr open_program(const std::string& name, std::string& opened) {
  opened = name;
  FilePtr file = open_for_reading(name);
  if (!file) {
    opened = name + ".kam";
    file = open_for_reading(opened);
  }
  return file;
}

// Asks on the console until the answer is 1..last; 0 when the input ends.
int ask_trace_start(int last) {
  std::string line;
  for (;;) {
    std::fprintf(stderr, "Enter instruction nr. where tracing should start [1..%d]: ", last);
    if (!read_line(stdin, line)) return 0;
    const auto number = TextScanner(c_view(line)).number();
    if (number && *number >= 1 && *number <= last) return static_cast<int>(*number);
  }
}

// Redirects the program's output and input as the options say. The output
// never replaces the KAM file or the data file (it would empty them).
bool redirect(const Options& options, Reporter& reporter) {
  if (!options.output_file.empty()) {
    std::fprintf(stderr, "- output file    : %s\n", options.output_file.c_str());
    if (zedra::same_file(options.output_file, options.data_file) ||
        zedra::same_file(options.output_file, reporter.file())) {
      reporter.error(Msg::FileNotWritable, {options.output_file});
      std::fputs("  (it is an input of the run)\n", stderr);
      return false;
    }
    if (std::freopen(options.output_file.c_str(), "w", stdout) == nullptr) {
      reporter.error(Msg::FileNotWritable, {options.output_file});
      return false;
    }
  }
  if (!options.data_file.empty() &&
      (!open_for_reading(options.data_file) ||
       std::freopen(options.data_file.c_str(), "r", stdin) == nullptr)) {
    reporter.error(Msg::FileUnreadable, {options.data_file});
    return false;
  }
  return true;
}

// Interactive stepping reads its answers from the terminal, not from the
// program's input; without one (a pipe, a batch job) it cannot run at all.
void report_no_terminal(const char* terminal) {
  std::fprintf(stderr,
               "Error: interactive stepping needs a terminal, but '%s' cannot be opened (%s); "
               "trace into a file with -o instead\n",
               terminal, std::strerror(errno));
}

// Whether the program's output (and the trace) reached its file or standard
// output; a full disk or a closed pipe is reported, with the reason.
bool output_written(const Options& options, Reporter& reporter) {
  errno = 0;
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
  const int error = errno ? errno : EIO;
  reporter.set_run_line(0);
  reporter.error(Msg::FileNotWritable,
                 {options.output_file.empty() ? std::string_view("standard output")
                                              : std::string_view(options.output_file)});
  std::fprintf(stderr, "  (%s)\n", std::strerror(error));
  return false;
}

int run_program(const Options& options, Program program, Reporter& reporter) {
  std::uint32_t flags = options.trace_flags;
  if (flags & TraceInteractive) {
    std::fputs("option -i implies option -tall\n", stderr);
    flags = trace_all;
  }
  int start = 0;
  if (options.trace_program) {
    start = 1;
  } else if (flags != 0) {
    start = ask_trace_start(program.halt_index);
    if (start == 0) return LoadFailed;  // the console gave no answer
  }
  if (!options.output_file.empty() && (flags & TraceInteractive)) {
    std::fputs("option -o overrules option -i\n", stderr);
    flags &= ~std::uint32_t{TraceInteractive};
  }
  // The files of the run are no matter of a line of the program; messages
  // before the first instruction carry the line of instruction 0.
  if (!redirect(options, reporter)) return LoadFailed;
  reporter.set_run_line(program.code.front().line);

  Tracer tracer(stdout, stderr);
  if ((flags & TraceInteractive) && !tracer.open_terminal()) {
    report_no_terminal(tracer.terminal_name());
    return LoadFailed;
  }
  Machine machine(std::move(program), reporter, tracer, stdin, stdout);
  const int errors_before = reporter.count();
  const RunEnd end = machine.run(flags, start);
  if (end == RunEnd::NoTerminal) return LoadFailed;
  const int status = end != RunEnd::Quit && reporter.count() > errors_before ? RunFailed : Clean;
  if (!output_written(options, reporter)) return status == Clean ? LoadFailed : status;
  return status;
}

}  // namespace

constexpr const char* kBanner = "ZEDRA KAM interpreter v2.8";

int main(int argc, char** argv) {
  Options options;
  const char* name = argc > 0 ? argv[0] : "kamrun";
  switch (parse_command_line(argc, argv, options, stderr)) {
    case CommandLine::Usage:
      print_usage_line(stderr, name);
      return LoadFailed;
    case CommandLine::Help:
      print_help(stderr, name);
      return Clean;
    case CommandLine::LongHelp:
      std::printf("%s\n", kBanner);
      print_long_help(stdout, name);
      return zedra::standard_output_ok(name) ? Clean : LoadFailed;
    case CommandLine::Version:
      std::printf("%s\n", kBanner);
      return zedra::standard_output_ok(name) ? Clean : LoadFailed;
    case CommandLine::Run:
      break;
  }
  if (!options.silent) std::fprintf(stderr, "%s\n", kBanner);

  Reporter reporter(stderr);
  std::string opened;
  FilePtr file = open_program(options.program_file, opened);
  if (!file) {
    reporter.error(Msg::FileUnreadable, {opened});
    std::string reason = zedra::unopened_reason(options.program_file);
    if (reason.empty()) reason = "(nor '" + options.program_file + "', the name given)";
    std::fprintf(stderr, "  %s\n", reason.c_str());
    return LoadFailed;
  }
  reporter.set_file(opened);
  if (!options.silent) std::fprintf(stderr, "- input file     : %s\n", opened.c_str());
  Program program;
  load_program(file.get(), program, reporter);
  file.reset();
  if (!options.silent)
    std::fprintf(stderr, "- errors         : %d error(s) detected\n", reporter.count());
  if (reporter.count() > 0) return LoadFailed;
  return run_program(options, std::move(program), reporter);
}
