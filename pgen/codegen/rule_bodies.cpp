// The code of rule bodies: groups become chains of if statements over the
// alternatives' director sets, secondaries become optional parts and loops,
// primaries become token tests and calls of rule procedures.
//
// Two sets travel down the walk: the context (what the current token is
// known to belong to) and the markers (the tokens at which the parse can
// resume inside the rule). A skip is written only where the context does
// not already guarantee a token the code can go on with.
#include "codegen/parser_writer.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace zedra {

namespace {

const NameList& first_of(const Item& item) { return item.secondary->first; }

NameList plus(const NameList& set, const std::string& name) {
  NameList result;
  result.copy_from(set);
  result.add(name);
  return result;
}

// For each item of `list` from `from` on, the names of the FIRST sets of
// the secondary items behind it, in the order they follow (the first
// appearance of a name counts): what the item's markers add to the
// alternative's. Made from the last item back, so that a long alternative
// costs time in its length, not in its square; the items before `from`
// need no markers, so nothing is gathered for them.
std::vector<std::vector<NameList::Entry>> firsts_behind(const ItemList& list, std::size_t from) {
  std::vector<std::vector<NameList::Entry>> behind(list.size());
  std::vector<NameList::Entry> names;
  for (std::size_t i = list.size(); i-- > from;) {
    behind[i] = names;
    if (i == from || list[i].is_call()) continue;
    std::vector<NameList::Entry> with_item;
    std::unordered_set<const std::string*> seen;
    const NameList& first = first_of(list[i]);
    for (auto name = first.begin(); name != first.end(); ++name)
      if (seen.insert(&*name).second) with_item.push_back(name.entry());
    for (const NameList::Entry& name : names)
      if (seen.insert(&name.name()).second) with_item.push_back(name);
    names = std::move(with_item);
  }
  return behind;
}

// Whether the code of an item reads its markers. A terminal whose token
// the context guarantees is tested without a skip in front, so its markers
// are never looked at (in a rule of many alternatives, each starting with
// its own terminal, they would cost time in the square of the rule).
bool needs_markers(const Item& item, const NameList& context, bool error_recovery) {
  if (item.is_call()) return false;
  const Secondary& secondary = *item.secondary;
  if (secondary.kind != SecondaryKind::Plain || secondary.primary->kind != PrimaryKind::Terminal)
    return true;
  if (!error_recovery) return false;
  return !(context.empty() || (context.size() == 1 && context.front() == secondary.primary->name));
}

bool has_empty_alternative(const Group& group) {
  for (const Alternative& alternative : group.alternatives)
    if (alternative.items.empty()) return true;
  return false;
}

}  // namespace

void ParserWriter::group(const Group& group, const std::string* rule_name, const NameList& context,
                         const NameList& markers) {
  if (group.alternatives.empty()) return;
  if (group.alternatives.size() == 1) {
    items(group.alternatives.front(), context, markers);
    return;
  }
  skip(context, group.dirset);
  alternatives(group, rule_name, markers);
  if (error_recovery_) {
    error_branch(group, rule_name);
    return;
  }
  // Without recovery the parse stops at the first token that fits none;
  // the actions behind still run, so the attributes get their defaults.
  code_.open_block("else {");
  syntax_error(group.dirset);
  if (!has_empty_alternative(group)) semantic_recovery(group, rule_name);
  code_.close_block("}");
  code_.line("/* NO ERROR RECOVERY */");
}

// The alternatives form one chain of if ... else if ..., so that once an
// alternative has been taken no later one is tested against a token that
// the taken one has left behind.
void ParserWriter::alternatives(const Group& group, const std::string* rule_name,
                                const NameList& markers) {
  for (std::size_t i = 0; i < group.alternatives.size(); ++i) {
    const Alternative& alternative = group.alternatives[i];
    if (i > 0) code_.emit("else ");
    condition("if (", alternative.dirset, rule_name);
    items(alternative, alternative.dirset, markers);
    code_.close_block("}");
  }
}

void ParserWriter::error_branch(const Group& group, const std::string* rule_name) {
  code_.open_block("else {");
  if (rule_name)
    code_.line("i_report(i_WTERMINS, \"%s\");", rule_name->c_str());
  else
    code_.line("i_report(i_WGRPINS);");
  if (has_empty_alternative(group))
    code_.line("/* NO SEMANTIC RECOVERY NEEDED */");
  else
    semantic_recovery(group, rule_name);
  code_.close_block("}");
}

