#include <gtest/gtest.h>

#include "diagnostics.h"
#include "driver/options.h"
#include "tests/common/test_support.h"

namespace zedra {
namespace {

struct OptionRun {
  test::CapturedStream screen;
  Diagnostics diagnostics{screen.get()};
  SgenOptions options;

  std::uint32_t apply(const std::vector<std::string>& words) {
    options.apply(diagnostics, words);
    return options.mask();
  }
};

TEST(DrvOptions, DefaultIsMinimalDiagramAndGenerate) {
  EXPECT_EQ(SgenOptions().mask(), 0x84u);
}

TEST(DrvOptions, AllAndNoneInAnyCase) {
  OptionRun run;
  EXPECT_EQ(run.apply({"all"}), 0xFFFFFFFFu);
  EXPECT_EQ(run.apply({"None"}), 0u);
  EXPECT_EQ(run.apply({"NONE", "Names", "SUBSETTRACE"}), 0x28u);
}

TEST(DrvOptions, PrefixSwitchesOffInEitherCase) {
  OptionRun run;
  EXPECT_EQ(run.apply({"no_generate"}), 0x04u);
  EXPECT_EQ(run.apply({"generate", "NO_GENERATE", "No_mdfadiagram", "nfadiagram"}), 0x01u);
  EXPECT_EQ(run.screen.text(), "");
}

TEST(DrvOptions, UnknownWordsAreNamedAsWritten) {
  OptionRun run;
  EXPECT_EQ(run.apply({"nogenerate", "NO_xyz", "allnames"}), 0x94u);
  EXPECT_EQ(run.screen.text(),
            "Error: Unknown option: 'nogenerate'\nError: Unknown option: 'NO_xyz'\n");
  EXPECT_EQ(run.diagnostics.error_count(), 2);
}

}  // namespace
}  // namespace zedra
