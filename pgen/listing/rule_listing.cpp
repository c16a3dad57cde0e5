#include "listing/rule_listing.h"

#include <cstdint>

#include "listing.h"
#include "analysis/ll1_conflicts.h"
#include "driver/options.h"
#include "model/action_modules.h"
#include "model/rule_model.h"
#include "analysis/reduction_termination.h"

namespace zedra {

namespace {

const char* tristate_line(Tristate value) {
  switch (value) {
    case kFalse: return " false\n";
    case kTrue: return " true\n";
    default: return " undecided\n";
  }
}

std::string argument_text(const Argument& argument, const std::string& rule_name, bool numbers) {
  switch (argument.kind) {
    case ArgumentKind::Unresolved:
      return argument.formal && argument.formal->direction == Direction::Out ? ">***" : "<***";
    case ArgumentKind::Attribute:
      if (argument.has_symbol())
        return attribute_instance_text(argument.name, argument.symbol, argument.number, rule_name, numbers);
      return argument.name;
    default: return argument.name;
  }
}

// Writes one rule body. The line-start flag is set right after a line end
// and clear while names are written on the current line.
class RulePrinter {
 public:
  RulePrinter(Listing& listing, const PgenOptions& options, const Rule& rule)
      : listing_(listing), options_(options), rule_(rule) {}

  void alternatives(const Group& group, int indent);
  bool at_line_start() const { return line_start_; }
  void end_line_if_needed() {
    if (!line_start_) line_end();
  }
  void set_line(const std::string& label, const NameList& set) {
    list_set(listing_, label, set);
    line_start_ = true;
  }

 private:
  void items(const Alternative& alternative, int indent);
  void secondary(const Secondary& secondary, int indent);
  void primary(const Primary& primary, int indent);
  void secondary_sets(const Secondary& secondary);
  void primary_sets(const Primary& primary);
  void element_sets(const std::string& what, Tristate empty, const NameList& first, const NameList& last,
                    const NameList& follow, const NameList* dirset);
  void call(const ActionCall& call, int indent);
  void indentation(int width) { listing_.raw_printf("%*s", width, ""); }
  void line_end() {
    listing_.raw("\n");
    line_start_ = true;
  }
  void set_line_if(std::uint32_t option, const std::string& label, const NameList& set) {
    if (!options_.has(option)) return;
    end_line_if_needed();
    set_line(label, set);
  }

