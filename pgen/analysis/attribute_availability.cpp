#include "analysis/attribute_availability.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "cformat.h"
#include "diagnostics.h"
#include "front/parser_declarations.h"
#include "analysis/availability_set.h"
#include "analysis/occurrence_hint.h"

namespace zedra {

namespace {

// The own attribute list first, then the imported one.
template <class Visit>
void for_each_attribute(const ParserDeclarations& declarations, Visit visit) {
  for (const AttributeList* list :
       {&declarations.own.attributes, &declarations.imported.attributes})
    for (const auto& attribute : *list) visit(*attribute);
}

void check_attribute(Diagnostics& diagnostics, const ParserAttribute& attribute, bool own) {
  diagnostics.set_line(attribute.line);
  if (!attribute.type) diagnostics.report(Msg::NoType, "Parser attribute", *attribute.name);
  if (attribute.kind != AttributeKind::Global && attribute.symbols.empty())
    diagnostics.report(Msg::AttributeWithoutNonterminals, *attribute.name);
  if (own && attribute.kind == AttributeKind::Synthesised && attribute.default_action_name.empty())
    diagnostics.report(Msg::NoDefaultAction, *attribute.name);
}

void check_locals(Diagnostics& diagnostics, const ParserDeclarations& declarations,
                  const Rule& rule) {
  for (const Local& local : rule.locals) {
    diagnostics.set_line(local.line);
    if (!local.type)
      diagnostics.report(Msg::NoType, "Local attribute",
                         format("%s' of '%s", local.name.c_str(), rule.name.c_str()));
    for_each_attribute(declarations, [&](const ParserAttribute& attribute) {
      if (*attribute.name == local.name) diagnostics.report(Msg::LocalHidesAttribute, rule.name, local.name);
    });
  }
}

// The availability test of one rule: walks its body with the set of what
// is available at each point, reporting what is read before it is set.
class RuleTest {
 public:
  RuleTest(Diagnostics& diagnostics, ParserDeclarations& declarations, Rule& rule)
      : diagnostics_(diagnostics), declarations_(declarations), rule_(rule) {}

  void run();

 private:
  AvailabilitySet group(const Group& group, const AvailabilitySet& in);
  AvailabilitySet alternative(const Alternative& alternative, const AvailabilitySet& in);
  AvailabilitySet secondary(const Secondary& secondary, const AvailabilitySet& in);
  AvailabilitySet primary(const Primary& primary, const AvailabilitySet& in);
  void symbol(const Primary& symbol, AvailabilitySet& current);
  std::vector<AttributeInstance> delivered(const Primary& symbol, const AvailabilitySet& in);
  void check_call(const ActionCall& call, AvailabilitySet& current);
  void check_synthesised(const AvailabilitySet& out);
  void check_usage(const AvailabilitySet& out);

  ParserAttribute* writable(const ParserAttribute* attribute);
  void list_set(const char* label, const AvailabilitySet& set);