// A failed group leaves the attributes set as if it had been parsed: the
// rule's own synthesised attributes, or those of a nested group's first
// alternative, get their default values.
// (A group with an empty alternative needs none: every attribute is set
// before it.)
void ParserWriter::semantic_recovery(const Group& group, const std::string* rule_name) {
  if (rule_name)
    default_values(*rule_name, 0);
  else
    replay_alternative(group.alternatives.front());
}

// Every secondary gets the markers of the caller united with the FIRST sets
// of the secondaries behind it in the alternative.
void ParserWriter::items(const Alternative& alternative, const NameList& context,
                         const NameList& markers) {
  const ItemList& list = alternative.items;
  std::size_t from = 0;
  while (from < list.size() && !needs_markers(list[from], context, error_recovery_)) ++from;
  const std::vector<std::vector<NameList::Entry>> behind = firsts_behind(list, from);
  for (std::size_t i = 0; i < list.size(); ++i) {
    const Item& item = list[i];
    if (item.is_call()) {
      action_call(*item.call);
      continue;
    }
    if (i < from) {
      secondary(*item.secondary, context, NameList());
      continue;
    }
    NameList item_markers;
    item_markers.copy_from(markers);
    for (const NameList::Entry& name : behind[i]) item_markers.add(name);
    if (i == 0 && item_markers.empty()) item_markers.copy_from(first_of(item));
    secondary(*item.secondary, context, item_markers);
  }
}

void ParserWriter::secondary(const Secondary& secondary, const NameList& context,
                             const NameList& markers) {
  const NameList& first = secondary.first;
  switch (secondary.kind) {
    case SecondaryKind::Plain:
      primary(*secondary.primary, context, markers);
      return;
    case SecondaryKind::Option:
      code_.line("/* BEGIN of OPTION */");
      skip(context, united(markers, first));
      condition("if (", first, nullptr);
      this->secondary(*secondary.operand, first, markers);
      code_.close_block("}");
      code_.line("/* END of OPTION */");
      code_.blank_lines(1);
      return;
    case SecondaryKind::Seq:
    case SecondaryKind::Clos:
      repetition(secondary, context, markers);
      return;
    case SecondaryKind::Chain:
      chain(secondary, context, markers);
      return;
  }
}

void ParserWriter::syntax_error(const NameList& expected) {
  token_list("i_syntax_error(i_look_ahead", expected);
  code_.line(");");
}

// SEQ parses its operand once before the loop that CLOS starts with.
void ParserWriter::repetition(const Secondary& secondary, const NameList& context,
                              const NameList& markers) {
  const bool seq = secondary.kind == SecondaryKind::Seq;
  const NameList& first = secondary.first;
  const NameList loop_markers = united(markers, first);
  const NameList loop_context = united(context, first);
  code_.line(seq ? "/* BEGIN of SEQ */" : "/* BEGIN of CLOS */");
  if (seq) this->secondary(*secondary.operand, first, loop_markers);
  skip(loop_context, loop_markers);
  condition("while (", first, nullptr);
  this->secondary(*secondary.operand, first, loop_markers);
  skip(loop_context, loop_markers);
  code_.close_block("}");
  code_.line(seq ? "/* END of SEQ */" : "/* END of CLOS */");
  code_.blank_lines(1);
}

// The loop goes on on the CHAIN's DIRSET: the separator's FIRST set, and
// the operand's too when the separator can be empty, exactly as the LL(1)
// test sees it. It also goes on at a token that can only start another
// operand (one of the operand's FIRST set that cannot follow the chain):
// valid input never has one there, so the separator is missing, and the
// separator's code reports it and the parse resumes in the chain.
void ParserWriter::chain(const Secondary& secondary, const NameList& context,
                         const NameList& markers) {
  const Secondary& operand = *secondary.operand;
  const Primary& separator = *secondary.primary;
  const NameList both = united(operand.first, separator.first);
  code_.line("/* BEGIN of CHAIN or LIST */");
  // Inside the first operand, skipping stops at whatever continues the
  // chain: the DIRSET, which holds the operand's FIRST set as well when the
  // separator can be empty.
  this->secondary(operand, both, united(markers, secondary.dirset));
  const NameList loop_context = united(context, both);
  const NameList loop_markers = united(markers, both);
  skip(loop_context, loop_markers);
  NameList missing_separator;
  for (const std::string& token : operand.first)
    if (!secondary.dirset.contains(token) && !secondary.follow.contains(token)) missing_separator.add(token);
  condition("while (", missing_separator.empty() ? secondary.dirset : united(secondary.dirset, missing_separator),
            nullptr);
  primary(separator, both, united(markers, operand.first));
  this->secondary(operand, both, loop_markers);
  skip(loop_context, loop_markers);
  code_.close_block("}");
  code_.line("/* END of CHAIN or LIST */");
  code_.blank_lines(1);
}

