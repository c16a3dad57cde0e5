#include "common/scanner_reader.h"

#include <string>
#include <utility>
#include <vector>

#include "common/diagnostics.h"
#include "common/scanner_tokens.h"
#include "common/spec_source.h"
#include "common/token_cursor.h"
#include "sgen/scanner_declarations.h"
#include "sgen/scanstat.h"

namespace zedra {

namespace {

// A group of a regular expression being read: the alternatives completed
// so far and the sequence being built.
struct GroupFrame {
  Fragment alternatives;
  bool has_alternatives = false;
  Fragment sequence;
  bool has_sequence = false;
};

int classify(const ScannerDeclarations& declarations, std::string_view name) {
  if (declarations.charset_find(name)) return kSTokSetName;
  if (declarations.scanner_string_find(name)) return kSTokStringName;
  return kSTokIdent;
}

// Names are classified when they are scanned, and the cursor scans a token
// only when the grammar looks at it: a declaration completed by its last
// token is known to the names that follow it.
class Reader : private TokenCursor<ScannerScanner, ScannerToken> {
 public:
  Reader(SpecSource& source, ScannerDeclarations& declarations, Nfa& nfa)
      : TokenCursor(declarations.diagnostics(), declarations.diagnostics(), source,
                    [&declarations](std::string_view name) { return classify(declarations, name); }),
        diagnostics_(declarations.diagnostics()),
        decl_(declarations),
        nfa_(nfa) {}

  int run() {
    return run_reader([this] { specification(); });
  }

 private:
  std::string ident() { return expect_text(kSTokIdent); }

  void specification();
  bool section();
  Names name_list();
  void type_declaration();
  void conversion_declaration();
  void attribute_declaration();
  void symbol_declaration();
  void string_declaration();
  void charset_declaration();
  void range();
  Initialisations initialisations();
  void scanner_rule();
  Fragment alternatives();
  void add_factor(GroupFrame& frame, Fragment primary);
  void end_sequence(GroupFrame& frame);
  Fragment primary();
  StateSet set_expression();
  void evaluate_set(const std::string& name, SetOperator op, StateSet& value);
  int operator_part();