  Diagnostics& diagnostics_;
  ParserDeclarations& declarations_;
  Rule& rule_;
};

void RuleTest::run() {
  AvailabilitySet in;
  for (const auto& attribute : declarations_.own.attributes)
    if (attribute->kind == AttributeKind::Inherited && attribute->is_associated_with(rule_.name))
      in.add({*attribute->name, rule_.name, 0, 0});
  // A rule without a body (ROOT without a ROOT clause) makes nothing available.
  AvailabilitySet out = rule_.body ? group(*rule_.body, in) : AvailabilitySet();
  check_synthesised(out);
  check_usage(out);
}

// What every alternative makes available; the use counts are those of the
// first alternative.
AvailabilitySet RuleTest::group(const Group& group, const AvailabilitySet& in) {
  AvailabilitySet out;
  bool first = true;
  for (const Alternative& each : group.alternatives) {
    AvailabilitySet alternative_out = alternative(each, copy_of(in));
    if (first)
      out = copy_of(alternative_out);
    else
      out.intersect(alternative_out);
    first = false;
  }
  return out;
}

AvailabilitySet RuleTest::alternative(const Alternative& alternative, const AvailabilitySet& in) {
  AvailabilitySet current = copy_of(in);
  for (const Item& item : alternative.items) {
    if (item.is_call()) {
      check_call(*item.call, current);
      continue;
    }
    const Secondary& secondary = *item.secondary;
    if (secondary.kind == SecondaryKind::Plain && secondary.primary->kind != PrimaryKind::Group) {
      symbol(*secondary.primary, current);
      continue;
    }
    AvailabilitySet out = this->secondary(secondary, copy_of(current));
    current = united(current, out);
  }
  return copy_of(current);
}

// A terminal or nonterminal of an alternative, in place: what
// united(current, primary(symbol, copy_of(current))) gives, without the
// copies that make a long alternative quadratic. That is the current set
// reversed, with the synthesised attributes of the symbol put first in the
// order in which primary adds them.
void RuleTest::symbol(const Primary& symbol, AvailabilitySet& current) {
  current.reverse();  // now what primary sees as its in
  const std::vector<AttributeInstance> added = delivered(symbol, current);
  // primary adds each first, so its out holds them last one first; the
  // union then adds them in that order, each again first.
  for (auto each = added.rbegin(); each != added.rend(); ++each) current.add(*each);
}

// An OPTION or CLOS may be skipped, so it guarantees nothing; a SEQ runs its
// operand at least once; a CHAIN's separator sees what its first operand
// made available, but what the separator sets is not guaranteed.
AvailabilitySet RuleTest::secondary(const Secondary& secondary, const AvailabilitySet& in) {
  switch (secondary.kind) {
    case SecondaryKind::Plain:
      return primary(*secondary.primary, in);
    case SecondaryKind::Option:
    case SecondaryKind::Clos:
      this->secondary(*secondary.operand, in);
      return in;
    case SecondaryKind::Seq:
      return this->secondary(*secondary.operand, in);
    case SecondaryKind::Chain: {
      AvailabilitySet out = this->secondary(*secondary.operand, in);
      primary(*secondary.primary, out);
      return out;
    }
  }
  return in;
}

// Parsing a symbol needs its inherited attributes and delivers its
// synthesised ones.
AvailabilitySet RuleTest::primary(const Primary& primary, const AvailabilitySet& in) {
  if (primary.kind == PrimaryKind::Group) return group(*primary.group, in);
  AvailabilitySet out = copy_of(in);
  for (const AttributeInstance& each : delivered(primary, in)) out.add(each);
  return out;
}

// The synthesised attributes that parsing a terminal or nonterminal
// delivers, in the order of the attribute lists (an attribute of both
// lists once); an inherited one that `in` lacks is reported.
std::vector<AttributeInstance> RuleTest::delivered(const Primary& symbol, const AvailabilitySet& in) {
  std::vector<AttributeInstance> synthesised;
  std::unordered_set<std::string> named;
  for_each_attribute(declarations_, [&](const ParserAttribute& attribute) {
    if (!attribute.is_associated_with(symbol.name)) return;
    if (attribute.kind == AttributeKind::Inherited &&
        !in.find(*attribute.name, symbol.name, symbol.number)) {
      diagnostics_.report(Msg::AttributeNotAvailable, rule_.name, "inherited", *attribute.name, symbol.name,
                          symbol.number);
      list_set("availability set= ", in);
    } else if (attribute.kind == AttributeKind::Synthesised && named.insert(*attribute.name).second) {
      synthesised.push_back({*attribute.name, symbol.name, symbol.number, 0});
    }
  });
  return synthesised;
}

void RuleTest::check_call(const ActionCall& call, AvailabilitySet& current) {
  const std::string& action = call.action ? *call.action->name : call.name;
  for (const Argument& argument : call.arguments) {
    AttributeInstance instance;
    switch (argument.kind) {
      case ArgumentKind::Unresolved:
        diagnostics_.report(Msg::CallArgumentNotSet, rule_.name, argument.formal ? argument.formal->name : argument.name,
                            action);
        continue;
      case ArgumentKind::Local:
        if (Local* local = rule_.find_local(argument.name)) local->used = true;
        instance = {argument.name, "", 0, 0};
        break;
      case ArgumentKind::Attribute:
        if (ParserAttribute* attribute = writable(argument.attribute)) ++attribute->use_count;
        // Named without a symbol, the attribute is used as a global one.
        if (!argument.has_symbol()) continue;
        instance = {*argument.attribute->name, argument.symbol, argument.number, 0};
        break;
      default:
        continue;  // constants, type values and literals are always there
    }
    if (!argument.formal) continue;
    AttributeInstance* found = current.find(instance.attribute, instance.symbol, instance.number);
    if (argument.formal->direction == Direction::Out) {
      if (!found) {
        current.add(instance);
      } else if (!found->is_local()) {
        diagnostics_.report(Msg::EvaluatedMoreThanOnce, rule_.name, instance.text(), action);
        list_set("availability set= ", current);
      }
    } else if (!found) {
      diagnostics_.report(Msg::CallAttributeNotEvaluated, rule_.name, instance.text(), action);
      // A nonterminal's number beyond the rule's was explained by the
      // reachability test already.
      if (argument.kind == ArgumentKind::Attribute && !argument.rule)
        explain_occurrence_beyond(diagnostics_, rule_, argument.symbol, argument.number);
      list_set("availability set= ", current);
    } else {
      ++found->uses;
    }
  }
}

void RuleTest::check_synthesised(const AvailabilitySet& out) {
  for (const auto& attribute : declarations_.own.attributes) {
    if (attribute->kind != AttributeKind::Synthesised ||
        !attribute->is_associated_with(rule_.name) || out.find(*attribute->name, rule_.name, 0))
      continue;
    diagnostics_.report(Msg::AttributeNotAvailable, rule_.name, "synthesised", *attribute->name, rule_.name, 0);
    list_set("availability set = ", out);
  }
}

// Locals never named, and values set on every path but never read: the
// rule's own inherited attributes, the synthesised attributes of the
// symbols it parses, and its locals.
void RuleTest::check_usage(const AvailabilitySet& out) {
  for (const Local& local : rule_.locals)
    if (!local.used)
      diagnostics_.report(Msg::AttributeNeverUsed, format("Rule '%s': local", rule_.name.c_str()), local.name);
  for (const AttributeInstance& instance : out) {
    if (instance.uses != 0) continue;
    if (instance.is_local()) {
      diagnostics_.report(Msg::LocalNotUsed, rule_.name, instance.attribute);
      continue;
    }
    const ParserAttribute* attribute = find_attribute(
        declarations_.own.attributes, declarations_.imported.attributes, instance.attribute);
    if (!attribute) continue;
    if (attribute->kind == AttributeKind::Inherited && instance.number == 0)
      diagnostics_.report(Msg::AttributeNotUsed, rule_.name, "inherited", instance.attribute, instance.symbol, 0);
    else if (attribute->kind == AttributeKind::Synthesised && instance.number > 0)
      diagnostics_.report(Msg::AttributeNotUsed, rule_.name, "synthesised", instance.attribute, instance.symbol,
                          instance.number);
  }
}

// The record behind a resolved argument, whose use count the test keeps.
ParserAttribute* RuleTest::writable(const ParserAttribute* attribute) {
  for (const AttributeList* list :
       {&declarations_.own.attributes, &declarations_.imported.attributes})
    for (const auto& candidate : *list)
      if (candidate.get() == attribute) return candidate.get();
  return nullptr;
}

void RuleTest::list_set(const char* label, const AvailabilitySet& set) {
  Listing& listing = diagnostics_.listing();
  listing.raw("*** ");
  listing.raw(label);
  listing.raw(set.text());
  listing.raw("\n");
}

// An attribute of the specification associated with a terminal of an
// include file: the parser keeps it in the terminal's record, which the
// scanner of the include file (sgen's) declares with its own attributes
// alone, so the parser would not compile.
void check_terminal_symbols(Diagnostics& diagnostics, const ParserAttribute& attribute,
                            const TerminalList& included) {
  diagnostics.set_line(attribute.line);
  for (const AssociatedSymbol& symbol : attribute.symbols) {
    if (symbol.rule) continue;
    for (const LocatedName& terminal : included)
      if (terminal.name == symbol.name) {
        diagnostics.report(Msg::AttributeOfScannerTerminal, *attribute.name, symbol.name);
        break;
      }
  }
}

}  // namespace

void check_attribute_declarations(Diagnostics& diagnostics,
                                  const ParserDeclarations& declarations) {
  for (const auto& attribute : declarations.own.attributes) {
    check_attribute(diagnostics, *attribute, true);
    check_terminal_symbols(diagnostics, *attribute, declarations.imported.terminals);
  }
  for (const auto& attribute : declarations.imported.attributes)
    check_attribute(diagnostics, *attribute, false);
  const auto& rules = declarations.own.rules.rules;
  for (std::size_t i = 1; i < rules.size(); ++i) check_locals(diagnostics, declarations, *rules[i]);
  diagnostics.set_line(0);
}

void test_rule_availability(Diagnostics& diagnostics, ParserDeclarations& declarations,
                            Rule& rule) {
  diagnostics.set_line(rule.line);
  RuleTest(diagnostics, declarations, rule).run();
}

// An attribute of an include file is reported at its line in that file.
void check_attributes_used(Diagnostics& diagnostics, const ParserDeclarations& declarations) {
  const std::string spec_name = diagnostics.file_name();
  for_each_attribute(declarations, [&](const ParserAttribute& attribute) {
    if (attribute.use_count != 0) return;
    diagnostics.set_file_name(attribute.file);
    diagnostics.set_line(attribute.line);
    diagnostics.report(Msg::AttributeNeverUsed, "Parser", *attribute.name);
  });
  diagnostics.set_file_name(spec_name);
  diagnostics.set_line(0);
}

}  // namespace zedra
