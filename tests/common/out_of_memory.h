// Running a generator under a small address-space limit, so that one of its
// allocations fails: the run must end with message 49 and status 1. The
// address sanitizer needs an unlimited address space, so these tests skip
// under it.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEDRA_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ZEDRA_UNDER_ASAN 1
#endif

namespace zedra::test {

// Runs `main_of_tool` on `input` with 64 MB of address space and ends the
// process with its exit status; the reports go to standard error, where
// a death test reads them.
[[noreturn]] inline void run_with_little_memory(int (*main_of_tool)(int, char**), const char* tool,
                                                const char* input) {
  dup2(STDERR_FILENO, STDOUT_FILENO);
  rlimit limit{};
  getrlimit(RLIMIT_AS, &limit);
  limit.rlim_cur = 64u << 20;
  setrlimit(RLIMIT_AS, &limit);
  char* argv[] = {const_cast<char*>(tool), const_cast<char*>(input), nullptr};
  std::exit(main_of_tool(2, argv));
}

}  // namespace zedra::test
