#include "column_writer.h"

#include <algorithm>

namespace zedra {

void ColumnWriter::attach(std::FILE* out) {
  out_ = out;
  column_ = 0;
  indentation_ = 0;
  stack_.clear();
}

void ColumnWriter::put(char c) {
  if (out_) std::fputc(c, out_);
}

void ColumnWriter::move_to(int n) {
  if (column_ >= n) return;
  if (n >= width_) {
    put('\n');
    column_ = 0;
  }
  // Blanks in one write: deep indentation of large generated files would
  // otherwise cost a call per column.
  static constexpr char kBlanks[] = "                                                                ";
  while (column_ < n) {
    const int count = std::min(n - column_, static_cast<int>(sizeof kBlanks - 1));
    if (out_) std::fwrite(kBlanks, 1, static_cast<std::size_t>(count), out_);
    column_ += count;
  }
}

void ColumnWriter::set_indentation(int n, bool move) {
  indentation_ = n;
  if (move) move_to(n);
}

void ColumnWriter::make_room(int length) {
  move_to(indentation_);
  if (column_ + length > width_) {
    put('\n');
    column_ = 0;
    // Continuation lines start at the indentation when the text fits there,
    // else at column 0; the indentation itself stays as it is.
    if (indentation_ + length <= width_) move_to(indentation_);
  }
  column_ += length;
}

void ColumnWriter::write(std::string_view text) {
  make_room(static_cast<int>(text.size()));
  if (out_ && !text.empty()) std::fwrite(text.data(), 1, text.size(), out_);
}

void ColumnWriter::newlines(int count) {
  for (int i = 0; i < count; ++i) put('\n');
  column_ = 0;
}

void ColumnWriter::push_indent() {
  stack_.push_back(indentation_);
  indentation_ = column_;
}

void ColumnWriter::pop_indent() {
  if (stack_.empty()) return;
  indentation_ = stack_.back();
  stack_.pop_back();
}

}  // namespace zedra
