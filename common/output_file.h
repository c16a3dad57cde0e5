// Files written by a run, checked on every write, flush and close.
//
// A generated file (a source, a header, an include file, an action
// template) is written under a temporary name in its own folder and gets
// its name only when everything was written: it is then either complete or
// absent, and a good file of that name is never replaced by a broken one.
// A failure is reported with the file's name and the system's reason.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "files.h"

namespace zedra {

class Diagnostics;

// Reports Msg::FileNotWritable for `name`, followed by the system's reason
// for `error` (an errno value) on a line of its own.
void report_write_failure(Diagnostics& diagnostics, const std::string& name, int error);

class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile() { discard(); }

  // Starts the file `name`; false, reported, when no file can be created in
  // its folder.
  bool open(Diagnostics& diagnostics, const std::string& name);
  bool is_open() const { return file_ != nullptr; }
  std::FILE* stream() const { return file_.get(); }
  const std::string& name() const { return name_; }

  // Flushes and closes the file and gives it its name; false, reported and
  // nothing left behind, when any write failed or the name cannot be taken.
  bool commit(Diagnostics& diagnostics);
  // Drops an uncommitted file.
  void discard();

 private:
  FilePtr file_;
  std::string name_;
  std::string temporary_;
};

// Writes the generated file `name` (in the output folder) with `text`
// through an OutputFile; Msg::GeneratedFile when it was written, false
// after the report when not.
bool write_generated_text(Diagnostics& diagnostics, const std::string& name, std::string_view text);

// Flushes and closes `file`, which was written as the run went (a
// listing); false, reported as a failure of `name`, when a write, the flush
// or the close failed. What was written stays.
bool close_checked(Diagnostics& diagnostics, FilePtr& file, const std::string& name);

// Whether standard output took everything written to it; when not, the
// failure is reported on standard error (standard output cannot take it).
bool standard_output_ok(const char* program);

}  // namespace zedra
