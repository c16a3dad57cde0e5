#include "listing.h"

#include <cstdarg>

#include "cformat.h"

namespace zedra {

void Listing::attach(FilePtr file) {
  file_ = std::move(file);
  writer_.attach(file_.get());
}

FilePtr Listing::close() {
  if (!file_) return nullptr;
  std::fputc('\n', file_.get());
  writer_.attach(nullptr);
  return std::move(file_);
}

void Listing::printf(int newlines, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string text = vformat(format, args);
  va_end(args);
  write(newlines, text);
}

void Listing::write(int newlines, std::string_view text) {
  writer_.write(text);
  if (newlines >= 1) writer_.newlines(newlines);
}

void Listing::newlines(int count) { writer_.newlines(count); }

void Listing::raw(std::string_view text) {
  if (file_ && !text.empty()) std::fwrite(text.data(), 1, text.size(), file_.get());
}

void Listing::raw_char(char c) {
  if (file_) std::fputc(c, file_.get());
}

void Listing::raw_printf(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string text = vformat(format, args);
  va_end(args);
  raw(text);
}

}  // namespace zedra
