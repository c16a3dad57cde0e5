// The main program of pgen: reads one parser specification with its include
// files, resolves the declarations, writes the listing and the action-module
// files, and reports the error count, which is the exit status.
#pragma once

namespace zedra {

// Runs pgen with the command line `argv` (argv[1]: the specification,
// further arguments: action modules). Gives the exit status.
int run_pgen(int argc, char** argv);

}  // namespace zedra