  Listing& listing_;
  const PgenOptions& options_;
  const Rule& rule_;
  bool line_start_ = true;
};

void RulePrinter::alternatives(const Group& group, int indent) {
  const auto& list = group.alternatives;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const Alternative& alternative = list[i];
    items(alternative, indent);
    end_line_if_needed();
    if (options_.has(kOptEmptyRules)) listing_.raw_printf("EMPTY(alternative) =%s", tristate_line(alternative.empty));
    if (options_.has(kOptFirst)) set_line("FIRST(alternative) =", alternative.first);
    if (options_.has(kOptLast)) set_line("LAST(alternative) =", alternative.last);
    if (options_.has(kOptFollow)) set_line("FOLLOW(alternative) =", alternative.follow);
    if (options_.has(kOptDirset)) set_line("DIRSET(alternative) =", alternative.dirset);
    if (i + 1 < list.size()) {
      listing_.raw_printf("%*s|\n", indent, "");
      line_start_ = true;
    }
  }
}

void RulePrinter::items(const Alternative& alternative, int indent) {
  for (const Item& item : alternative.items) {
    if (!item.is_call()) {
      secondary(*item.secondary, indent);
      if (item.secondary->kind != SecondaryKind::Plain) secondary_sets(*item.secondary);
    } else if (options_.has(kOptActionCalls)) {
      call(*item.call, indent);
    }
  }
}

void RulePrinter::secondary_sets(const Secondary& secondary) {
  element_sets("secondary", secondary.empty, secondary.first, secondary.last, secondary.follow, &secondary.dirset);
}

// The sets of a secondary or primary ("what"): EMPTY after a line end, the
// others each on a line of its own.
void RulePrinter::element_sets(const std::string& what, Tristate empty, const NameList& first, const NameList& last,
                               const NameList& follow, const NameList* dirset) {
  if (options_.has(kOptEmptyRules)) {
    listing_.raw_printf("\nEMPTY(%s) =%s", what.c_str(), tristate_line(empty));
    line_start_ = true;
  }
  set_line_if(kOptFirst, "FIRST(" + what + ") =", first);
  set_line_if(kOptLast, "LAST(" + what + ") =", last);
  set_line_if(kOptFollow, "FOLLOW(" + what + ") =", follow);
  if (dirset) set_line_if(kOptDirset, "DIRSET(" + what + ") =", *dirset);
}

void RulePrinter::call(const ActionCall& call, int indent) {
  end_line_if_needed();
  indentation(indent + 4);
  listing_.raw(call_text(call, rule_.name, options_.has(kOptNumbers)));
  line_end();
}

void RulePrinter::secondary(const Secondary& secondary, int indent) {
  if (secondary.kind == SecondaryKind::Plain) {
    primary(*secondary.primary, indent);
    return;
  }
  this->secondary(*secondary.operand, indent);
  if (line_start_) indentation(indent - 1);
  listing_.raw_printf(" %s", secondary_keyword(secondary.kind));
  line_start_ = false;
  if (secondary.kind == SecondaryKind::Chain) primary(*secondary.primary, indent);
}

void RulePrinter::primary(const Primary& primary, int indent) {
  if (primary.kind == PrimaryKind::Group) {
    end_line_if_needed();
    listing_.raw_printf("%*s{\n", indent, "");
    line_start_ = true;
    alternatives(*primary.group, indent + 4);
    if (options_.has(kOptDirset)) set_line("DIRSET(group) =", primary.group->dirset);
    end_line_if_needed();
    listing_.raw_printf("%*s}", indent, "");
    line_start_ = false;
  } else {
    if (line_start_) {
      indentation(indent);
      line_start_ = false;
    } else {
      listing_.raw(" ");
    }
    listing_.raw(primary.name);
  }
  if (primary.kind != PrimaryKind::Terminal) primary_sets(primary);
}

void RulePrinter::primary_sets(const Primary& primary) {
  element_sets("primary", primary.empty, primary.first, primary.last, primary.follow, nullptr);
}

void list_locals(Listing& listing, Rule& rule) {
  listing.raw(" (LOCAL");
  for (std::size_t i = 0; i < rule.locals.size(); ++i) {
    Local& local = rule.locals[i];
    if (i > 0) listing.raw(";");
    listing.raw_printf(" %s: %s", local.name.c_str(), local.type ? local.type_name.c_str() : "***");
    local.used = false;
  }
  listing.raw(")");
}

}  // namespace

std::string call_text(const ActionCall& call, const std::string& rule_name, bool numbers) {
  std::string text = call.name + "(";
  for (std::size_t i = 0; i < call.arguments.size(); ++i) {
    if (i > 0) text += ", ";
    text += argument_text(call.arguments[i], rule_name, numbers);
  }
  return text + ")";
}

void list_rule(Listing& listing, const PgenOptions& options, Rule& rule, bool is_root) {
  listing.raw_printf("\n%s", rule.name.c_str());
  if (options.has(kOptLocals) && !rule.locals.empty()) list_locals(listing, rule);
  listing.raw(is_root ? "\n" : ":\n");
  RulePrinter printer(listing, options, rule);
  if (rule.body) printer.alternatives(*rule.body, 4);
  printer.end_line_if_needed();
  if (options.has(kOptDirset)) list_set(listing, "DIRSET(group) =", rule.body ? rule.body->dirset : NameList());
  listing.raw(".\n");
  if (options.has(kOptEmptyRules)) listing.raw_printf("EMPTY(rule) =%s", tristate_line(rule.empty));
  if (options.has(kOptFirst)) list_set(listing, "FIRST(rule) =", rule.first);
  if (options.has(kOptLast)) list_set(listing, "LAST(rule) =", rule.last);
  if (options.has(kOptFollow)) list_set(listing, "FOLLOW(rule) =", rule.follow);
  if (options.has(kOptReduced)) list_reduction(listing, rule);
  if (is_root) listing.raw("\nRULES\n");
}

}  // namespace zedra
