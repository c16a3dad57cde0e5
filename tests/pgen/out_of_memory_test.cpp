#include <gtest/gtest.h>

#include <string>

#include "driver/driver.h"
#include "tests/common/out_of_memory.h"
#include "tests/common/test_support.h"

namespace zedra {
namespace {

class PgenOutOfMemory : public test::ScratchDirTest {};

// A grammar of 200 000 chained rules needs far more than 64 MB: pgen ends
// with message 49 and status 1, as sgen does, instead of an uncaught
// exception.
TEST_F(PgenOutOfMemory, FailedAllocationEndsTheRunWithMessage49) {
#ifdef ZEDRA_UNDER_ASAN
  GTEST_SKIP() << "the address sanitizer needs an unlimited address space";
#else
  std::string grammar = "TERMINALS a, b.\nRULES\n";
  constexpr int kRules = 200000;
  for (int i = 0; i < kRules; ++i) {
    grammar += test::numbered("r", i);
    grammar += " : a ";
    grammar += test::numbered("r", i + 1);
    grammar += " | b.\n";
  }
  grammar += test::numbered("r", kRules);
  grammar += " : b.\nROOT r0.\n";
  test::write_file("big.inp", grammar);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(test::run_with_little_memory(run_pgen, "pgen", "big.inp"), ::testing::ExitedWithCode(1),
              "Error: Out of memory at line [0-9]+ in pgen, cannot continue");
#endif
}

}  // namespace
}  // namespace zedra