  Diagnostics& diagnostics_;
  ScannerDeclarations& decl_;
  Nfa& nfa_;
};

void Reader::specification() {
  if (peek() == kSTokOptions) {
    take();
    Names names = name_list();
    expect('.');
    decl_.apply_options(names);
  }
  if (peek() == kSTokDefinitions) {
    take();
    Names names = name_list();
    expect('.');
    decl_.add_definition_modules(names);
  }
  if (!section()) syntax_error();
  while (section()) {
  }
  expect(kSTokRules);
  do scanner_rule();
  while (peek() == kSTokIdent);
  if (peek() != kSTokEnd) syntax_error();
}

// One declaration section; false when the next token begins none.
bool Reader::section() {
  const int keyword = peek();
  void (Reader::*declaration)() = nullptr;
  switch (keyword) {
    case kSTokTypes: declaration = &Reader::type_declaration; break;
    case kSTokActions: declaration = &Reader::conversion_declaration; break;
    case kSTokAttributes: declaration = &Reader::attribute_declaration; break;
    case kSTokSymbols:
    case kSTokKeywords: declaration = &Reader::symbol_declaration; break;
    case kSTokCharsets: declaration = &Reader::charset_declaration; break;
    case kSTokStrings: declaration = &Reader::string_declaration; break;
    default: return false;
  }
  take();
  if (keyword == kSTokSymbols) decl_.begin_symbol_section(SymbolSection::Symbols);
  if (keyword == kSTokKeywords) decl_.begin_symbol_section(SymbolSection::Keywords);
  do (this->*declaration)();
  while (peek() == kSTokIdent);
  return true;
}

Names Reader::name_list() {
  Names names{ident()};
  while (peek() == ',') {
    take();
    names.push_back(ident());
  }
  return names;
}

void Reader::type_declaration() {
  std::string name = ident();
  Names values;
  if (peek() == '=') {
    take();
    expect('(');
    values = name_list();
    expect(')');
  }
  expect('.');
  decl_.declare_type(name, values);
}

void Reader::conversion_declaration() {
  std::string name = ident();
  expect(':');
  std::string type_name = ident();
  expect('.');
  decl_.declare_conversion(name, type_name);
}

void Reader::attribute_declaration() {
  std::string name = ident();
  expect(':');
  std::string type_name = ident();
  decl_.declare_attribute(name, type_name);
  expect(kSTokSyn);
  expect(kSTokOf);
  Names terminals = name_list();
  std::string default_action;
  if (peek() == kSTokWith) {
    take();
    expect(kSTokDefault);
    default_action = ident();
  }
  expect('.');
  decl_.set_attribute_terminals(terminals, default_action);
}

// name : TEXT [initialisations] { | TEXT [initialisations] } .
// A representation is added once the token after it has been read.
void Reader::symbol_declaration() {
  std::string name = ident();
  expect(':');
  decl_.declare_symbol(name);
  for (;;) {
    std::string text = expect_text(kSTokText);
    Initialisations assigned = initialisations();
    if (Terminal* terminal = decl_.add_representation(text, assigned)) nfa_.literal(text, terminal);
    if (peek() != '|') break;
    take();
  }
  expect('.');
}

void Reader::string_declaration() {
  std::string name = ident();
  expect(':');
  std::string text = expect_text(kSTokLiteral);
  expect('.');
  decl_.declare_string(name, text);
}

void Reader::charset_declaration() {
  std::string name = ident();
  decl_.declare_charset(name);
  expect(':');
  expect('[');
  range();
  while (peek() == ',') {
    take();
    range();
  }
  expect(']');
  expect('.');
}

// A single character is added once the token after it has been read; a
// range as soon as its second character has been read.
void Reader::range() {
  if (peek() != kSTokChar) syntax_error();
  const int low = take().value;
  int high = low;
  if (peek() == kSTokRange) {
    take();
    if (peek() != kSTokChar) syntax_error();
    high = take().value;
  }
  decl_.add_charset_range(low, high);
}

// attribute = value { , attribute = value }, each value a type value or a
// call; possibly none.
Initialisations Reader::initialisations() {
  Initialisations assigned;
  if (peek() != kSTokIdent) return assigned;
  for (;;) {
    std::string attribute = ident();
    expect('=');
    if (peek() != kSTokIdent && peek() != kSTokCall) syntax_error();
    std::string value = take().text;
    assigned.push_back({std::move(attribute), std::move(value), diagnostics_.line()});
    if (peek() != ',') return assigned;
    take();
  }
}

void Reader::scanner_rule() {
  std::string name = ident();
  expect(':');
  TerminalKind kind = TerminalKind::Plain;
  if (peek() == kSTokSkip || peek() == kSTokVerify) {
    kind = take().code == kSTokSkip ? TerminalKind::Skip : TerminalKind::Verify;
    expect(':');
  }
  decl_.declare_rule(name, kind);
  nfa_.rule_start();
  Fragment expression = alternatives();
  if (peek() == kSTokReserved) {
    take();
    std::string call = expect_text(kSTokCall);
    expect(kSTokElse);
    decl_.set_reserved_action(call);
  }
  Initialisations assigned = initialisations();
  if (peek() != '.') syntax_error();
  decl_.set_rule_initialisations(assigned);
  take();
  // A rejected head leaves no terminal of this rule to accept.
  nfa_.rule_end(std::move(expression), decl_.declaration_accepted() ? decl_.current_terminal() : nullptr);
}

// The alternatives of a rule up to the token that follows them. Nested
// groups are read with an explicit stack of frames, so the depth of
// nesting is bounded only by the parse stack limit.
Fragment Reader::alternatives() {
  std::vector<GroupFrame> frames(1);
  for (;;) {
    const int code = peek();
    if (code == kSTokStringName || code == kSTokSetName) {
      add_factor(frames.back(), primary());
      continue;
    }
    if (code == '{') {
      take();
      if (group_nesting_overflows(frames.size())) stack_overflow();
      frames.emplace_back();
      continue;
    }
    // Every other token ends a sequence, which needs one factor at least.
    if (!frames.back().has_sequence) syntax_error();
    end_sequence(frames.back());
    if (code == '|') {
      take();
      continue;
    }
    if (frames.size() == 1) return std::move(frames.back().alternatives);
    if (code != '}') syntax_error();
    take();
    Fragment group = std::move(frames.back().alternatives);
    frames.pop_back();
    add_factor(frames.back(), std::move(group));
  }
}

// A primary with its postfix operator joins the sequence being built.
void Reader::add_factor(GroupFrame& frame, Fragment primary) {
  nfa_.postfix(primary, operator_part());
  if (frame.has_sequence) {
    nfa_.sequence(frame.sequence, primary);
  } else {
    frame.sequence = std::move(primary);
    frame.has_sequence = true;
  }
}

void Reader::end_sequence(GroupFrame& frame) {
  if (frame.has_alternatives) {
    nfa_.alternative(frame.alternatives, frame.sequence);
  } else {
    frame.alternatives = std::move(frame.sequence);
    frame.has_alternatives = true;
  }
  frame.sequence = Fragment{};
  frame.has_sequence = false;
}

Fragment Reader::primary() {
  if (peek() == kSTokSetName) return nfa_.charset_primary(set_expression());
  const std::string name = take().text;
  const ScannerString* string = decl_.scanner_string_find(name);
  return nfa_.string_primary(name, string ? string->text : std::nullopt);
}

// set { (+|-|*) set }, evaluated from left to right.
StateSet Reader::set_expression() {
  StateSet value;
  evaluate_set(take().text, kSetFirst, value);
  while (peek() == '+' || peek() == '-' || peek() == '*') {
    const auto op = static_cast<SetOperator>(take().code);
    evaluate_set(expect_text(kSTokSetName), op, value);
  }
  return value;
}

// A set without ranges (message 51) ends the reading.
void Reader::evaluate_set(const std::string& name, SetOperator op, StateSet& value) {
  const CharacterSet* set = decl_.charset_find(name);
  if (!set || !nfa_.charset_expression(*set, op, value)) throw ReadStop{kReadFailed};
}

int Reader::operator_part() {
  switch (peek()) {
    case kSTokOption: take(); return kPostfixOption;
    case kSTokSeq: take(); return kPostfixSeq;
    case kSTokClos: take(); return kPostfixClos;
    default: return kPostfixNone;
  }
}

}  // namespace

int read_scanner_specification(SpecSource& source, ScannerDeclarations& declarations, Nfa& nfa) {
  return Reader(source, declarations, nfa).run();
}

}  // namespace zedra
