#include "output_file.h"

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace kamtrans {
namespace {

std::string vformat(const char* format, std::va_list args) {
  std::va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  std::string text;
  if (length > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, again);
    text.assign(buffer.data(), static_cast<std::size_t>(length));
  }
  va_end(again);
  return text;
}

}  // namespace

std::string format_text(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::string text = vformat(format, args);
  va_end(args);
  return text;
}

OutputFile::OutputFile(std::string name, Failure failure)
    : name_(std::move(name)), failure_(failure) {
  errno = 0;
  file_.reset(std::fopen(name_.c_str(), "w"));
  if (!file_) fail(errno);
}

void OutputFile::write(const std::string& text) {
  if (!file_) return;
  if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size()) fail(errno);
}

void OutputFile::printf(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string text = vformat(format, args);
  va_end(args);
  write(text);
}

void OutputFile::close() {
  if (!file_) return;
  std::FILE* file = file_.release();
  const bool failed = std::ferror(file) != 0;
  errno = 0;
  const bool close_failed = std::fclose(file) != 0;
  if (failed || close_failed) fail(errno ? errno : EIO);
}

void OutputFile::fail(int error) const {
  // Nothing more may be written once an output cannot be: the program stops.
  std::fflush(stdout);
  if (failure_ == Failure::Program) {
    std::printf("File '%s' not writeable\n", name_.c_str());
  } else {
    std::fprintf(stderr, "%s: %s\n", name_.c_str(), std::strerror(error ? error : EIO));
  }
  std::fflush(nullptr);
  std::_Exit(1);
}

}  // namespace kamtrans
