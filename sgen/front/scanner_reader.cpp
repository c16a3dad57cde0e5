#include "front/scanner_reader.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "diagnostics.h"
#include "front/scanner_tokens.h"
#include "spec_source.h"
#include "token_cursor.h"
#include "front/scanner_declarations.h"
#include "nfa/nfa_construction.h"

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
class Reader : private TokenCursor<ScannerScanner, ScannerToken, kSTokIdent> {
 public:
  Reader(SpecSource& source, ScannerDeclarations& declarations, Nfa& nfa)
      : TokenCursor(declarations.diagnostics(), declarations.diagnostics(), source,
                    [&declarations](std::string_view name) { return classify(declarations, name); }),
        diagnostics_(declarations.diagnostics()),
        decl_(declarations),
        nfa_(nfa) {}

  ReadResult run() { return read_result(specification()); }

 private:
  // Each production gives false when reading must end.
  bool specification();
  bool section();
  bool type_declaration();
  bool conversion_declaration();
  bool attribute_declaration();
  bool symbol_declaration();
  bool string_declaration();
  bool charset_declaration();
  bool range();
  bool initialisations(Initialisations& assigned);
  bool scanner_rule();
  bool alternatives(Fragment& expression);
  void add_factor(GroupFrame& frame, Fragment primary);
  void end_sequence(GroupFrame& frame);
  bool primary(Fragment& result);
  bool set_expression(StateSet& value);
  bool evaluate_set(const std::string& name, SetOperator op, StateSet& value);
  PostfixOperator operator_part();
  bool rule_syntax_error();

  Diagnostics& diagnostics_;
  ScannerDeclarations& decl_;
  Nfa& nfa_;
};

// The keywords that begin a section before RULES.
constexpr std::initializer_list<int> kSectionKeywords{kSTokTypes,    kSTokActions,  kSTokAttributes, kSTokSymbols,
                                                      kSTokKeywords, kSTokCharsets, kSTokStrings};

bool starts_section(int code) {
  return std::find(kSectionKeywords.begin(), kSectionKeywords.end(), code) != kSectionKeywords.end();
}

// specification : { 'OPTIONS' name_list '.' } OPTION { 'DEFINITIONS' name_list '.' } OPTION
//                 section SEQ 'RULES' scanner_rule SEQ .
bool Reader::specification() {
  if (at(kSTokOptions)) {
    take();
    Names names;
    if (!name_list(names) || !expect('.')) return false;
    decl_.apply_options(names);
  }
  if (at(kSTokDefinitions)) {
    take();
    Names names;
    if (!name_list(names) || !expect('.')) return false;
    decl_.add_definition_modules(names);
  }
  if (!starts_section(peek_among(kSectionKeywords))) return syntax_error();
  do
    if (!section()) return false;
  while (starts_section(peek_among(kSectionKeywords)));
  if (!expect(kSTokRules)) return false;
  enter_rules();
  do {
    begin_declaration();
    if (!scanner_rule()) return false;
  } while (at(kSTokIdent));
  if (!at(kSTokEnd)) return syntax_error();
  return true;
}

// section : 'TYPES' type_declaration SEQ | 'ACTIONS' conversion_declaration SEQ
//         | 'ATTRIBUTES' attribute_declaration SEQ | 'SYMBOLS' symbol_declaration SEQ
//         | 'KEYWORDS' symbol_declaration SEQ | 'CHARSETS' charset_declaration SEQ
//         | 'STRINGS' string_declaration SEQ .
bool Reader::section() {
  const int keyword = peek_among(kSectionKeywords);
  bool (Reader::*declaration)() = nullptr;
  switch (keyword) {
    case kSTokTypes: declaration = &Reader::type_declaration; break;
    case kSTokActions: declaration = &Reader::conversion_declaration; break;
    case kSTokAttributes: declaration = &Reader::attribute_declaration; break;
    case kSTokSymbols:
    case kSTokKeywords: declaration = &Reader::symbol_declaration; break;
    case kSTokCharsets: declaration = &Reader::charset_declaration; break;
    case kSTokStrings: declaration = &Reader::string_declaration; break;
    default: return syntax_error();
  }
  take();
  if (keyword == kSTokSymbols) decl_.begin_symbol_section(SymbolSection::Symbols);
  if (keyword == kSTokKeywords) decl_.begin_symbol_section(SymbolSection::Keywords);
  do {
    begin_declaration();
    if (!(this->*declaration)()) return false;
  } while (at(kSTokIdent));
  return true;
}

