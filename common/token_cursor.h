// What the readers of both dialects share around their grammar: the results
// of reading, one token of look-ahead that is scanned only when the grammar
// needs it, the syntax error that ends the reading, and the limit of the
// parse stack.
#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "common/diagnostics.h"

namespace zedra {

// Results of reading a specification.
enum ReadResult : int { kReadAccepted = 0, kReadFailed = 1, kReadStackOverflow = 2 };

// Thrown inside a reader to unwind it once reading has stopped.
struct ReadStop {
  int result;
};

// Runs `read` and gives its result: kReadAccepted when it returns, the
// result of the ReadStop when reading stopped.
template <class Read>
int run_reader(Read read) {
  try {
    read();
    return kReadAccepted;
  } catch (const ReadStop& stop) {
    return stop.result;
  }
}

// The table-driven parsers that the readers replace keep at most 10000
// entries on their stack. Only nested groups make the stack deep; each
// level holds the enclosing part and the brace.
inline bool group_nesting_overflows(std::size_t levels) {
  constexpr std::size_t kMaxStackEntries = 10000;
  constexpr std::size_t kBaseStackEntries = 8;
  constexpr std::size_t kEntriesPerGroupLevel = 2;
  return kBaseStackEntries + kEntriesPerGroupLevel * levels >= kMaxStackEntries;
}

// The look-ahead of a reader over the tokens of `Scanner`. Tokens are
// scanned only when the grammar looks at them, so a declaration completed
// by its last token is made before the next token is read (and echoed, and
// in the scanner dialect classified).
template <class Scanner, class Token>
class TokenCursor {
 protected:
  template <class... ScannerArgs>
  explicit TokenCursor(Diagnostics& diagnostics, ScannerArgs&&... args)
      : cursor_diagnostics_(diagnostics), scanner_(std::forward<ScannerArgs>(args)...) {}

  int peek() {
    if (!have_token_) {
      token_ = scanner_.next();
      have_token_ = true;
    }
    return token_.code;
  }
  Token take() {
    peek();
    have_token_ = false;
    return std::move(token_);
  }
  // Message 26 at the text matched last; ends the reading.
  [[noreturn]] void syntax_error() {
    cursor_diagnostics_.report(26, "parse error", token_.matched.empty() ? "end of file" : token_.matched);
    throw ReadStop{kReadFailed};
  }
  // Message 26 for a group nested too deeply; ends the reading.
  [[noreturn]] void stack_overflow() {
    cursor_diagnostics_.report(26, "parser stack overflow", "{");
    throw ReadStop{kReadStackOverflow};
  }
  void expect(int code) {
    if (peek() != code) syntax_error();
    take();
  }
  std::string expect_text(int code) {
    if (peek() != code) syntax_error();
    return take().text;
  }

 private:
  Diagnostics& cursor_diagnostics_;
  Scanner scanner_;
  Token token_;
  bool have_token_ = false;
};

}  // namespace zedra
