#include <gtest/gtest.h>

#include "diagnostics.h"
#include "driver/options.h"
#include "tests/common/test_support.h"

namespace zedra {
namespace {

class OptionsTest : public ::testing::Test {
 protected:
  test::CapturedStream screen_;
  Diagnostics diagnostics_{screen_.get()};
  PgenOptions options_;
};

TEST_F(OptionsTest, DefaultSet) {
  EXPECT_EQ(options_.mask(), 0x3D144u);
  EXPECT_TRUE(options_.has(kOptListAttributes));
  EXPECT_TRUE(options_.has(kOptProgram));
  EXPECT_FALSE(options_.has(kOptFirst));
}

TEST_F(OptionsTest, NegationAppliesToOneWordAndSetListingsForceTheLl1Test) {
  options_.apply(diagnostics_, {"no_LL1_TEST"});
  EXPECT_FALSE(options_.has(kOptLl1Test));
  options_.apply(diagnostics_, {"NO_dirset", "first"});
  EXPECT_FALSE(options_.has(kOptDirset));
  EXPECT_TRUE(options_.has(kOptFirst));
  EXPECT_TRUE(options_.has(kOptLl1Test));
}

TEST_F(OptionsTest, AllNoneProgramModule) {
  options_.apply(diagnostics_, {"NONE"});
  EXPECT_EQ(options_.mask(), 0u);
  options_.apply(diagnostics_, {"program"});
  EXPECT_EQ(options_.mask(), kOptProgram);
  options_.apply(diagnostics_, {"All", "Module"});
  EXPECT_FALSE(options_.has(kOptProgram));
  EXPECT_TRUE(options_.has(kOptParser));
}

TEST_F(OptionsTest, UnknownWordsAreReportedAsWritten) {
  options_.apply(diagnostics_, {"NO_foo", "listnames"});
  EXPECT_EQ(diagnostics_.error_count(), 1);
  EXPECT_EQ(screen_.text(), "Error: Unknown option: 'NO_foo'\n");
  EXPECT_TRUE(options_.has(kOptListNames));
}

}  // namespace
}  // namespace zedra
