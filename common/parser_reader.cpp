#include "common/parser_reader.h"

#include <charconv>
#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/diagnostics.h"
#include "common/parser_declarations.h"
#include "common/parser_tokens.h"
#include "common/spec_source.h"

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

class Reader : private TokenCursor<ParserScanner, Token> {
 public:
  Reader(SpecSource& source, ParserDeclarations& declarations)
      : TokenCursor(declarations.diagnostics(), source),
        diagnostics_(declarations.diagnostics()),
        decl_(declarations) {}

  int run() {
    return run_reader([this] { specification(); });
  }

 private:
  std::string ident() { return expect_text(kTokIdent); }

  void specification();
  void section();
  Names name_list();
  LocatedNames located_names();
  void type_declaration();
  void constant_declaration();
  void action_declaration();
  void formal_group();
  void attribute_declaration();
  void rule_declaration();
  void locals_part();
  void root_clause();
  int operator_part();
  std::unique_ptr<Group> alternatives();
  bool continue_secondary(std::vector<GroupFrame>& frames, ItemList items);
  void close_group(std::vector<GroupFrame>& frames);
  Item action_call(std::string name);
  Argument argument();

  Diagnostics& diagnostics_;
  ParserDeclarations& decl_;
};

void Reader::specification() {
  if (peek() == kTokOptions) {
    take();
    Names names = name_list();
    expect('.');
    decl_.apply_options(names);
  }
  if (peek() == kTokDefinitions) {
    take();
    Names names = name_list();
    expect('.');
    decl_.add_definition_modules(names);
  }
  section();
  while (peek() != kTokEnd) section();
}

void Reader::section() {
  switch (peek()) {
    case kTokInclude: {
      take();
      LocatedNames names = located_names();
      expect('.');
      decl_.queue_includes(std::move(names));
      return;
    }
    case kTokTerminals: {
      take();
      LocatedNames names = located_names();
      expect('.');
      decl_.add_terminals(std::move(names));
      return;
    }
    case kTokTypes:
      take();
      do type_declaration();
      while (peek() == kTokIdent);
      return;
    case kTokConstants:
      take();
      do constant_declaration();
      while (peek() == kTokIdent);
      return;
    case kTokActions:
      take();
      do action_declaration();
      while (peek() == kTokIdent);
      return;
    case kTokAttributes:
      take();
      do attribute_declaration();
      while (peek() == kTokIdent);
      return;
    case kTokRules:
      take();
      do rule_declaration();
      while (peek() == kTokIdent);
      return;
    case kTokRoot:
      take();
      root_clause();
      return;
    default:
      syntax_error();
  }
}

Names Reader::name_list() {
  Names names{ident()};
  while (peek() == ',') {
    take();
    names.push_back(ident());
  }
  return names;
}

