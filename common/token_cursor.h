// What the readers of both dialects share around their grammar: the results
// of reading, one token of look-ahead that is scanned only when the grammar
// needs it, the syntax error that ends the reading, and the limit of the
// parse stack.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cformat.h"
#include "diagnostics.h"

namespace zedra {

// Results of reading a specification.
enum ReadResult : int { kReadAccepted = 0, kReadFailed = 1, kReadStackOverflow = 2 };

// The table-driven parsers that the readers replace keep at most 10000
// entries on their stack. Only nested groups make the stack deep; each
// level holds the enclosing part and the brace.
inline bool group_nesting_overflows(std::size_t levels) {
  constexpr std::size_t kMaxStackEntries = 10000;
  constexpr std::size_t kBaseStackEntries = 8;
  constexpr std::size_t kEntriesPerGroupLevel = 2;
  return kBaseStackEntries + kEntriesPerGroupLevel * levels >= kMaxStackEntries;
}

// The look-ahead of a reader over the tokens of `Scanner`, whose names are
// tokens of code `kIdentCode`. Tokens are scanned only when the grammar
// looks at them, so a declaration completed by its last token is made
// before the next token is read (and echoed, and in the scanner dialect
// classified).
//
// The productions of a reader give false when reading must end; the reason
// has been reported and `read_result` tells how the reading ended.
//
// Each production is headed by the rule it reads, written the way the
// specification language writes its own rules: "name : alternatives ." with
// "|" between alternatives, "{ }" for a group and the postfix operators
// OPTION (once or not at all), SEQ (once or more) and CLOS (any number of
// times); in the parser dialect "x CHAIN y" stands for x { y x } CLOS.
// Tokens are written by their names (IDENT, NUMBER, ...) or quoted ('.').
template <class Scanner, class Token, int kIdentCode>
class TokenCursor {
 protected:
  template <class... ScannerArgs>
  explicit TokenCursor(Diagnostics& diagnostics, ScannerArgs&&... args)
      : cursor_diagnostics_(diagnostics), scanner_(std::forward<ScannerArgs>(args)...) {}

  int peek() {
    if (!have_token_) {
      tokens_[ahead_] = scanner_.next();
      have_token_ = true;
    }
    return tokens_[ahead_].code;
  }
  // The look-ahead, taken: it stays at hand until the next one is taken,
  // for the message of a syntax error right behind it.
  const Token& take() {
    peek();
    have_token_ = false;
    expected_count_ = 0;
    ++declaration_tokens_;
    ahead_ ^= 1;
    return taken();
  }
  // Whether the look-ahead is `code`; a syntax error before the next token
  // is taken names `code` among the tokens expected.
  bool at(int code) {
    note_expected(code);
    return peek() == code;
  }
  // The look-ahead, with `codes` among the tokens expected: for a switch
  // over them.
  int peek_among(std::initializer_list<int> codes) {
    for (int code : codes) note_expected(code);
    return peek();
  }
  // Msg::ErrorAt at the text matched last; reading ends. A second line
  // helps with the likely cause, else names the tokens expected there when
  // they are few. A ':' after a name inside a declaration or rule mostly
  // follows one whose closing '.' is missing: the name of the next one was
  // read as part of it. Else a reader may give a `hint` of its own. A
  // keyword in the wrong case ("rules"), found or read just before, is a
  // name.
  bool syntax_error(std::string_view hint = {}) {
    peek();
    const std::string& found = ahead().matched;
    cursor_diagnostics_.report(Msg::ErrorAt, "parse error", found.empty() ? "end of file" : printable(found));
    if (found == ":" && taken().code == kIdentCode && declaration_tokens_ > 1) {
      cursor_diagnostics_.report(Msg::FreeText, in_rules_
          ? "  (a ':' after a name begins a rule: the rule before it may lack its closing '.')"
          : "  (a ':' after a name begins a declaration: the one before it may lack its closing '.')");
    } else if (!hint.empty()) {
      cursor_diagnostics_.report(Msg::FreeText, "  (%s)", std::string(hint).c_str());
    } else if (std::string_view keyword = keyword_in_other_case(ahead()); !keyword.empty()) {
      cursor_diagnostics_.report(Msg::FreeText, "  ('%s' is a name: the keyword is written %s)",
                                 ahead().text.c_str(), std::string(keyword).c_str());
    } else if (std::string_view keyword = keyword_in_other_case(taken()); !keyword.empty()) {
      cursor_diagnostics_.report(Msg::FreeText, "  ('%s' before it is a name: the keyword is written %s)",
                                 taken().text.c_str(), std::string(keyword).c_str());
    } else if (std::string expected = expected_tokens(); !expected.empty()) {
      cursor_diagnostics_.report(Msg::FreeText, "  (expected %s)", expected.c_str());
    }
    return stop(kReadFailed);
  }
  // The "{" in hand opens a group inside `levels` open groups: false, with
  // Msg::ErrorAt, when that nests the groups too deeply.
  bool check_stack(std::size_t levels) {
    if (!group_nesting_overflows(levels)) return true;
    cursor_diagnostics_.report(Msg::ErrorAt, "parser stack overflow", "{");
    return stop(kReadStackOverflow);
  }
  // The reader is in the RULES section (from its first rule on).
  void enter_rules() { in_rules_ = true; }
  // A declaration or rule (or a section) begins with the next token.
  void begin_declaration() { declaration_tokens_ = 0; }
  // Ends the reading with `result`; its reason has been reported.
  bool stop(ReadResult result) {
    result_ = result;
    return false;
  }
  bool expect(int code) {
    if (!at(code)) return syntax_error();
    take();
    return true;
  }
  bool expect_text(int code, std::string& text) {
    if (!at(code)) return syntax_error();
    text = take().text;
    return true;
  }
  bool ident(std::string& name) { return expect_text(kIdentCode, name); }
  // name_list : IDENT { ',' IDENT } CLOS .
  bool name_list(std::vector<std::string>& names) {
    for (;;) {
      std::string name;
      if (!ident(name)) return false;
      names.push_back(std::move(name));
      if (!at(',')) return true;
      take();
    }
  }
  // type_declaration : IDENT { '=' '(' name_list ')' } OPTION '.' .
  // The type declaration both dialects share; `declarations` is the
  // dialect's declaration object.
  template <class Declarations>
  bool type_declaration(Declarations& declarations) {
    std::string name;
    if (!ident(name)) return false;
    std::vector<std::string> values;
    if (at('=')) {
      take();
      if (!expect('(') || !name_list(values) || !expect(')')) return false;
    }
    if (!expect('.')) return false;
    declarations.declare_type(name, values);
    return true;
  }
  // The result of a reading whose start production gave `accepted`.
  ReadResult read_result(bool accepted) const { return accepted ? kReadAccepted : result_; }

