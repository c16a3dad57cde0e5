// An output file of a translator: opened for writing, closed on destruction
// or explicitly, with the failure handling that the translators share.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

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

  bool is_open() const { return file_ != nullptr; }
  void write(const std::string& text);
  void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Closes the file; a failed write or close ends the program like an
  // unwritable file.
  void close();

 private:
  [[noreturn]] void fail(int error) const;

  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::string name_;
  Failure failure_ = Failure::Table;
  std::unique_ptr<std::FILE, Closer> file_;
};

// The printf-style text of format with arguments, of any length.
std::string format_text(const char* format, ...);

}  // namespace kamtrans
