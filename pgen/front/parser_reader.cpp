#include "front/parser_reader.h"

#include <charconv>
#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "diagnostics.h"
#include "front/parser_declarations.h"
#include "front/parser_tokens.h"
#include "spec_source.h"
#include "token_cursor.h"

namespace zedra {

namespace {

// A group being read, with the alternative being built in it. A group that
// is the separator of a CHAIN leaves the chained items with its parent.
struct GroupFrame {
  std::unique_ptr<Group> group = std::make_unique<Group>();
  Alternative alternative;
  bool is_separator = false;
  ItemList chained;  // the parent's items waiting for this separator
};

// Tokens are scanned only when the grammar needs to look at them, so a
// declaration completed by its last token is made before the next token is
// read (and echoed).
class Reader : private TokenCursor<ParserScanner, Token, kTokIdent> {
 public:
  Reader(SpecSource& source, ParserDeclarations& declarations)
      : TokenCursor(declarations.diagnostics(), source),
        diagnostics_(declarations.diagnostics()),
        decl_(declarations) {}

  ReadResult run() { return read_result(specification()); }

 private:
  // Each production gives false when reading must end.
  bool specification();
  bool section();
  template <class Declaration>
  bool declarations(Declaration declaration);
  bool located_names(LocatedNames& names);
  bool type_declaration();
  bool constant_declaration();
  bool action_declaration();
  bool formal_group();
  bool attribute_declaration();
  bool rule_declaration();
  bool locals_part();
  bool root_clause();
  SecondaryKind operator_part();
  bool alternatives(std::unique_ptr<Group>& body);
  bool continue_secondary(std::vector<GroupFrame>& frames, ItemList items);
  bool close_group(std::vector<GroupFrame>& frames);
  bool action_call(std::string name, Item& item);
  bool argument(Argument& argument);

