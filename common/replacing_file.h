// A file that takes its name only when it is complete. It is written under
// a temporary name in the folder of its target and renamed to the target
// when every write, the flush and the close succeeded, so that the file is
// either complete or absent, and a good file of that name is never
// replaced by a broken one. A symbolic link of that name is followed: the
// link stays and its target is replaced, keeping its permissions. A target
// that is not a plain file (a device, a pipe) is written in place. An
// interrupt removes the temporary file (interrupt_cleanup.h).
#pragma once

#include <cstdio>
#include <string>

#include "files.h"

namespace zedra {

class ReplacingFile {
 public:
  ReplacingFile() = default;
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;
  ReplacingFile(ReplacingFile&& other) noexcept { *this = std::move(other); }
  ReplacingFile& operator=(ReplacingFile&& other) noexcept;
  ~ReplacingFile() { discard(); }

  // Starts the file `name`: 0, or the errno value of why no file can be
  // created in its folder.
  int open(const std::string& name);
  bool is_open() const { return file_ != nullptr; }
  std::FILE* stream() const { return file_.get(); }

  // Flushes and closes the file and renames it to its name: 0, or the
  // errno value of what failed (the temporary file is then removed).
  int commit();
  // Drops a file that was not committed.
  void discard();

 private:
  void forget_temporary();

  FilePtr file_;
  std::string target_;     // the name, or the file a link of that name points to
  std::string temporary_;
  int cleanup_ticket_ = -1;  // of interrupt_cleanup, while temporary_ exists
};

// Flushes and closes `file`, which was written as the run went (a listing,
// a program's output): 0, or the errno value of a failed write, flush or
// close. What was written stays.
int close_written(FilePtr& file);

}  // namespace zedra
