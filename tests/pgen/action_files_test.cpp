#include <gtest/gtest.h>

#include <filesystem>

#include "files.h"
#include "model/action_modules.h"
#include "pgen_test_support.h"

namespace zedra {
namespace {

class ActionFilesTest : public test::ScratchDirTest {};

TEST_F(ActionFilesTest, PrototypesFollowTheParameterDirections) {
  test::FrontEnd front;
  ASSERT_EQ(front.read_and_resolve("DEFINITIONS m.\nACTIONS f(). g(IN a : integer; OUT b, c : char).\n"
                                   "RULES r : .\n"),
            kReadAccepted);
  const ActionModule& module = front.declarations.actions.own.front();
  EXPECT_EQ(action_prototype(*module.actions[0]), "\nvoid f(void)");
  EXPECT_EQ(action_prototype(*module.actions[1]), "\nvoid g(integer a, char *b, char *c)");
}

TEST_F(ActionFilesTest, HeaderWithAnUnresolvedTypeIsRemovedAgain) {
  test::FrontEnd front;
  ASSERT_EQ(front.read_and_resolve("DEFINITIONS m.\nACTIONS f(IN a : missing).\nRULES r : .\n"),
            kReadAccepted);
  write_action_modules(front.diagnostics, front.declarations.actions);
  EXPECT_FALSE(std::filesystem::exists("m.h"));
  EXPECT_EQ(test::read_file("m.c"), "#include \"m.h\"\n\nvoid f()\n{\n\n} /* f */\n");
}

TEST_F(ActionFilesTest, ExistingFilesAreLeftAlone) {
  test::write_file("m.h", "mine\n");
  test::FrontEnd front;
  ASSERT_EQ(front.read_and_resolve("DEFINITIONS empty, m.\nACTIONS f().\nRULES r : .\n"),
            kReadAccepted);
  write_action_modules(front.diagnostics, front.declarations.actions);
  EXPECT_EQ(test::read_file("m.h"), "mine\n");
  EXPECT_TRUE(std::filesystem::exists("m.c"));
  EXPECT_FALSE(std::filesystem::exists("empty.h"));
}

}  // namespace
}  // namespace zedra
