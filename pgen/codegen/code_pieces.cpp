// The pieces of generated parser code that do not depend on the shape of a
// rule: token lists, skips, conditions, occurrence variables, default values
// of attributes and action calls.
#include "front/parser_declarations.h"
#include "codegen/parser_writer.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace zedra {

ParserWriter::ParserWriter(CodeWriter& code, const ParserDeclarations& declarations,
                           bool error_recovery, bool fast)
    : code_(code), declarations_(declarations), error_recovery_(error_recovery), bits_(false),
      wide_words_(0) {
  for (const DeclarationLayer* layer : {&declarations.own, &declarations.imported}) {
    for (const LocatedName& terminal : layer->terminals) all_terminals_.add(terminal.name);
    for (const auto& attribute : layer->attributes)
      for (const AssociatedSymbol& symbol : attribute->symbols) attributed_symbols_.insert(symbol.name);
  }
  const std::size_t tokens = token_count();
  bits_ = fast;
  if (bits_ && tokens > kMostBits) wide_words_ = (tokens + kMostBits - 1) / kMostBits;
}

bool ParserWriter::has_attributes(const std::string& symbol) const {
  return attributed_symbols_.count(symbol) != 0;
}

void ParserWriter::token_list(std::string_view head, const NameList& set) {
  const std::size_t first = head.find_last_of("(, ") + 1;  // 0 when not found
  if (first > 0) code_.emit_text(head.substr(0, first));
  code_.push_indent();
  code_.emit_text(head.substr(first));
  std::string piece;
  for (const std::string& token : set) {
    piece.assign(", ").append(token);
    code_.emit_text(piece);
  }
  code_.emit(", -1");
  code_.pop_indent();
}

void ParserWriter::token_bits(std::string_view head, const NameList& set, bool first_bare) {
  const std::size_t first = head.find_last_of("(, ") + 1;  // 0 when not found
  if (first > 0) code_.emit_text(head.substr(0, first));
  code_.push_indent();
  code_.emit_text(head.substr(first));
  bool bare = first_bare;
  std::string piece;
  for (const std::string& token : set) {
    piece.assign(bare ? "i_bit(" : " | i_bit(").append(token).append(")");
    code_.emit_text(piece);
    bare = false;
  }
  code_.pop_indent();
}

void ParserWriter::wide_set(const NameList& set) {
  if (lists_sets()) {
    code_.emit("i_wsets[%zu]", listed_set(set));
    return;
  }
  // Lines break between the pieces: a word's separator goes with its
  // first token, the closing braces with the last.
  std::vector<std::string> pieces;
  for (std::size_t word = 0; word < wide_words_; word++) {
    std::string separator = word > 0 ? ", " : "";
    if (set.empty()) pieces.push_back(separator + "0");
    for (const std::string& token : set) {
      pieces.push_back(separator + "i_wbit(" + token + ", " + std::to_string(word) + ")");
      separator = " | ";
    }
  }
  pieces.front().insert(0, "(i_wide_bits){{");
  pieces.back() += "}}";
  for (const std::string& piece : pieces) code_.emit("%s", piece.c_str());
}

// Equal sets share one entry, whatever the order of their tokens. A list
// gives every name at the one address the table of names keeps it at, so
// the sorted addresses tell equal sets apart without comparing texts (a
// grammar with thousands of tokens asks for thousands of such sets).
std::size_t ParserWriter::listed_set(const NameList& set) {
  std::vector<const std::string*> names;
  names.reserve(set.size());
  for (const std::string& token : set) names.push_back(&token);
  std::sort(names.begin(), names.end(), std::less<const std::string*>());
  std::string key(names.size() * sizeof(const std::string*), '\0');
  if (!names.empty()) std::memcpy(key.data(), names.data(), key.size());
  auto [entry, added] = listed_index_.try_emplace(std::move(key), listed_sets_.size());
  if (added) listed_sets_.emplace_back(set.begin(), set.end());
  return entry->second;
}

