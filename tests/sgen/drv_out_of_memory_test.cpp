#include <gtest/gtest.h>

#include "driver/driver.h"
#include "tests/common/out_of_memory.h"
#include "tests/common/test_support.h"

namespace zedra {
namespace {

class DrvOutOfMemory : public test::ScratchDirTest {};

// An endless specification fills any address space.
TEST_F(DrvOutOfMemory, FailedAllocationEndsTheRunWithMessage49) {
#ifdef ZEDRA_UNDER_ASAN
  GTEST_SKIP() << "the address sanitizer needs an unlimited address space";
#else
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(test::run_with_little_memory(run_sgen, "sgen", "/dev/zero"), ::testing::ExitedWithCode(1),
              "Error: Out of memory at line [0-9]+ in sgen, cannot continue");
#endif
}

}  // namespace
}  // namespace zedra
