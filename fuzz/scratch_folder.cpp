// The private scratch folder of a fuzz target and the scoped change of the
// working folder. Failures to set either up end the process with a
// message: they are faults of the machine, not findings.
#include "scratch_folder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace zedra::fuzz {

namespace {

[[noreturn]] void give_up(const std::string& what) {
  std::fprintf(stderr, "fuzz target: %s\n", what.c_str());
  std::exit(2);
}

// $TMPDIR when set; else /dev/shm, a file system in memory where there is
// one, since every run creates and removes files; else /tmp.
std::string temporary_folder() {
  const char* tmp = std::getenv("TMPDIR");
  if (tmp && *tmp) return tmp;
  if (::access("/dev/shm", W_OK | X_OK) == 0) return "/dev/shm";
  return "/tmp";
}

std::filesystem::path make_private_folder(std::string_view tag) {
  std::string pattern = temporary_folder() + "/zedra-fuzz-";
  pattern.append(tag);
  pattern += "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!::mkdtemp(name.data())) give_up("cannot create a folder like " + pattern);
  return std::filesystem::path(name.data());
}

}  // namespace

ScratchFolder::ScratchFolder(std::string_view tag)
    : root_(make_private_folder(tag)), run_(root_ / "run"), install_(root_ / "install") {
  std::error_code error;
  if (!std::filesystem::create_directory(run_, error) ||
      !std::filesystem::create_directory(install_, error))
    give_up("cannot create the folders in " + root_.string());
}

ScratchFolder::~ScratchFolder() {
  std::error_code error;
  std::filesystem::remove_all(root_, error);
}

void ScratchFolder::clear() {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(run_, error))
    std::filesystem::remove_all(entry.path(), error);
}

void ScratchFolder::write(std::string_view name, std::string_view bytes) const {
  std::ofstream file(run_ / name, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) give_up("cannot write " + (run_ / name).string());
}

WorkingFolder::WorkingFolder(const std::filesystem::path& folder)
    : previous_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (previous_ < 0) give_up("cannot open the working folder");
  if (::chdir(folder.c_str()) != 0) give_up("cannot change into " + folder.string());
}

WorkingFolder::~WorkingFolder() {
  if (::fchdir(previous_) != 0) give_up("cannot return to the working folder");
  ::close(previous_);
}

}  // namespace zedra::fuzz
