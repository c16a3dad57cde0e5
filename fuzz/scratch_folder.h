// A private folder for the targets whose programs read and write files by
// relative names (pgen, sgen and the generated compilers write their
// listings and generated files into the working folder). Every input runs
// in the emptied sub-folder "run"; the process goes back to its own working
// folder after each run, so that the fuzzer's corpus and crash files keep
// their places.
#pragma once

#include <filesystem>
#include <string_view>

namespace zedra::fuzz {

class ScratchFolder {
 public:
  // Creates "<tmp>/zedra-fuzz-<tag>-XXXXXX" with the empty sub-folders
  // "run" and "install"; <tmp> is $TMPDIR, else /dev/shm where it can be
  // written, else /tmp. A folder that cannot be
  // made ends the process: no input could be run at all.
  explicit ScratchFolder(std::string_view tag);
  // Removes the folder with everything in it.
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Where the runs happen; emptied by clear().
  const std::filesystem::path& run_folder() const { return run_; }
  // A folder beside it that clear() leaves alone (an installation
  // directory for the generators, say).
  const std::filesystem::path& install_folder() const { return install_; }

  // Removes everything that earlier runs left in the run folder.
  void clear();
  // Writes `bytes` into the file `name` of the run folder.
  void write(std::string_view name, std::string_view bytes) const;

 private:
  std::filesystem::path root_;
  std::filesystem::path run_;
  std::filesystem::path install_;
};

// Changes into a folder for its lifetime and back to the folder the process
// was in before.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::filesystem::path& folder);
  ~WorkingFolder();
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

 private:
  int previous_;  // descriptor of the folder to return to
};

}  // namespace zedra::fuzz
