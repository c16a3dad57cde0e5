// The frame that pgen and sgen run in: the command line with the options
// every generator has, the information requests, the banner, the run
// itself, the end of a run that runs out of memory (message 49 and exit
// status 1, wherever the allocation failed), and the check that standard
// output took everything. A run signals a fatal error by its result;
// nothing below this frame ends the program.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <new>
#include <string_view>

#include "diagnostics.h"
#include "generator_cli.h"
#include "large_stack.h"
#include "long_options.h"

namespace zedra {

// What tells one generator from the other at the top of the program.
struct GeneratorIdentity {
  const char* banner;  // "ZEDRA ... v2.8", printed first by every run
  const char* usage;   // the text of --help behind the banner
  const char* module;  // named by message 49 as the place of a failed allocation
};

// The command line with the options every generator has besides
// `long_options`.
CommandLine split_generator_command_line(int argc, char** argv,
                                         std::initializer_list<std::string_view> long_options);

// The exit status of a run that ran out of memory.
int report_out_of_memory(Diagnostics& diagnostics, const GeneratorIdentity& identity);

// Takes the options every generator has from `command_line`:
// "--output-dir DIR" (also "-d DIR", "--output-dir=DIR") and
// "--no-templates". False, after a message, when they cannot be used or
// when an argument is a "--" word that is no option and names no file.
bool apply_generator_options(Diagnostics& diagnostics, const CommandLine& command_line);

// The exit status after the run's own `status`: not 0 when standard output
// did not take everything written to it.
int checked_exit_status(int status, const char* program);

// Splits the command line with the common long options and the
// generator's own `long_options`, answers --help and --version, else prints
// the banner and runs `Run(diagnostics, command_line).run(argc, argv)` on
// the positional arguments, on a stack that holds the deepest nesting the
// readers accept; its result is the exit status. The diagnostics outlive
// the run, so that a failed allocation anywhere in it is still reported
// into the listing and on the screen.
template <class Run>
int run_generator(const GeneratorIdentity& identity, int argc, char** argv,
                  std::initializer_list<std::string_view> long_options = {}) {
  CommandLine command_line = split_generator_command_line(argc, argv, long_options);
  if (answer_information_request(command_line.argc(), command_line.argv(), identity.banner,
                                 identity.usage))
    return checked_exit_status(0, argv[0]);
  Diagnostics diagnostics;
  std::printf("%s\n", identity.banner);
  int status = 1;
  run_with_large_stack([&] {
    try {
      if (apply_generator_options(diagnostics, command_line))
        status = Run(diagnostics, command_line).run(command_line.argc(), command_line.argv());
    } catch (const std::bad_alloc&) {
      status = report_out_of_memory(diagnostics, identity);
    }
  });
  return checked_exit_status(status, argv[0]);
}

}  // namespace zedra
