#include "options.h"

#include <array>
#include <string_view>

#include "opcodes.h"

namespace kam {
namespace {

struct TraceClass {
  std::string_view name;
  std::uint32_t bits;
};

constexpr std::array<TraceClass, 10> trace_classes = {{
    {"stack", TraceStack}, {"seg", TraceSeg},   {"call", TraceCall}, {"op", TraceOp},
    {"load", TraceLoad},   {"sto", TraceSto},   {"jump", TraceJump}, {"cseg", TraceCseg},
    {"io", TraceIo},       {"all", trace_all},
}};

void trace_option(std::string_view option, Options& options, std::FILE* err,
                  const char* program) {
  const std::string_view name = option.substr(2);
  if (name == "prog") {
    options.trace_program = true;
    return;
  }
  for (const TraceClass& trace : trace_classes) {
    if (trace.name == name) {
      options.trace_flags |= trace.bits;
      return;
    }
  }
  std::fprintf(err, "%s: unknown option '-%.*s'\n", program,
               static_cast<int>(option.size() - 1), option.data() + 1);
}

}  // namespace

CommandLine parse_command_line(int argc, const char* const* argv, Options& options,
                               std::FILE* err) {
  const char* program = argv[0];
  // The information requests every program of the toolkit answers.
  if (argc == 2 && std::string_view(argv[1]) == "--help") return CommandLine::LongHelp;
  if (argc == 2 && std::string_view(argv[1]) == "--version") return CommandLine::Version;
  int arg = 1;
  for (; arg < argc && argv[arg][0] == '-' && argv[arg][1] != '\0'; ++arg) {
    const std::string_view option = argv[arg];
    switch (option[1]) {
      case 't': trace_option(option, options, err, program); break;
      case 'i': options.trace_flags |= TraceInteractive; break;
      case 's': options.silent = true; break;
      case 'd':
      case 'o': {
        // The file name is written directly behind the letter.
        if (option.size() == 2) return CommandLine::Usage;
        (option[1] == 'd' ? options.data_file : options.output_file) = option.substr(2);
        break;
      }
      default: return CommandLine::Help;
    }
  }
  if (argc - arg != 1) return CommandLine::Usage;
  options.program_file = argv[arg];
  return CommandLine::Run;
}

void print_usage_line(std::FILE* err, const char* program) {
  std::fprintf(err, "usage: %s [-it:d:o:h] file\n", program);
}

void print_help(std::FILE* err, const char* program) {
  print_usage_line(err, program);
  std::fputs(
      "-tstack: trace stack\n"
      "-tseg:   trace segments\n"
      "-tcall:  trace calls\n"
      "-top:    trace operator instructions\n"
      "-tload:  trace load instructions\n"
      "-tsto:   trace store instructions\n"
      "-tjump:  trace jump instructions\n"
      "-tcseg:  trace create/delete segment instructions\n"
      "-tio:    trace I/O instructions\n"
      "-tall:   trace all (implies all options above)\n"
      "-tprog:  trace whole program (start at IC=0)\n"
      "-i:      interactive mode (implies -tall)\n"
      "-ddfile: input from data file: dfile\n"
      "-oofile: output to file: ofile (overrules -i)\n"
      "-help:   show this information\n",
      err);
}

void print_long_help(std::FILE* out, const char* program) {
  print_help(out, program);
  std::fputs(
      "-s:      silent: no banner, no input-file line, no error count\n"
      "--help:  this text on standard output; --version: the banner\n",
      out);
}

}  // namespace kam
