#include "code_writer.h"

#include <algorithm>
#include <cstdarg>
#include <cstdlib>

#include "cformat.h"
#include "diagnostics.h"

namespace zedra {

bool CodeWriter::try_open(const std::string& name, const std::string& extension, int width) {
  close();
  file_name_ = name + "." + extension;
  file_ = open_file(diagnostics_, file_name_, "w");
  writer_.attach(file_.get());
  writer_.set_width(std::min(width, kMaxWidth));
  return file_ != nullptr;
}

void CodeWriter::open(const std::string& name, const std::string& extension, int width) {
  if (!try_open(name, extension, width)) std::exit(1);  // message 32 is out already
}

void CodeWriter::close() {
  if (!file_) return;
  std::fputc('\n', file_.get());
  file_.reset();
  writer_.attach(nullptr);
  diagnostics_.report(kMsgGeneratedFile, file_name_);
}

void CodeWriter::apply(unsigned flags, const std::string* text) {
  const int line_ends = static_cast<int>(flags & kLineEndMask);
  // The indentation wraps around at the width, as a counter modulo width + 1.
  const int modulus = writer_.width() + 1;
  if (flags & kOutdent)
    writer_.set_indentation((writer_.indentation() - kIndentStep) % modulus, text != nullptr);
  if (text) writer_.write(*text);
  if (line_ends > 0) {
    writer_.newlines(line_ends);
    if (flags & kIndent)
      writer_.set_indentation((writer_.indentation() + kIndentStep) % modulus, text != nullptr);
  }
}

void CodeWriter::emit(unsigned flags) { apply(flags, nullptr); }

void CodeWriter::emit(unsigned flags, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string text = vformat(format, args);
  va_end(args);
  apply(flags, &text);
}

void CodeWriter::emit_text(unsigned flags, const std::string& text) { apply(flags, &text); }

void CodeWriter::numbered_name(char prefix, const std::string& name, int number) {
  emit(0, "%c_%.2d%s", prefix, number, name.c_str());
}

void CodeWriter::attribute(char prefix, const std::string& name, const std::string& field,
                           int number) {
  if (number != 0)
    emit(0, "%c_%.2d%s.%s", prefix, number, name.c_str(), field.c_str());
  else
    emit(0, "i_attrs->%s", field.c_str());
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
