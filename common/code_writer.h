// The writer of one generated C file at a time: lines and blocks indented
// in steps of 2, wrapping at a width of at most 126 columns, and the
// printers of the numbered identifiers of generated code.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "column_writer.h"
#include "files.h"
#include "replacing_file.h"

namespace zedra {

class Diagnostics;

class CodeWriter {
 public:
  static constexpr int kMaxWidth = 126;
  static constexpr int kIndentStep = 2;

  explicit CodeWriter(Diagnostics& diagnostics) : diagnostics_(diagnostics), writer_(kMaxWidth) {}

  // Starts "<name>.<extension>" in the output folder, with the width
  // `width` (at most 126). The text goes to a temporary file until `close`.
  // False when the file cannot be written: Msg::FileNotWritable is out, and
  // the run must end with exit status 1.
  [[nodiscard]] bool open(const std::string& name, const std::string& extension, int width);
  // Writes a line end, closes the file, gives it its name and reports
  // Msg::GeneratedFile; false, reported, when anything of it could not be
  // written (the file is then absent), or when no file is open.
  [[nodiscard]] bool close();
  bool is_open() const { return file_.is_open(); }
  const std::string& file_name() const { return file_name_; }

  // Every text is written as one unit that wraps to a new line as a whole,
  // so two texts written apart may wrap where one joined text would not.
  // `emit` and `line` take printf formats; the other texts are written as
  // they are.

  // A text that continues the current line.
  void emit(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void emit_text(std::string_view text) { write(Layout::Inline, text); }
  // A text that ends the current line.
  void line(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // A text that ends the current line and opens a block: the lines after it
  // are indented one step deeper, "while (x) {". The blanks of the new
  // indentation are written at once.
  void open_block(std::string_view text) { write(Layout::Open, text); }
  // A text that closes a block: one step less indentation, then the text
  // and a line end, "}".
  void close_block(std::string_view text) { write(Layout::Close, text); }
  // A text that closes a block and opens the next one, "} else {".
  void next_block(std::string_view text) { write(Layout::Next, text); }
  // Ends the current line.
  void end_line() { writer_.newlines(1); }
  // `count` line ends: after an ended line, `count` empty lines.
  void blank_lines(int count) { writer_.newlines(count); }
  // One step more or less indentation for the lines that follow; unlike
  // open_block, no blanks are written until a text follows.
  void indent() { shift(kIndentStep, false); }
  void outdent() { shift(-kIndentStep, false); }

  // "%c_%.2d%s": numbered_name('t', "ident", 1) gives t_01ident.
  void numbered_name(char prefix, const std::string& name, int number);
  // "%c_%.2d%s.%s" for a nonzero number (t_01ident.value), "i_attrs->%s"
  // for 0: i_attrs is the attribute record of the rule being generated.
  void attribute(char prefix, const std::string& name, const std::string& field, int number);

  void push_indent() { writer_.push_indent(); }
  void pop_indent() { writer_.pop_indent(); }
  ColumnWriter& writer() { return writer_; }

 private:
  // The place of a text in the block structure.
  enum class Layout { Inline, Line, Open, Close, Next };
  void write(Layout layout, std::string_view text);
  // Changes the indentation by `step`; with `move` the blanks up to it are
  // written at once.
  void shift(int step, bool move);

  Diagnostics& diagnostics_;
  ReplacingFile file_;
  std::string file_name_;
  ColumnWriter writer_;
};

// A C character literal for the character code `c` (0-255): 'A', '\\',
// '\'', '\n', '\177', ...
std::string c_char_literal(int c);

}  // namespace zedra
