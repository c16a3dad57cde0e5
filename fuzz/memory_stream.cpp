// fmemopen and open_memstream behind RAII; a stream that cannot be opened
// (no memory) ends the process with a message, since no input can run.
#include "memory_stream.h"

#include <cstdlib>

namespace zedra::fuzz {

namespace {

std::FILE* opened(std::FILE* file) {
  if (!file) {
    std::fputs("fuzz target: cannot open a stream in memory\n", stderr);
    std::exit(2);
  }
  return file;
}

}  // namespace

// fmemopen wants a buffer of at least one byte; an empty input still gets
// one, and the size passed keeps the stream empty.
InputStream::InputStream(std::string_view bytes)
    : bytes_(bytes.empty() ? std::string(1, '\0') : std::string(bytes)),
      file_(opened(::fmemopen(bytes_.data(), bytes.size(), "r"))) {}

InputStream::~InputStream() { std::fclose(file_); }

OutputStream::OutputStream() : file_(opened(::open_memstream(&buffer_, &size_))) {}

OutputStream::~OutputStream() {
  std::fclose(file_);
  std::free(buffer_);
}

std::string OutputStream::text() const {
  std::fflush(file_);
  return std::string(buffer_, size_);
}

}  // namespace zedra::fuzz
