// The listing file: the numbered echo of the specification, the reports
// behind "*** " and the tables of the analyses, 80 columns wide.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "column_writer.h"
#include "files.h"

namespace zedra {

class Listing {
 public:
  static constexpr int kWidth = 80;

  Listing() : writer_(kWidth) {}

  // Opens or closes the file. Opening happens through
  // `Diagnostics::open_listing`, which reports Msg::FileNotWritable or
  // Msg::ListingFile.
  void attach(FilePtr file);
  // Writes a line end and gives the file up for its checked close; null
  // when no listing is open.
  FilePtr close();
  bool is_open() const { return file_ != nullptr; }
  std::FILE* stream() const { return file_.get(); }

  // Formats the text, writes it through the column writer (wrapping as the
  // column writer does) and then `newlines` line ends when it is 1 or more.
  void printf(int newlines, const char* format, ...) __attribute__((format(printf, 3, 4)));
  void write(int newlines, std::string_view text);
  // Writes `count` line ends; the column becomes 0.
  void newlines(int count);
  void push_indent() { writer_.push_indent(); }
  void pop_indent() { writer_.pop_indent(); }

  // Writes straight into the file, outside the column bookkeeping: the echo
  // of the source text and the report lines go this way.
  void raw(std::string_view text);
  void raw_char(char c);
  void raw_printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

  ColumnWriter& writer() { return writer_; }

 private:
  FilePtr file_;
  ColumnWriter writer_;
};

}  // namespace zedra
