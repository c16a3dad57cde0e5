#include "spec_source.h"

#include <utility>

#include "diagnostics.h"

namespace zedra {

void SpecSource::restart(std::FILE* in) {
  std::string text;
  char buffer[1 << 16];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, in)) > 0) text.append(buffer, count);
  // The byte-order mark some editors put before UTF-8 text is no part of
  // the specification.
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  restart(std::move(text));
}

void SpecSource::restart(std::string text) {
  text_ = std::move(text);
  position_ = 0;
}

int SpecSource::get() {
  if (at_end()) return kEnd;
  char c = text_[position_++];
  if (c == '\n')
    diagnostics_.next_line();
  else
    diagnostics_.echo(c);
  return static_cast<unsigned char>(c);
}

// comment : '(*' { any character } CLOS '*)' .
// The comment ends at the first "*)". One left open takes the rest of the
// file, and what goes wrong then names only what is missing, so a line
// tells where it began.
void SpecSource::skip_comment() {
  const int opened = diagnostics_.line();
  get();  // '('
  get();  // '*'
  while (!at_end()) {
    if (peek() == '*' && peek(1) == ')') {
      get();
      get();
      return;
    }
    get();
  }
  diagnostics_.report(Msg::FreeText, "%s:%d: Warning: the comment that begins here has no '*)', it takes the rest of the file",
                      diagnostics_.file_name().c_str(), opened);
}

// literal : quote { '\\' quote | any character but quote } CLOS quote .
// `quote` is the single or double quote that opens the literal.
bool SpecSource::read_quoted(std::string& literal) {
  int quote = get();
  literal.assign(1, static_cast<char>(quote));
  for (;;) {
    int c = peek();
    if (c == kEnd) return false;
    if (c == '\\' && peek(1) == quote) {
      literal += static_cast<char>(get());
      literal += static_cast<char>(get());
      continue;
    }
    if (c == '\n') {
      // Reported at the line that ends; the literal goes on on the next.
      diagnostics_.report(Msg::NewlineInString);
      get();
      continue;
    }
    get();
    literal += static_cast<char>(c);
    if (c == quote) return true;
  }
}

}  // namespace zedra