  Diagnostics& diagnostics_;
  ParserDeclarations& decl_;
  // While the ROOT clause is read, ROOT is the rule being defined.
  bool in_root_clause_ = false;
};

// specification : { 'OPTIONS' name_list '.' } OPTION
//                 { 'DEFINITIONS' name_list '.' } OPTION section SEQ .
bool Reader::specification() {
  if (at(kTokOptions)) {
    take();
    Names names;
    if (!name_list(names) || !expect('.')) return false;
    decl_.apply_options(names);
  }
  if (at(kTokDefinitions)) {
    take();
    Names names;
    if (!name_list(names) || !expect('.')) return false;
    decl_.add_definition_modules(names);
  }
  do
    if (!section()) return false;
  while (!at(kTokEnd));
  return true;
}

// section : 'INCLUDE' located_names '.' | 'TERMINALS' located_names '.'
//         | 'TYPES' type_declaration SEQ | 'CONSTANTS' constant_declaration SEQ
//         | 'ACTIONS' action_declaration SEQ | 'ATTRIBUTES' attribute_declaration SEQ
//         | 'RULES' rule_declaration SEQ | 'ROOT' root_clause .
bool Reader::section() {
  begin_declaration();
  switch (peek_among({kTokInclude, kTokTerminals, kTokTypes, kTokConstants, kTokActions, kTokAttributes,
                      kTokRules, kTokRoot})) {
    case kTokInclude: {
      take();
      LocatedNames names;
      if (!located_names(names) || !expect('.')) return false;
      decl_.queue_includes(std::move(names));
      return true;
    }
    case kTokTerminals: {
      take();
      LocatedNames names;
      if (!located_names(names) || !expect('.')) return false;
      decl_.add_terminals(std::move(names));
      return true;
    }
    case kTokTypes:
      return declarations([this] { return type_declaration(); });
    case kTokConstants:
      return declarations([this] { return constant_declaration(); });
    case kTokActions:
      return declarations([this] { return action_declaration(); });
    case kTokAttributes:
      return declarations([this] { return attribute_declaration(); });
    case kTokRules:
      enter_rules();
      return declarations([this] { return rule_declaration(); });
    case kTokRoot:
      take();
      return root_clause();
    default:
      return syntax_error();
  }
}

// declarations : section_keyword declaration SEQ .
// Every declaration starts with an identifier.
template <class Declaration>
bool Reader::declarations(Declaration declaration) {
  take();
  do {
    begin_declaration();
    if (!declaration()) return false;
  } while (at(kTokIdent));
  return true;
}

// located_names : IDENT CHAIN ',' .
// Each name keeps the line it was written on.
bool Reader::located_names(LocatedNames& names) {
  for (;;) {
    std::string name;
    if (!ident(name)) return false;
    names.push_back({std::move(name), diagnostics_.line()});
    if (!at(',')) return true;
    take();
  }
}

// type_declaration : IDENT { '=' '(' name_list ')' } OPTION '.' .
bool Reader::type_declaration() { return TokenCursor::type_declaration(decl_); }

// constant_declaration : name_list ':' IDENT '.' .
bool Reader::constant_declaration() {
  Names names;
  std::string type_name;
  if (!name_list(names) || !expect(':') || !ident(type_name) || !expect('.')) return false;
  decl_.declare_constants(names, type_name);
  return true;
}

// action_declaration : IDENT '(' { formal_group CHAIN ';' } OPTION ')' '.' .
// The action is declared before its parameters are read.
bool Reader::action_declaration() {
  std::string name;
  if (!ident(name)) return false;
  decl_.declare_action(name);
  if (!expect('(')) return false;
  if (!at(')')) {
    if (!formal_group()) return false;
    while (at(';')) {
      take();
      if (!formal_group()) return false;
    }
  }
  return expect(')') && expect('.');
}

// formal_group : { 'IN' | 'OUT' } name_list ':' IDENT .
bool Reader::formal_group() {
  Direction direction = Direction::In;
  if (peek_among({kTokIn, kTokOut}) == kTokOut)
    direction = Direction::Out;
  else if (peek() != kTokIn)
    return syntax_error();
  take();
  Names names;
  std::string type_name;
  if (!name_list(names) || !expect(':') || !ident(type_name)) return false;
  decl_.add_formals(direction, names, type_name);
  return true;
}

// attribute_declaration : IDENT ':' IDENT
//     { 'GLOBAL' | 'INH' 'OF' name_list | 'SYN' 'OF' name_list { 'WITH' 'DEFAULT' IDENT } OPTION }
//     '.' .
// The attribute is declared before its kind is read.
bool Reader::attribute_declaration() {
  std::string name;
  std::string type_name;
  if (!ident(name) || !expect(':') || !ident(type_name)) return false;
  decl_.declare_attribute(name, type_name);
  int kind = peek_among({kTokGlobal, kTokInh, kTokSyn});
  if (kind != kTokGlobal && kind != kTokInh && kind != kTokSyn) return syntax_error();
  take();
  if (kind == kTokGlobal) {
    decl_.set_attribute_kind(AttributeKind::Global, {}, {});
  } else {
    Names symbols;
    if (!expect(kTokOf) || !name_list(symbols)) return false;
    std::string default_action;
    if (kind == kTokSyn && at(kTokWith)) {
      take();
      if (!expect(kTokDefault) || !ident(default_action)) return false;
    }
    decl_.set_attribute_kind(kind == kTokInh ? AttributeKind::Inherited : AttributeKind::Synthesised,
                             symbols, std::move(default_action));
  }
  return expect('.');
}

// rule_declaration : IDENT locals_part OPTION ':' alternatives .
// The rule is declared before its locals and its body are read.
bool Reader::rule_declaration() {
  std::string name;
  if (!ident(name)) return false;
  decl_.declare_rule(name);
  if (at('(') && !locals_part()) return false;
  std::unique_ptr<Group> body;
  if (!expect(':') || !alternatives(body)) return false;
  decl_.set_rule_body(std::move(body));
  return true;
}

// locals_part : '(' 'LOCAL' { name_list ':' IDENT } CHAIN ';' ')' .
bool Reader::locals_part() {
  take();
  if (!expect(kTokLocal)) return false;
  for (;;) {
    Names names;
    std::string type_name;
    if (!name_list(names) || !expect(':') || !ident(type_name)) return false;
    decl_.add_locals(names, type_name);
    if (!at(';')) break;
    take();
  }
  return expect(')');
}

// root_clause : action_call CLOS IDENT action_call CLOS '.' .
// Read after 'ROOT': the calls before the start symbol, the start symbol
// and the calls after it.
bool Reader::root_clause() {
  in_root_clause_ = true;
  ItemList before;
  std::string start;
  int start_line = 0;
  for (;;) {
    std::string name;
    if (!ident(name)) return false;
    int line = diagnostics_.line();
    if (!at('(')) {
      start = std::move(name);
      start_line = line;
      break;
    }
    if (!action_call(std::move(name), before.emplace_back())) return false;
  }
  ItemList after;
  while (at(kTokIdent))
    if (!action_call(take().text, after.emplace_back())) return false;
  if (!expect('.')) return false;
  in_root_clause_ = false;
  decl_.set_root(std::move(before), std::move(start), start_line, std::move(after));
  return true;
}

// operator_part : { 'OPTION' | 'SEQ' | 'CLOS' } OPTION .
SecondaryKind Reader::operator_part() {
  switch (peek_among({kTokOption, kTokSeq, kTokClos})) {
    case kTokOption: take(); return SecondaryKind::Option;
    case kTokSeq: take(); return SecondaryKind::Seq;
    case kTokClos: take(); return SecondaryKind::Clos;
    default: return SecondaryKind::Plain;
  }
}

// alternatives : alternative CHAIN '|' '.' .
// alternative  : { secondary | action_call } CLOS .
// primary      : IDENT | '{' alternative CHAIN '|' '}' .
// The alternatives of a rule body up to and including the closing ".".
// Nested groups are read with an explicit stack of frames, so the depth of
// nesting is bounded only by the parse stack limit.
bool Reader::alternatives(std::unique_ptr<Group>& body) {
  std::vector<GroupFrame> frames(1);
  for (;;) {
    GroupFrame& frame = frames.back();
    const int closing = frames.size() > 1 ? '}' : '.';
    switch (peek_among({kTokIdent, '{', '|', closing})) {
      case kTokIdent: {
        std::string name = take().text;
        int line = diagnostics_.line();
        if (at('(')) {
          if (!action_call(std::move(name), frame.alternative.items.emplace_back())) return false;
          break;
        }
        auto primary = make_name_primary(std::move(name), line);
        ItemList items;
        items.push_back(make_secondary(std::move(primary), operator_part()));
        if (!continue_secondary(frames, std::move(items))) return false;
        break;
      }
      case '{':
        if (!check_stack(frames.size())) return false;
        take();
        frames.emplace_back();
        break;
      case '|':
        take();
        frame.group->alternatives.push_back(std::move(frame.alternative));
        frame.alternative = Alternative{};
        break;
      case '}':
        if (frames.size() == 1) return syntax_error();
        take();
        if (!close_group(frames)) return false;
        break;
      case '.':
        if (frames.size() > 1) return syntax_error();
        take();
        frame.group->alternatives.push_back(std::move(frame.alternative));
        body = std::move(frame.group);
        return true;
      default:
        // A quoted text is an action's argument only.
        return syntax_error(peek() == kTokString
            ? "a rule writes a terminal by its name, as TERMINALS or the scanner declare it, not by its text"
            : "");
    }
  }
}

// primary : '{' alternative CHAIN '|' '}' .
// At the closing '}': the nested group is complete. It becomes the primary
// of a new secondary, or the separator of the CHAIN that waits for it.
bool Reader::close_group(std::vector<GroupFrame>& frames) {
  GroupFrame done = std::move(frames.back());
  frames.pop_back();
  done.group->alternatives.push_back(std::move(done.alternative));
  auto primary = make_group_primary(std::move(done.group));
  if (done.is_separator) {
    make_chain(done.chained, std::move(primary));
    return continue_secondary(frames, std::move(done.chained));
  }
  ItemList items;
  items.push_back(make_secondary(std::move(primary), operator_part()));
  return continue_secondary(frames, std::move(items));
}

// secondary : primary operator_part
//             { 'CHAIN' primary | 'LIST' operator_part | 'PACK' operator_part } CLOS .
// From the first CHAIN, LIST or PACK on: applies the operators that follow
// the primary and its operator_part, and appends the items to the
// alternative. A group that opens as a CHAIN separator takes the items
// along until it is closed.
bool Reader::continue_secondary(std::vector<GroupFrame>& frames, ItemList items) {
  for (;;) {
    switch (peek_among({kTokChain, kTokList, kTokPack})) {
      case kTokChain: {
        take();
        if (at('{')) {
          if (!check_stack(frames.size())) return false;
          take();
          GroupFrame separator;
          separator.is_separator = true;
          separator.chained = std::move(items);
          frames.push_back(std::move(separator));
          return true;
        }
        std::string name;
        if (!ident(name)) return false;
        make_chain(items, make_name_primary(std::move(name), diagnostics_.line()));
        break;
      }
      case kTokList: {
        take();
        int line = diagnostics_.line();
        make_list(items, operator_part(), line);
        break;
      }
      case kTokPack: {
        take();
        int line = diagnostics_.line();
        make_pack(items, operator_part(), line);
        break;
      }
      default:
        for (Item& item : items) frames.back().alternative.items.push_back(std::move(item));
        return true;
    }
  }
}

// action_call : IDENT '(' { argument CHAIN ',' } OPTION ')' .
// `name` is the IDENT, which the caller has read.
bool Reader::action_call(std::string name, Item& item) {
  if (!expect('(')) return false;
  auto call = std::make_unique<ActionCall>();
  call->name = std::move(name);
  if (!at(')')) {
    if (!argument(call->arguments.emplace_back())) return false;
    while (at(',')) {
      take();
      if (!argument(call->arguments.emplace_back())) return false;
    }
  }
  if (!expect(')')) return false;
  call->line = diagnostics_.line();
  item = make_call_item(std::move(call));
  return true;
}

int instance_number(const std::string& digits) {
  int value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  (void)end;
  return error == std::errc() ? value : INT_MAX;
}

// argument : NUMBER | STRING | IDENT { 'OF' IDENT { '#' NUMBER } OPTION } OPTION .
bool Reader::argument(Argument& argument) {
  if (at(kTokNumber) || at(kTokString)) {
    argument.kind = ArgumentKind::Literal;
    argument.name = take().text;
    return true;
  }
  if (!ident(argument.name)) return false;
  if (!at(kTokOf)) return true;
  take();
  if (!ident(argument.symbol)) return false;
  // Without a number, the rule being defined names its own instance (0) and
  // every other symbol its first occurrence; in the ROOT clause that holds
  // for the last rule declared too.
  const Rule* rule = in_root_clause_ ? &decl_.root() : decl_.current_rule();
  argument.number = rule && rule->name == argument.symbol ? 0 : 1;
  if (at('#')) {
    take();
    if (!at(kTokNumber)) return syntax_error();
    argument.number = instance_number(take().text);
  }
  return true;
}

}  // namespace

ReadResult read_parser_specification(SpecSource& source, ParserDeclarations& declarations) {
  return Reader(source, declarations).run();
}

}  // namespace zedra
