// Path helpers, opening files and the input specification, and the
// installation directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "diagnostics.h"
#include "files.h"
#include "test_support.h"

namespace zedra {
namespace {

namespace fs = std::filesystem;

TEST(SplitPath, SlashAndBackslashBothSeparate) {
  PathParts parts = split_path("dir/sub\\calc.inp");
  EXPECT_EQ(parts.directory, "dir/sub\\");
  EXPECT_EQ(parts.name, "calc");
  EXPECT_EQ(parts.extension, "inp");
  EXPECT_TRUE(parts.has_extension);
  parts = split_path("C:\\spec\\calc");
  EXPECT_EQ(parts.directory, "C:\\spec\\");
  EXPECT_EQ(parts.name, "calc");
  EXPECT_EQ(parts.extension, "");
  EXPECT_FALSE(parts.has_extension);
}

TEST(SplitPath, DotsInDirectoriesDoNotCount) {
  PathParts parts = split_path("dir.x/acts");
  EXPECT_EQ(parts.directory, "dir.x/");
  EXPECT_EQ(parts.name, "acts");
  EXPECT_FALSE(parts.has_extension);
  parts = split_path("archive.tar.gz");
  EXPECT_EQ(parts.directory, "");
  EXPECT_EQ(parts.name, "archive.tar");
  EXPECT_EQ(parts.extension, "gz");
}

TEST(BaseName, WithGivenOwnOrNoExtension) {
  EXPECT_EQ(base_name("dir/calc.inp", "lst"), "calc.lst");
  EXPECT_EQ(base_name("dir\\calc.inp", ""), "calc");
  EXPECT_EQ(base_name("dir/calc.inp"), "calc.inp");
  EXPECT_EQ(base_name("dir/calc"), "calc");
  EXPECT_EQ(base_name("calc.", ""), "calc");
}

TEST(ModuleName, FirstEightCharactersOfTheBaseName) {
  EXPECT_EQ(module_name_of("grammar12.inp"), "grammar1");
  EXPECT_EQ(module_name_of("dir/calc.inp"), "calc");
  EXPECT_EQ(module_name_of("..\\specs\\pascal"), "pascal");
  EXPECT_EQ(module_name_of("stdin"), "stdin");
  EXPECT_EQ(module_name_of("abcdefgh"), "abcdefgh");
}

TEST(FindLastOf, PointsBehindTheLastMatch) {
  EXPECT_EQ(find_last_of("a/b\\c", "/\\"), 4u);
  EXPECT_EQ(find_last_of("abc", "/"), std::string_view::npos);
  EXPECT_EQ(find_last_of("a.b.c", "."), 4u);
}

TEST(InstallationDirectory, PgenUsesTheParentOfTheWorkingDirectory) {
  EXPECT_EQ(pgen_default_installation("/home/user/work"), "/home/user");
  EXPECT_EQ(pgen_default_installation("C:\\kostal\\work"), "C:\\kostal");
  EXPECT_EQ(pgen_default_installation("/work"), "/");
  EXPECT_EQ(pgen_default_installation("work"), ".");
}

class FilesTest : public test::ScratchDirTest {
 protected:
  test::CapturedStream screen;
  Diagnostics diagnostics{screen.get()};

