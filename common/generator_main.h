// The frame that pgen and sgen run in: the information requests, the
// banner, the run itself, and the end of a run that runs out of memory
// (message 49 and exit status 1, wherever the allocation failed). A run
// signals a fatal error by its result; nothing below this frame ends the
// program.
#pragma once

#include <cstdio>
#include <new>

#include "diagnostics.h"
#include "generator_cli.h"

namespace zedra {

// What tells one generator from the other at the top of the program.
struct GeneratorIdentity {
  const char* banner;  // "ZEDRA ... v2.8", printed first by every run
  const char* usage;   // the text of --help behind the banner
  const char* module;  // named by message 49 as the place of a failed allocation
};

// The exit status of a run that ran out of memory.
int report_out_of_memory(Diagnostics& diagnostics, const GeneratorIdentity& identity);

// Answers --help and --version, else prints the banner and runs
// `Run(diagnostics).run(argc, argv)`, whose result is the exit status. The
// diagnostics outlive the run, so that a failed allocation anywhere in it
// is still reported into the listing and on the screen.
template <class Run>
int run_generator(const GeneratorIdentity& identity, int argc, char** argv) {
  if (answer_information_request(argc, argv, identity.banner, identity.usage)) return 0;
  Diagnostics diagnostics;
  std::printf("%s\n", identity.banner);
  try {
    return Run(diagnostics).run(argc, argv);
  } catch (const std::bad_alloc&) {
    return report_out_of_memory(diagnostics, identity);
  }
}

}  // namespace zedra