 private:
  const Token& taken() const { return tokens_[ahead_ ^ 1]; }
  const Token& ahead() const { return tokens_[ahead_]; }
  // The keyword that the name `token` spells in other case; empty when it
  // is no name or spells none.
  static std::string_view keyword_in_other_case(const Token& token) {
    return token.code == kIdentCode ? Scanner::keyword_in_other_case(token.text) : std::string_view();
  }

  // A longer list than this says little more than "parse error" does.
  static constexpr std::size_t kMostExpectedNamed = 4;

  // Every token is tested several times, so this is kept cheap: once the
  // list is too long to be named, it only counts.
  void note_expected(int code) {
    if (expected_count_ > kMostExpectedNamed) return;
    for (std::size_t i = 0; i < expected_count_; ++i)
      if (expected_[i] == code) return;
    if (expected_count_ < kMostExpectedNamed) expected_[expected_count_] = code;
    ++expected_count_;
  }
  // "A", "A or B", "A, B or C": the tokens expected, single characters
  // quoted; empty when there are none or too many to help.
  std::string expected_tokens() const {
    if (expected_count_ == 0 || expected_count_ > kMostExpectedNamed) return {};
    std::string list;
    for (std::size_t i = 0; i < expected_count_; ++i) {
      if (i > 0) list += i + 1 == expected_count_ ? " or " : ", ";
      const int code = expected_[i];
      if (code == 0)
        list += "end of file";
      else if (code < 256)
        list += std::string("'") + static_cast<char>(code) + "'";
      else
        list += Scanner::describe(code);
    }
    return list;
  }

  Diagnostics& cursor_diagnostics_;
  Scanner scanner_;
  // The look-ahead and the token taken last, which take() swaps by index.
  std::array<Token, 2> tokens_;
  int ahead_ = 0;
  bool have_token_ = false;
  bool in_rules_ = false;
  std::array<int, kMostExpectedNamed> expected_{};  // tested since the last token was taken
  std::size_t expected_count_ = 0;
  std::size_t declaration_tokens_ = 0;  // taken since the declaration began
  ReadResult result_ = kReadAccepted;
};

}  // namespace zedra