// Nested groups are written without the rule's name.
void ParserWriter::primary(const Primary& primary, const NameList& context,
                           const NameList& markers) {
  switch (primary.kind) {
    case PrimaryKind::Terminal:
      if (primary.name == "i_EndOfFile")
        end_of_file(context, markers);
      else
        terminal(primary, context, markers);
      return;
    case PrimaryKind::Nonterminal:
      nonterminal(primary, markers);
      return;
    case PrimaryKind::Group:
      group(*primary.group, nullptr, context, markers);
      return;
  }
}

void ParserWriter::terminal(const Primary& primary, const NameList& context,
                            const NameList& markers) {
  const std::string& name = primary.name;
  skip(context, plus(markers, name));
  NameList token;
  token.add(name);
  condition("if (", token, nullptr);
  if (has_attributes(name)) {
    code_.emit("p_%s", name.c_str());
    code_.emit("(&");
    code_.numbered_name('v', name, primary.number);
    code_.line(");");
  }
  code_.line("i_next_token();");
  code_.close_block("}");
  code_.open_block("else {");
  if (error_recovery_) {
    code_.line("i_report(i_WTERMINS, \"%s\");", name.c_str());
    default_values(name, primary.number);
  } else {
    syntax_error(token);
    default_values(name, primary.number);
  }
  code_.close_block("}");
}

// The end of the input is where the parse ends: the skip in front deletes
// whatever follows the program (at the top no caller's marker is left to
// stop it), so that a token too many is reported, never stepped over.
void ParserWriter::end_of_file(const NameList& context, const NameList& markers) {
  skip(context, plus(markers, "i_EndOfFile"));
  code_.open_block("if (i_look_ahead != i_EndOfFile)");
  if (error_recovery_) {
    code_.line("i_report(i_WTERMINS, \"i_EndOfFile\");");
  } else {
    NameList end;
    end.add("i_EndOfFile");
    syntax_error(end);
  }
  code_.outdent();
}

void ParserWriter::nonterminal(const Primary& primary, const NameList& markers) {
  code_.emit("p_%s", primary.name.c_str());
  if (has_attributes(primary.name)) {
    code_.emit("(&");
    code_.numbered_name('v', primary.name, primary.number);
    if (error_recovery_ && bits_)
      markers_with(", ", markers);
    else if (error_recovery_)
      token_list(", i_markers", markers);
    code_.line(");");
  } else if (error_recovery_) {
    if (bits_)
      markers_with("(", markers);
    else
      token_list("(i_markers", markers);
    code_.line(");");
  } else {
    code_.line("();");
  }
}

// A failed nested group leaves the attributes of its first alternative set
// as if that alternative had been parsed: its action calls run and its
// symbols that are always parsed get default values.
void ParserWriter::replay_alternative(const Alternative& alternative) {
  for (const Item& item : alternative.items) {
    if (item.is_call())
      action_call(*item.call);
    else
      replay_secondary(*item.secondary);
  }
}

void ParserWriter::replay_secondary(const Secondary& secondary) {
  switch (secondary.kind) {
    case SecondaryKind::Plain: {
      const Primary& primary = *secondary.primary;
      if (primary.kind == PrimaryKind::Group && !primary.group->alternatives.empty())
        replay_alternative(primary.group->alternatives.front());
      else if (primary.kind != PrimaryKind::Group)
        default_values(primary.name, primary.number);
      return;
    }
    case SecondaryKind::Seq:
    case SecondaryKind::Chain:
      replay_secondary(*secondary.operand);
      return;
    case SecondaryKind::Option:
    case SecondaryKind::Clos:
      return;
  }
}

}  // namespace zedra
