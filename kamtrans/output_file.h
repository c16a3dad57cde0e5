// An output file of a translator, with the failure handling that the
// translators share. It is written under a temporary name and takes its own
// name when it is closed complete: a failed translation leaves no
// half-written file behind (nor replaces a good one).
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "replacing_file.h"

namespace kamtrans {

class OutputFile {
 public:
  // How an unwritable file is reported before the program stops.
  enum class Failure {
    Program,  // "File '%s' not writeable" on standard output
    Table,    // the name and the system's reason on standard error
  };

  OutputFile() = default;
  OutputFile(std::string name, Failure failure);

  bool is_open() const { return file_.is_open(); }
  void write(const std::string& text);
  void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Closes the file and gives it its name; a failed write or close ends
  // the program like an unwritable file.
  void close();

 private:
  // Ends the program after the report of `reason`, or of the system's text
  // of `error` when there is no reason.
  [[noreturn]] void fail(int error, const char* reason = nullptr);

  std::string name_;
  Failure failure_ = Failure::Table;
  zedra::ReplacingFile file_;
};

// The printf-style text of format with arguments, of any length.
std::string format_text(const char* format, ...);

}  // namespace kamtrans