// type_declaration : IDENT { '=' '(' name_list ')' } OPTION '.' .
bool Reader::type_declaration() { return TokenCursor::type_declaration(decl_); }

// conversion_declaration : IDENT ':' IDENT '.' .
bool Reader::conversion_declaration() {
  std::string name;
  std::string type_name;
  if (!ident(name) || !expect(':') || !ident(type_name) || !expect('.')) return false;
  decl_.declare_conversion(name, type_name);
  return true;
}

// attribute_declaration : IDENT ':' IDENT 'SYN' 'OF' name_list
//                         { 'WITH' 'DEFAULT' IDENT } OPTION '.' .
// The attribute is declared before its terminals are read.
bool Reader::attribute_declaration() {
  std::string name;
  std::string type_name;
  if (!ident(name) || !expect(':') || !ident(type_name)) return false;
  decl_.declare_attribute(name, type_name);
  Names terminals;
  if (!expect(kSTokSyn) || !expect(kSTokOf) || !name_list(terminals)) return false;
  std::string default_action;
  if (at(kSTokWith)) {
    take();
    if (!expect(kSTokDefault) || !ident(default_action)) return false;
  }
  if (!expect('.')) return false;
  decl_.set_attribute_terminals(terminals, default_action);
  return true;
}

// symbol_declaration : IDENT ':' TEXT initialisations { '|' TEXT initialisations } CLOS '.' .
// A representation is added once the token after it has been read.
bool Reader::symbol_declaration() {
  std::string name;
  if (!ident(name) || !expect(':')) return false;
  decl_.declare_symbol(name);
  for (;;) {
    std::string text;
    Initialisations assigned;
    if (!expect_text(kSTokText, text) || !initialisations(assigned)) return false;
    if (Terminal* terminal = decl_.add_representation(text, assigned)) nfa_.literal(text, terminal);
    if (!at('|')) break;
    take();
  }
  return expect('.');
}

// string_declaration : IDENT ':' LITERAL '.' .
bool Reader::string_declaration() {
  std::string name;
  std::string text;
  if (!ident(name) || !expect(':') || !expect_text(kSTokLiteral, text) || !expect('.')) return false;
  decl_.declare_string(name, text);
  return true;
}

// charset_declaration : IDENT ':' '[' range { ',' range } CLOS ']' '.' .
// The set is declared before its ranges are read.
bool Reader::charset_declaration() {
  std::string name;
  if (!ident(name)) return false;
  decl_.declare_charset(name);
  if (!expect(':') || !expect('[') || !range()) return false;
  while (at(',')) {
    take();
    if (!range()) return false;
  }
  return expect(']') && expect('.');
}

// range : CHAR { RANGE CHAR } OPTION .
// A single character is added once the token after it has been read; a
// range as soon as its second character has been read.
bool Reader::range() {
  if (!at(kSTokChar)) return syntax_error();
  const int low = take().value;
  int high = low;
  if (at(kSTokRange)) {
    take();
    if (!at(kSTokChar)) return syntax_error();
    high = take().value;
  }
  decl_.add_charset_range(low, high);
  return true;
}

// initialisations : { IDENT '=' { IDENT | CALL }
//                     { ',' IDENT '=' { IDENT | CALL } } CLOS } OPTION .
// Each value is a type value (IDENT) or a call of a conversion action.
bool Reader::initialisations(Initialisations& assigned) {
  if (!at(kSTokIdent)) return true;
  for (;;) {
    std::string attribute;
    if (!ident(attribute) || !expect('=')) return false;
    if (!at(kSTokIdent) && !at(kSTokCall)) return syntax_error();
    std::string value = take().text;
    assigned.push_back({std::move(attribute), std::move(value), diagnostics_.line()});
    if (!at(',')) return true;
    take();
  }
}

