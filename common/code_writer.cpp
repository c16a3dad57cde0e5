#include "code_writer.h"

#include <algorithm>
#include <cstdarg>

#include "cformat.h"
#include "diagnostics.h"
#include "output_file.h"

namespace zedra {

bool CodeWriter::open(const std::string& name, const std::string& extension, int width) {
  file_.discard();
  file_name_ = diagnostics_.output_path(name + "." + extension);
  const bool opened = open_reported(diagnostics_, file_, file_name_);
  writer_.attach(file_.stream());
  writer_.set_width(std::min(width, kMaxWidth));
  return opened;
}

bool CodeWriter::close() {
  if (!file_.is_open()) return false;
  std::fputc('\n', file_.stream());
  writer_.attach(nullptr);
  if (!commit_reported(diagnostics_, file_, file_name_)) return false;
  diagnostics_.report(Msg::GeneratedFile, file_name_);
  return true;
}

// The indentation wraps around at the width, as a counter modulo width + 1.
void CodeWriter::shift(int step, bool move) {
  const int modulus = writer_.width() + 1;
  writer_.set_indentation((writer_.indentation() + step) % modulus, move);
}

void CodeWriter::write(Layout layout, std::string_view text) {
  if (layout == Layout::Close || layout == Layout::Next) shift(-kIndentStep, true);
  writer_.write(text);
  if (layout == Layout::Inline) return;
  writer_.newlines(1);
  if (layout == Layout::Open || layout == Layout::Next) shift(kIndentStep, true);
}

void CodeWriter::emit(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  write(Layout::Inline, vformat(format, args));
  va_end(args);
}

void CodeWriter::line(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  write(Layout::Line, vformat(format, args));
  va_end(args);
}

void CodeWriter::numbered_name(char prefix, const std::string& name, int number) {
  emit("%c_%.2d%s", prefix, number, name.c_str());
}

void CodeWriter::attribute(char prefix, const std::string& name, const std::string& field,
                           int number) {
  if (number != 0)
    emit("%c_%.2d%s.%s", prefix, number, name.c_str(), field.c_str());
  else
    emit("i_attrs->%s", field.c_str());
}

std::string c_char_literal(int c) {
  const unsigned char code = static_cast<unsigned char>(c);
  switch (code) {
    case '\\': return "'\\\\'";
    case '\'': return "'\\''";
    case '\n': return "'\\n'";
    case '\r': return "'\\r'";
    case '\t': return "'\\t'";
    case '\v': return "'\\v'";
    case '\b': return "'\\b'";
    case '\a': return "'\\a'";
    case '\f': return "'\\f'";
    default: break;
  }
  // Printable as in the "C" locale, whatever locale the program runs in.
  if (code >= 0x20 && code < 0x7F) return std::string{'\'', static_cast<char>(code), '\''};
  return format("'\\%o'", static_cast<unsigned>(code));
}

}  // namespace zedra
