#include "generator_cli.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace zedra {

bool answer_information_request(int argc, char** argv, const char* banner, const char* usage) {
  if (argc != 2) return false;
  if (std::strcmp(argv[1], "--help") == 0) {
    std::printf("%s\n%s", banner, usage);
    return true;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("%s\n", banner);
    return true;
  }
  return false;
}

int exit_status_of(int error_count) {
  constexpr int kMaxExitStatus = 255;
  return std::min(error_count, kMaxExitStatus);
}

}  // namespace zedra
