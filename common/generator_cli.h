// The parts of a generator's command line that every generator shares:
// the information requests "--help" and "--version", and the exit status
// that the error count becomes.
#pragma once

namespace zedra {

// With "--help" or "--version" as the only argument, prints the usage
// (the banner, then `usage`) or the banner and gives true: the program is
// done, with status 0. Otherwise gives false and prints nothing.
bool answer_information_request(int argc, char** argv, const char* banner, const char* usage);

// The exit status of a run with `error_count` errors: the count, kept below
// 256 so that a multiple of 256 errors does not read as success.
int exit_status_of(int error_count);

}  // namespace zedra
