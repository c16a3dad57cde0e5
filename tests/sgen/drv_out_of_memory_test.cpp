#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include "driver/driver.h"
#include "tests/common/test_support.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEDRA_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ZEDRA_UNDER_ASAN 1
#endif

namespace zedra {
namespace {

class DrvOutOfMemory : public test::ScratchDirTest {};

#ifndef ZEDRA_UNDER_ASAN
// Reads an endless specification with a limited address space.
void run_out_of_memory() {
  dup2(STDERR_FILENO, STDOUT_FILENO);  // the reports go to standard output
  rlimit limit{};
  getrlimit(RLIMIT_AS, &limit);
  limit.rlim_cur = 64u << 20;
  setrlimit(RLIMIT_AS, &limit);
  char program[] = "sgen";
  char endless[] = "/dev/zero";
  char* argv[] = {program, endless, nullptr};
  std::exit(run_sgen(2, argv));
}
#endif

TEST_F(DrvOutOfMemory, FailedAllocationEndsTheRunWithMessage49) {
#ifdef ZEDRA_UNDER_ASAN
  GTEST_SKIP() << "the address sanitizer needs an unlimited address space";
#else
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(run_out_of_memory(), ::testing::ExitedWithCode(1),
              "Error: Out of memory at line [0-9]+ in sgen, cannot continue");
#endif
}

}  // namespace
}  // namespace zedra
