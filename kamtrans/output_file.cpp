#include "output_file.h"

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "backend.h"

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
  // The KAM file itself is never replaced by a translation of it.
  if (i_is_input_file(name_.c_str())) fail(0, "it is the KAM file being translated");
  if (const int error = file_.open(name_)) fail(error);
}

void OutputFile::write(const std::string& text) {
  if (!file_.is_open()) return;
  if (std::fwrite(text.data(), 1, text.size(), file_.stream()) != text.size()) fail(errno);
}

void OutputFile::printf(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string text = vformat(format, args);
  va_end(args);
  write(text);
}

void OutputFile::close() {
  if (!file_.is_open()) return;
  if (const int error = file_.commit()) fail(error);
}

void OutputFile::fail(int error, const char* reason) {
  // Nothing more may be written once an output cannot be: the program
  // stops, and leaves no part of the file behind.
  file_.discard();
  std::fflush(stdout);
  if (failure_ == Failure::Program) {
    std::printf("File '%s' not writeable\n", name_.c_str());
  } else {
    std::fprintf(stderr, "%s: %s\n", name_.c_str(), reason ? reason : std::strerror(error ? error : EIO));
  }
  std::fflush(nullptr);
  std::_Exit(1);
}

}  // namespace kamtrans
