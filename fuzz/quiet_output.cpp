// Standard output goes to /dev/null for the rest of the process, at the
// level of the file descriptor, so that C stdio, C++ streams and direct
// writes are all silenced alike; standard error keeps its descriptor and
// only gets a buffer.
#include "quiet_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace zedra::fuzz {

namespace {

bool quieten() {
  std::fflush(stdout);
  const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null >= 0) {
    ::dup2(null, STDOUT_FILENO);
    ::close(null);
  }
  static char buffer[1 << 16];
  std::setvbuf(stderr, buffer, _IOFBF, sizeof buffer);
  return true;
}

}  // namespace

void quiet_screen_output() {
  static const bool quiet = quieten();
  (void)quiet;
}

void flush_screen_output() { std::fflush(stderr); }

}  // namespace zedra::fuzz
