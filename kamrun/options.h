// The command line of kamrun: options first, then exactly one file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace kam {

struct Options {
  std::uint32_t trace_flags = 0;
  bool trace_program = false;  // -tprog: tracing starts at the first instruction
  bool silent = false;
  std::string data_file;
  std::string output_file;
  std::string program_file;
};

enum class CommandLine {
  Run,    // options complete
  Usage,  // wrong number of files: one-line usage, exit status 1
  Help,   // -h or another letter: full usage, exit status 0
  LongHelp,  // --help: banner and full usage on standard output, status 0
  Version,   // --version: the banner on standard output, status 0
};

// Parses argv into options; unknown trace classes are reported on err and
// skipped.
CommandLine parse_command_line(int argc, const char* const* argv, Options& options,
                               std::FILE* err);

void print_usage_line(std::FILE* err, const char* program);
void print_help(std::FILE* err, const char* program);
// The answer to --help: the usage of -h and the options beside it.
void print_long_help(std::FILE* out, const char* program);

}  // namespace kam