LocatedNames Reader::located_names() {
  LocatedNames names;
  for (;;) {
    std::string name = ident();
    names.push_back({std::move(name), diagnostics_.line()});
    if (peek() != ',') return names;
    take();
  }
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

void Reader::constant_declaration() {
  Names names = name_list();
  expect(':');
  std::string type_name = ident();
  expect('.');
  decl_.declare_constants(names, type_name);
}

void Reader::action_declaration() {
  decl_.declare_action(ident());
  expect('(');
  if (peek() != ')') {
    formal_group();
    while (peek() == ';') {
      take();
      formal_group();
    }
  }
  expect(')');
  expect('.');
}

void Reader::formal_group() {
  Direction direction = Direction::In;
  if (peek() == kTokOut)
    direction = Direction::Out;
  else if (peek() != kTokIn)
    syntax_error();
  take();
  Names names = name_list();
  expect(':');
  std::string type_name = ident();
  decl_.add_formals(direction, names, type_name);
}

void Reader::attribute_declaration() {
  std::string name = ident();
  expect(':');
  std::string type_name = ident();
  decl_.declare_attribute(name, type_name);
  int kind = peek();
  if (kind != kTokGlobal && kind != kTokInh && kind != kTokSyn) syntax_error();
  take();
  if (kind == kTokGlobal) {
    decl_.set_attribute_kind(AttributeKind::Global, {}, {});
  } else {
    expect(kTokOf);
    Names symbols = name_list();
    std::string default_action;
    if (kind == kTokSyn && peek() == kTokWith) {
      take();
      expect(kTokDefault);
      default_action = ident();
    }
    decl_.set_attribute_kind(kind == kTokInh ? AttributeKind::Inherited : AttributeKind::Synthesised,
                             symbols, std::move(default_action));
  }
  expect('.');
}

void Reader::rule_declaration() {
  decl_.declare_rule(ident());
  if (peek() == '(') locals_part();
  expect(':');
  std::unique_ptr<Group> body = alternatives();
  decl_.set_rule_body(std::move(body));
}

void Reader::locals_part() {
  take();
  expect(kTokLocal);
  for (;;) {
    Names names = name_list();
    expect(':');
    std::string type_name = ident();
    decl_.add_locals(names, type_name);
    if (peek() != ';') break;
    take();
  }
  expect(')');
}

void Reader::root_clause() {
  ItemList before;
  std::string start;
  int start_line = 0;
  for (;;) {
    std::string name = ident();
    int line = diagnostics_.line();
    if (peek() != '(') {
      start = std::move(name);
      start_line = line;
      break;
    }
    before.push_back(action_call(std::move(name)));
  }
  ItemList after;
  while (peek() == kTokIdent) after.push_back(action_call(take().text));
  expect('.');
  decl_.set_root(std::move(before), std::move(start), start_line, std::move(after));
}

int Reader::operator_part() {
  switch (peek()) {
    case kTokOption: take(); return 1;
    case kTokSeq: take(); return 2;
    case kTokClos: take(); return 3;
    default: return 0;
  }
}

// The alternatives of a rule body up to and including the closing ".".
// Nested groups are read with an explicit stack of frames, so the depth of
// nesting is bounded only by the parse stack limit.
std::unique_ptr<Group> Reader::alternatives() {
  std::vector<GroupFrame> frames(1);
  for (;;) {
    GroupFrame& frame = frames.back();
    switch (peek()) {
      case kTokIdent: {
        std::string name = take().text;
        int line = diagnostics_.line();
        if (peek() == '(') {
          frame.alternative.items.push_back(action_call(std::move(name)));
          break;
        }
        auto primary = make_name_primary(std::move(name), line);
        ItemList items;
        items.push_back(make_secondary(std::move(primary), operator_part()));
        continue_secondary(frames, std::move(items));
        break;
      }
      case '{':
        take();
        if (group_nesting_overflows(frames.size())) stack_overflow();
        frames.emplace_back();
        break;
      case '|':
        take();
        frame.group->alternatives.push_back(std::move(frame.alternative));
        frame.alternative = Alternative{};
        break;
      case '}':
        if (frames.size() == 1) syntax_error();
        take();
        close_group(frames);
        break;
      case '.':
        if (frames.size() > 1) syntax_error();
        take();
        frame.group->alternatives.push_back(std::move(frame.alternative));
        return std::move(frame.group);
      default:
        syntax_error();
    }
  }
}

// A nested group is complete: it becomes the primary of a new secondary, or
// the separator of the CHAIN that waits for it.
void Reader::close_group(std::vector<GroupFrame>& frames) {
  GroupFrame done = std::move(frames.back());
  frames.pop_back();
  done.group->alternatives.push_back(std::move(done.alternative));
  auto primary = make_group_primary(std::move(done.group));
  if (done.is_separator) {
    make_chain(done.chained, std::move(primary));
    continue_secondary(frames, std::move(done.chained));
    return;
  }
  ItemList items;
  items.push_back(make_secondary(std::move(primary), operator_part()));
  continue_secondary(frames, std::move(items));
}

// Applies the CHAIN, LIST and PACK operators that follow a secondary and
// appends its items to the alternative. Gives true when a group opened as a
// CHAIN separator, which takes the items along until it is closed.
bool Reader::continue_secondary(std::vector<GroupFrame>& frames, ItemList items) {
  for (;;) {
    switch (peek()) {
      case kTokChain: {
        take();
        if (peek() == '{') {
          take();
          if (group_nesting_overflows(frames.size())) stack_overflow();
          GroupFrame separator;
          separator.is_separator = true;
          separator.chained = std::move(items);
          frames.push_back(std::move(separator));
          return true;
        }
        std::string name = ident();
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
        return false;
    }
  }
}

Item Reader::action_call(std::string name) {
  expect('(');
  auto call = std::make_unique<ActionCall>();
  call->name = std::move(name);
  if (peek() != ')') {
    call->arguments.push_back(argument());
    while (peek() == ',') {
      take();
      call->arguments.push_back(argument());
    }
  }
  expect(')');
  call->line = diagnostics_.line();
  return make_call_item(std::move(call));
}

int instance_number(const std::string& digits) {
  int value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  (void)end;
  return error == std::errc() ? value : INT_MAX;
}

Argument Reader::argument() {
  Argument argument;
  if (peek() == kTokNumber || peek() == kTokString) {
    argument.kind = ArgumentKind::Literal;
    argument.name = take().text;
    return argument;
  }
  argument.name = ident();
  if (peek() != kTokOf) return argument;
  take();
  argument.symbol = ident();
  const Rule* rule = decl_.current_rule();
  argument.number = rule && rule->name == argument.symbol ? 0 : 1;
  if (peek() == '#') {
    take();
    if (peek() != kTokNumber) syntax_error();
    argument.number = instance_number(take().text);
  }
  return argument;
}

}  // namespace

int read_parser_specification(SpecSource& source, ParserDeclarations& declarations) {
  return Reader(source, declarations).run();
}

}  // namespace zedra