void ParserWriter::markers_with(std::string_view head, const NameList& set) {
  if (wide_words_ == 0) {
    token_bits(std::string(head) + "i_markers", set);
    return;
  }
  code_.emit_text(head);
  if (lists_sets()) {
    code_.emit("&i_markers, &i_wsets[%zu]", listed_set(set));
    return;
  }
  if (set.empty()) {
    code_.emit("i_markers");
    return;
  }
  code_.push_indent();
  code_.emit("i_wider(i_markers, ");
  wide_set(set);
  code_.emit(")");
  code_.pop_indent();
}

void ParserWriter::skip(const NameList& context, const NameList& target) {
  if (!error_recovery_ || context.is_subset_of(target)) return;
  if (bits_)
    markers_with(lists_sets() ? "i_delete_listed(" : wide_words_ ? "i_delete_wide(" : "i_delete_bits(", target);
  else
    token_list("i_delete_until(i_markers", target);
  code_.line(");");
}

void ParserWriter::condition(const char* keyword, const NameList& set, const std::string* rule_name) {
  code_.emit_text(keyword);
  if (set.empty()) {
    code_.emit("false");
    if (rule_name) code_.emit("/* %s: i_look_ahead == [ ] */", rule_name->c_str());
  } else if (set.size() == 1) {
    code_.emit("i_look_ahead == %s", set.front().c_str());
  } else if (bits_ && wide_words_) {
    code_.emit_text("i_in_wide(i_look_ahead, ");
    code_.push_indent();
    wide_set(set);
    code_.pop_indent();
    code_.emit(")");
  } else if (bits_) {
    token_bits("i_in_bits(i_look_ahead, ", set, true);
    code_.emit(")");
  } else {
    token_list("i_in_set(i_look_ahead", set);
    code_.emit(")");
  }
  code_.open_block(") {");
}

void ParserWriter::occurrence_variables(const Group& group) {
  for (const Alternative& alternative : group.alternatives)
    for (const Item& item : alternative.items)
      if (!item.is_call()) occurrence_variables(*item.secondary);
}

// From the outermost secondary inwards, as the occurrences were numbered.
void ParserWriter::occurrence_variables(const Secondary& secondary) {
  for (const Secondary* at = &secondary; at; at = at->operand.get()) {
    if (!at->primary) continue;
    const Primary& primary = *at->primary;
    if (primary.kind == PrimaryKind::Group) {
      occurrence_variables(*primary.group);
    } else if (has_attributes(primary.name)) {
      code_.emit("t_%s", primary.name.c_str());
      code_.emit(" ");
      code_.numbered_name('v', primary.name, primary.number);
      code_.line(";");
    }
  }
}

// The specification's own synthesised attributes have their default action
// (the declaration checks insist on it); imported ones and those without
// fall back to the default procedure of their type.
void ParserWriter::default_values(const std::string& symbol, int number) {
  for (const DeclarationLayer* layer : {&declarations_.own, &declarations_.imported})
    for (const auto& attribute : layer->attributes) {
      if (attribute->kind != AttributeKind::Synthesised || !attribute->is_associated_with(symbol))
        continue;
      if (!attribute->default_action_name.empty())
        code_.emit("%s(&", attribute->default_action_name.c_str());
      else
        code_.emit("i_%s(&", attribute->type_name.c_str());
      code_.attribute('v', symbol, *attribute->name, number);
      code_.line(");");
    }
}

void ParserWriter::action_call(const ActionCall& call) {
  code_.emit("%s(", call.name.c_str());
  code_.push_indent();
  bool first = true;
  for (const Argument& each : call.arguments) {
    if (!first) code_.emit(", ");
    first = false;
    argument(each);
  }
  code_.line(");");
  code_.pop_indent();
}

void ParserWriter::argument(const Argument& argument) {
  const char* address = argument.formal && argument.formal->direction == Direction::Out ? "&" : "";
  if (argument.kind == ArgumentKind::Attribute && argument.has_symbol()) {
    if (*address) code_.emit_text(address);
    code_.attribute('v', argument.symbol, argument.name, argument.number);
  } else {
    code_.emit("%s%s", address, argument.name.c_str());
  }
}

}  // namespace zedra
