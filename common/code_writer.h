// The writer of one generated C file at a time: automatic indentation in
// steps of 2, wrapping at a width of at most 126 columns, and the printers
// of the numbered identifiers of generated code.
#pragma once

#include <cstdio>
#include <string>

#include "column_writer.h"
#include "files.h"

namespace zedra {

class Diagnostics;

// Flags of `CodeWriter::emit`: the low 7 bits count the line ends written
// after the text; kOutdent decreases the indentation before the text,
// kIndent increases it after the line ends (only when line ends were
// written). Example: kIndent | 1 is 0x101.
inline constexpr unsigned kLineEndMask = 0x7F;
inline constexpr unsigned kOutdent = 0x80;
inline constexpr unsigned kIndent = 0x100;

class CodeWriter {
 public:
  static constexpr int kMaxWidth = 126;
  static constexpr int kIndentStep = 2;

  explicit CodeWriter(Diagnostics& diagnostics) : diagnostics_(diagnostics), writer_(kMaxWidth) {}

  // Opens "<name>.<extension>" for writing with the width `width` (at most
  // 126). When the file cannot be written, message 32 is reported and the
  // program ends with exit status 1.
  void open(const std::string& name, const std::string& extension, int width);
  // Like `open`, but gives false instead of ending the program.
  bool try_open(const std::string& name, const std::string& extension, int width);
  // Writes a line end, closes the file and reports 75 with its name;
  // nothing when no file is open.
  void close();
  bool is_open() const { return file_ != nullptr; }
  const std::string& file_name() const { return file_name_; }

  // Only the flag effects (no text).
  void emit(unsigned flags);
  // The flag effects around the formatted text.
  void emit(unsigned flags, const char* format, ...) __attribute__((format(printf, 3, 4)));
  // The flag effects around `text`, written literally.
  void emit_text(unsigned flags, const std::string& text);

  // "%c_%.2d%s": numbered_name('t', "ident", 1) gives t_01ident.
  void numbered_name(char prefix, const std::string& name, int number);
  // "%c_%.2d%s.%s" for a nonzero number (t_01ident.value), "i_attrs->%s"
  // for 0: i_attrs is the attribute record of the rule being generated.
  void attribute(char prefix, const std::string& name, const std::string& field, int number);

  void push_indent() { writer_.push_indent(); }
  void pop_indent() { writer_.pop_indent(); }
  ColumnWriter& writer() { return writer_; }

 private:
  void apply(unsigned flags, const std::string* text);

  Diagnostics& diagnostics_;
  FilePtr file_;
  std::string file_name_;
  ColumnWriter writer_;
};

// A C character literal for the character code `c` (0-255): 'A', '\\',
// '\'', '\n', '\177', ...
std::string c_char_literal(int c);

}  // namespace zedra
