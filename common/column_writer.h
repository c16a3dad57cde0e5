// A text writer that knows its column: it wraps texts that do not fit into
// the width and keeps an indentation with a stack of saved indentations.
// The listing (80 columns) and the C code writer (up to 126) are two
// configurations of it.
#pragma once

#include <cstdio>
#include <string_view>
#include <vector>

namespace zedra {

class ColumnWriter {
 public:
  // The stack depth that the listing layout is designed for; deeper nesting
  // is kept too (the stack grows), so push and pop always pair up.
  static constexpr int kIndentStackDepth = 25;

  explicit ColumnWriter(int width) : width_(width) {}

  // Starts writing to `out` (null: nothing is written) at column 0 with
  // indentation 0 and an empty stack.
  void attach(std::FILE* out);
  std::FILE* stream() const { return out_; }

  int width() const { return width_; }
  void set_width(int width) { width_ = width; }
  int column() const { return column_; }
  int indentation() const { return indentation_; }
  std::size_t stack_depth() const { return stack_.size(); }

  // Sets the indentation to `n`; with `move` the output goes to column `n`
  // at once when it stands left of it (blanks; a line end first when `n`
  // reaches the width).
  void set_indentation(int n, bool move = true);

  // Writes `text` as one unit: moves to the indentation, and when the text
  // does not fit behind the column, continues on a new line at the
  // indentation, or at column 0 when it does not fit there either. A text
  // wider than the width is written whole.
  void write(std::string_view text);

  // Writes `count` line ends; the column becomes 0 (blanks of the
  // indentation follow lazily in front of the next text).
  void newlines(int count);

  // Saves the indentation and makes the current column the new one, so that
  // continuation lines line up under the text written so far.
  void push_indent();
  // Restores the last saved indentation; nothing on an empty stack.
  void pop_indent();

 private:
  void move_to(int n);
  void make_room(int length);
  void put(char c);

  std::FILE* out_ = nullptr;
  int width_;
  int column_ = 0;
  int indentation_ = 0;
  std::vector<int> stack_;
};

}  // namespace zedra
