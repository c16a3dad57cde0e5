// Files that take their name only when complete: what they replace, what
// they leave alone, and names at the limits of the file system.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "replacing_file.h"
#include "test_support.h"

namespace zedra {
namespace {

namespace fs = std::filesystem;

class ReplacingFileTest : public test::ScratchDirTest {
 protected:
  static int write_file(const std::string& name, const std::string& text) {
    ReplacingFile file;
    if (const int error = file.open(name)) return error;
    std::fputs(text.c_str(), file.stream());
    return file.commit();
  }
  static std::string read_file(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // The names in the scratch folder, to see that no temporary file stays.
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir()), fs::directory_iterator()));
  }
};

TEST_F(ReplacingFileTest, LinkStaysAndItsTargetKeepsItsPermissions) {
  std::ofstream("real.c") << "old";
  ASSERT_EQ(chmod("real.c", 0640), 0);
  fs::create_symlink("real.c", "link.c");
  EXPECT_EQ(write_file("link.c", "new"), 0);
  EXPECT_TRUE(fs::is_symlink("link.c"));
  EXPECT_EQ(read_file("real.c"), "new");
  struct stat status;
  ASSERT_EQ(stat("real.c", &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(entries(), 2u);
}

TEST_F(ReplacingFileTest, PipeIsWrittenInPlace) {
  ASSERT_EQ(mkfifo("pipe", 0600), 0);
  const int reader = ::open("pipe", O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_EQ(write_file("pipe", "through"), 0);
  char text[16] = {};
  EXPECT_EQ(::read(reader, text, sizeof text - 1), 7);
  ::close(reader);
  EXPECT_STREQ(text, "through");
  EXPECT_TRUE(fs::is_fifo("pipe"));
  EXPECT_EQ(entries(), 1u);
}

TEST_F(ReplacingFileTest, LinksInALoopAreNotReplaced) {
  fs::create_symlink("two", "one");
  fs::create_symlink("one", "two");
  fs::create_symlink("one", "out.c");
  EXPECT_EQ(write_file("out.c", "text"), ELOOP);
  EXPECT_TRUE(fs::is_symlink("one"));
  EXPECT_TRUE(fs::is_symlink("two"));
  EXPECT_TRUE(fs::is_symlink("out.c"));
  EXPECT_EQ(entries(), 3u);
}

TEST_F(ReplacingFileTest, NameOfTheLongestLengthIsWritten) {
  const std::string name(NAME_MAX, 'a');
  std::ofstream(name) << "old";
  EXPECT_EQ(write_file(name, "new"), 0);
  EXPECT_EQ(read_file(name), "new");
  EXPECT_EQ(entries(), 1u);
}

// Ctrl-C or a timeout in the middle of a large output: the part written
// goes with the program, which still ends by the signal; an output already
// complete stays.
TEST_F(ReplacingFileTest, AnInterruptRemovesThePartWrittenAndEndsTheProgram) {
  for (const int signal_number : {SIGINT, SIGTERM}) {
    EXPECT_EXIT(
        {
          EXPECT_EQ(write_file("done.c", "complete"), 0);
          ReplacingFile file;
          if (file.open("part.c") == 0) std::fputs("half", file.stream());
          std::fflush(file.stream());
          std::raise(signal_number);
        },
        testing::KilledBySignal(signal_number), "");
    EXPECT_FALSE(fs::exists("part.c"));
    EXPECT_EQ(read_file("done.c"), "complete");
    EXPECT_EQ(entries(), 1u);
  }
}

}  // namespace
}  // namespace zedra
