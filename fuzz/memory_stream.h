// C streams over memory for the targets whose code under test reads and
// writes FILE*: an input stream over a copy of some bytes (fmemopen) and an
// output stream that collects what is written (open_memstream).
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace zedra::fuzz {

// Reads the bytes given at construction.
class InputStream {
 public:
  explicit InputStream(std::string_view bytes);
  ~InputStream();
  InputStream(const InputStream&) = delete;
  InputStream& operator=(const InputStream&) = delete;

  std::FILE* file() const { return file_; }

 private:
  std::string bytes_;  // fmemopen reads from this buffer
  std::FILE* file_;
};

// Collects everything written to it.
class OutputStream {
 public:
  OutputStream();
  ~OutputStream();
  OutputStream(const OutputStream&) = delete;
  OutputStream& operator=(const OutputStream&) = delete;

  std::FILE* file() const { return file_; }
  // Everything written so far.
  std::string text() const;

 private:
  char* buffer_ = nullptr;  // owned by the stream until it is closed
  std::size_t size_ = 0;
  std::FILE* file_;
};

}  // namespace zedra::fuzz