  void TearDown() override {
    unsetenv("KOSTAL");
    test::ScratchDirTest::TearDown();
  }
};

TEST_F(FilesTest, SgenUsesItsProgramDirectoryLessBin) {
  fs::create_directories("inst/bin");
  fs::create_directories("tools");
  EXPECT_EQ(sgen_default_installation("inst/bin/sgen"), "inst");
  EXPECT_EQ(sgen_default_installation("inst\\bin\\sgen"), "inst");
  EXPECT_EQ(sgen_default_installation((dir() / "inst/bin/sgen").string()), (dir() / "inst").string());
  EXPECT_EQ(sgen_default_installation("tools/sgen"), "tools");
  EXPECT_EQ(sgen_default_installation("nowhere/bin/sgen"), ".");
  EXPECT_EQ(sgen_default_installation("bin/sgen"), ".");
  EXPECT_EQ(sgen_default_installation("sgen"), ".");
  EXPECT_EQ(sgen_default_installation("/sgen"), "/");
}

TEST_F(FilesTest, KostalWinsWhenSet) {
  setenv("KOSTAL", "/opt/kostal", 1);
  EXPECT_EQ(find_installation_directory(Tool::Pgen, ""), "/opt/kostal");
  EXPECT_EQ(find_installation_directory(Tool::Sgen, "x/bin/sgen"), "/opt/kostal");
  setenv("KOSTAL", "", 1);
  EXPECT_EQ(find_installation_directory(Tool::Pgen, ""), dir().parent_path().string());
  unsetenv("KOSTAL");
  EXPECT_EQ(find_installation_directory(Tool::Sgen, "sgen"), ".");
}

TEST_F(FilesTest, InputFoundAsGiven) {
  test::write_file("calc.inp", "RULES");
  InputFile input;
  ASSERT_TRUE(open_input(diagnostics, Tool::Pgen, "pgen", "calc.inp", input));
  EXPECT_FALSE(input.is_stdin());
  EXPECT_EQ(std::fgetc(input.stream()), 'R');
  EXPECT_EQ(diagnostics.file_name(), "calc.inp");
  EXPECT_EQ(diagnostics.module_name(), "calc");
  EXPECT_EQ(diagnostics.installation_directory(), dir().parent_path().string());
  EXPECT_EQ(screen.text(), "- input file     : calc.inp\n");
}

TEST_F(FilesTest, InputFoundWithInpAppended) {
  fs::create_directory("specs");
  test::write_file("specs/grammar12.inp", "x");
  InputFile input;
  ASSERT_TRUE(open_input(diagnostics, Tool::Pgen, "pgen", "specs/grammar12", input));
  EXPECT_EQ(diagnostics.file_name(), "specs/grammar12.inp");
  EXPECT_EQ(diagnostics.module_name(), "grammar1");
  EXPECT_EQ(screen.text(), "- input file     : specs/grammar12.inp\n");
}

TEST_F(FilesTest, NameWithExtensionIsNotExtended) {
  test::write_file("calc.txt.inp", "x");
  InputFile input;
  EXPECT_FALSE(open_input(diagnostics, Tool::Pgen, "pgen", "calc.txt", input));
  EXPECT_EQ(screen.text(), "Error: File 'calc.txt' does not exist or is unreadable\n");
  EXPECT_EQ(diagnostics.error_count(), 1);
}

TEST_F(FilesTest, MissingInputNamesTheExtendedName) {
  InputFile input;
  EXPECT_FALSE(open_input(diagnostics, Tool::Pgen, "pgen", "calc", input));
  EXPECT_EQ(screen.text(), "Error: File 'calc.inp' does not exist or is unreadable\n");
}

TEST_F(FilesTest, DirectoryIsNotAnInput) {
  fs::create_directory("calc");
  test::write_file("calc.inp", "x");
  InputFile input;
  ASSERT_TRUE(open_input(diagnostics, Tool::Pgen, "pgen", "calc", input));
  EXPECT_EQ(diagnostics.file_name(), "calc.inp");
}

TEST_F(FilesTest, KeptFilesAreFoundUnderAnyNameOfThem) {
  fs::create_directory("gen");
  test::write_file("gen/acts.c", "/* the user's */");
  diagnostics.set_file_name("calc.inp");
  test::write_file("calc.inp", "x");
  diagnostics.keep_file("gen/acts.c", "the file of the action module 'acts'");
  diagnostics.keep_file("gen/new.c", "the file of the action module 'new'");
  EXPECT_EQ(diagnostics.keeper_of("./gen/../gen/acts.c"), "the file of the action module 'acts'");
  EXPECT_EQ(diagnostics.keeper_of("gen/new.c"), "the file of the action module 'new'");
  EXPECT_EQ(diagnostics.keeper_of("./calc.inp"), "the input file");
  EXPECT_EQ(diagnostics.keeper_of("gen/calc.c"), "");
}

TEST_F(FilesTest, FolderOrOptionGetsAReason) {
  fs::create_directory("specs");
  InputFile input;
  EXPECT_FALSE(open_input(diagnostics, Tool::Sgen, "sgen", "specs", input));
  EXPECT_FALSE(open_input(diagnostics, Tool::Sgen, "sgen", "-v", input));
  EXPECT_EQ(screen.text(),
            "Error: File 'specs.inp' does not exist or is unreadable\n"
            "  ('specs' is a folder)\n"
            "Error: File '-v.inp' does not exist or is unreadable\n"
            "  ('-v' is no option; --help lists the options)\n");
}

TEST_F(FilesTest, NoNameMeansStandardInput) {
  InputFile input;
  ASSERT_TRUE(open_input(diagnostics, Tool::Sgen, "sgen", nullptr, input));
  EXPECT_TRUE(input.is_stdin());
  EXPECT_EQ(input.stream(), stdin);
  EXPECT_EQ(diagnostics.file_name(), "stdin");
  EXPECT_EQ(diagnostics.module_name(), "stdin");
  EXPECT_EQ(diagnostics.installation_directory(), ".");
  EXPECT_EQ(screen.text(), "- input file     : stdin\n");
}

TEST_F(FilesTest, LongNamesAreNotCut) {
  const std::string dirs = std::string(200, 'd') + "/" + std::string(200, 'e');
  const std::string name = dirs + "/" + std::string(200, 'f');
  fs::create_directories(dirs);
  test::write_file(name + ".inp", "x");
  InputFile input;
  ASSERT_TRUE(open_input(diagnostics, Tool::Pgen, "pgen", name.c_str(), input));
  EXPECT_EQ(diagnostics.file_name(), name + ".inp");
  EXPECT_EQ(diagnostics.module_name(), "ffffffff");
}

TEST_F(FilesTest, OpenFileReportsByMode) {
  EXPECT_EQ(open_file(diagnostics, "missing.inc", "r"), nullptr);
  fs::create_directory("out.c");
  EXPECT_EQ(open_file(diagnostics, "out.c", "w"), nullptr);
  EXPECT_NE(open_file(diagnostics, "new.c", "w"), nullptr);
  EXPECT_EQ(screen.text(),
            "Error: File 'missing.inc' does not exist or is unreadable\n"
            "Error: File 'out.c' not writable, cannot continue\n");
  EXPECT_EQ(diagnostics.error_count(), 2);
}

TEST_F(FilesTest, AccessAndRemove) {
  test::write_file("here.h", "");
  EXPECT_EQ(file_access("here.h"), 0);
  EXPECT_EQ(file_access("gone.h"), -1);
  remove_file("here.h");
  EXPECT_EQ(file_access("here.h"), -1);
}

}  // namespace
}  // namespace zedra
