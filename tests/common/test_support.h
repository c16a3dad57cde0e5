// Helpers of the common-layer tests: capturing what is written to a stream,
// and running a test inside a scratch directory of its own.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zedra::test {

// A temporary stream whose contents can be read back at any time.
class CapturedStream {
 public:
  CapturedStream() : file_(std::tmpfile()) {}
  ~CapturedStream() {
    if (file_) std::fclose(file_);
  }
  CapturedStream(const CapturedStream&) = delete;
  CapturedStream& operator=(const CapturedStream&) = delete;

  std::FILE* get() const { return file_; }
  std::string text() const {
    std::fflush(file_);
    const long end = std::ftell(file_);
    std::string contents(static_cast<std::size_t>(end), '\0');
    std::rewind(file_);
    const std::size_t got = std::fread(contents.data(), 1, contents.size(), file_);
    contents.resize(got);
    std::fseek(file_, 0, SEEK_END);
    return contents;
  }

 private:
  std::FILE* file_;
};

inline std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

inline void write_file(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// "<prefix><number>", built without operator+ (which trips a false
// -Wrestrict of g++ 12 at -O3).
inline std::string numbered(const char* prefix, int number) {
  std::string name(prefix);
  name += std::to_string(number);
  return name;
}

// A fixture that runs each test in a fresh directory and removes it after.
class ScratchDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "zedra-common-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    std::filesystem::current_path(dir_);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir_);
  }
  const std::filesystem::path& dir() const { return dir_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path dir_;
};

}  // namespace zedra::test
