// The main program of sgen: reads one scanner specification (building the
// automaton while it reads), resolves the declarations, writes the action
// files and the listing, and reports the error count, which is the exit
// status.
#pragma once

namespace zedra {

// Runs sgen with the command line `argv` (argv[1]: the specification;
// further arguments are ignored). Gives the exit status.
int run_sgen(int argc, char** argv);

}  // namespace zedra