// scanner_rule : IDENT ':' { { 'SKIP' | 'VERIFY' } ':' } OPTION alternatives
//                { 'RESERVED' CALL 'ELSE' } OPTION initialisations '.' .
bool Reader::scanner_rule() {
  std::string name;
  if (!ident(name) || !expect(':')) return false;
  TerminalKind kind = TerminalKind::Plain;
  if (at(kSTokSkip) || at(kSTokVerify)) {
    kind = take().code == kSTokSkip ? TerminalKind::Skip : TerminalKind::Verify;
    if (!expect(':')) return false;
  }
  decl_.declare_rule(name, kind);
  nfa_.rule_start();
  Fragment expression;
  if (!alternatives(expression)) return false;
  if (at(kSTokReserved)) {
    take();
    std::string call;
    if (!expect_text(kSTokCall, call) || !expect(kSTokElse)) return false;
    decl_.set_reserved_action(call);
  }
  Initialisations assigned;
  if (!initialisations(assigned)) return false;
  if (!at('.')) return rule_syntax_error();
  decl_.set_rule_initialisations(assigned);
  take();
  // A rejected head leaves no terminal of this rule to accept.
  nfa_.rule_end(std::move(expression), decl_.declaration_accepted() ? decl_.current_terminal() : nullptr);
  return true;
}

// alternatives : sequence { '|' sequence } CLOS .
// sequence     : factor SEQ .
// primary      : STRING_NAME | set_expression | '{' alternatives '}' .
// The alternatives of a rule up to the token that follows them. Nested
// groups are read with an explicit stack of frames, so the depth of
// nesting is bounded only by the parse stack limit.
bool Reader::alternatives(Fragment& expression) {
  std::vector<GroupFrame> frames(1);
  for (;;) {
    const int code = peek_among({kSTokStringName, kSTokSetName, '{'});
    if (code == kSTokStringName || code == kSTokSetName) {
      Fragment factor;
      if (!primary(factor)) return false;
      add_factor(frames.back(), std::move(factor));
      continue;
    }
    if (code == '{') {
      if (!check_stack(frames.size())) return false;
      take();
      frames.emplace_back();
      continue;
    }
    // Every other token ends a sequence, which needs one factor at least.
    if (!frames.back().has_sequence) return rule_syntax_error();
    end_sequence(frames.back());
    if (at('|')) {
      take();
      continue;
    }
    if (frames.size() == 1) {
      expression = std::move(frames.back().alternatives);
      return true;
    }
    if (!at('}')) return rule_syntax_error();
    take();
    Fragment group = std::move(frames.back().alternatives);
    frames.pop_back();
    add_factor(frames.back(), std::move(group));
  }
}

// A syntax error inside a rule: a quoted text there is meant as a string,
// which a rule writes by its name.
bool Reader::rule_syntax_error() {
  return syntax_error(peek() == kSTokLiteral
      ? "a rule writes a string by its name: declare it under STRINGS, as name : \"text\" ."
      : "");
}

// factor : primary operator_part .
// Called once the primary has been read; the factor joins the sequence
// being built.
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

// primary : STRING_NAME | set_expression .
// The group in braces, the third form, is read by `alternatives`.
bool Reader::primary(Fragment& result) {
  if (peek() == kSTokSetName) {
    StateSet value;
    if (!set_expression(value)) return false;
    result = nfa_.charset_primary(value);
    return true;
  }
  const std::string name = take().text;
  const ScannerString* string = decl_.scanner_string_find(name);
  result = nfa_.string_primary(name, string ? string->text : std::nullopt);
  return true;
}

// set_expression : SET_NAME { { '+' | '-' | '*' } SET_NAME } CLOS .
// Evaluated from left to right.
bool Reader::set_expression(StateSet& value) {
  if (!evaluate_set(take().text, kSetFirst, value)) return false;
  while (at('+') || at('-') || at('*')) {
    const auto op = static_cast<SetOperator>(take().code);
    std::string name;
    if (!expect_text(kSTokSetName, name) || !evaluate_set(name, op, value)) return false;
  }
  return true;
}

// A set without ranges (Msg::CharacterSetWithoutRange) ends the reading.
bool Reader::evaluate_set(const std::string& name, SetOperator op, StateSet& value) {
  const CharacterSet* set = decl_.charset_find(name);
  if (!set || !nfa_.charset_expression(*set, op, value)) return stop(kReadFailed);
  return true;
}

// operator_part : { 'OPTION' | 'SEQ' | 'CLOS' } OPTION .
PostfixOperator Reader::operator_part() {
  switch (peek_among({kSTokOption, kSTokSeq, kSTokClos})) {
    case kSTokOption: take(); return kPostfixOption;
    case kSTokSeq: take(); return kPostfixSeq;
    case kSTokClos: take(); return kPostfixClos;
    default: return kPostfixNone;
  }
}

}  // namespace

ReadResult read_scanner_specification(SpecSource& source, ScannerDeclarations& declarations,
                                      Nfa& nfa) {
  return Reader(source, declarations, nfa).run();
}

}  // namespace zedra
