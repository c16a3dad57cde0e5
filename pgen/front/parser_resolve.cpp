#include "front/parser_resolve.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "cformat.h"
#include "diagnostics.h"
#include "front/parser_declarations.h"
#include "scpatype.h"
#include "spelling_hint.h"

namespace zedra {

namespace {

constexpr const char* kEndOfFile = "i_EndOfFile";

// Name indexes for one resolution: own records are entered before imported
// ones, so the first entry of a name is the one a lookup must find.
template <class Record>
using Index = std::unordered_map<std::string_view, Record*>;

class Resolver {
 public:
  Resolver(ParserDeclarations& declarations, const ResolutionScope& scope)
      : decl_(declarations), diagnostics_(declarations.diagnostics()), scope_(scope) {
    build_indexes();
  }

  void run() {
    for (ParserConstant* constant : scope_.constants) resolve_constant(*constant);
    for (ActionModule* module : scope_.modules)
      for (auto& action : module->actions)
        for (FormalParameter& formal : action->formals) resolve_formal(*action, formal);
    for (ParserAttribute* attribute : scope_.attributes) resolve_attribute(*attribute);
    for (Rule* rule : scope_.rules) resolve_rule(*rule);
  }

 private:
  void build_indexes();
  const TypeRecord* find_type(const std::string& name) const {
    return decl_.types().type_find(name);
  }
  template <class Record>
  static Record* lookup(const Index<Record>& index, const std::string& name) {
    auto found = index.find(name);
    return found == index.end() ? nullptr : found->second;
  }
  // The names of an index, in the order of their names, for a hint that
  // is the same in every run.
  template <class Record>
  static std::vector<std::string_view> names_of(const Index<Record>& index) {
    std::vector<std::string_view> names;
    for (const auto& entry : index) names.push_back(entry.first);
    std::sort(names.begin(), names.end());
    return names;
  }
  bool is_terminal(const std::string& name) const { return terminals_.count(name) != 0; }
  bool is_associated(const ParserAttribute& attribute, const std::string& symbol);
  void undefined(int line, const char* what, const std::string& name, const std::string& owner_kind,
                 const std::string& owner) {
    diagnostics_.set_line(line);
    diagnostics_.report(Msg::UndefinedReference, what, name, owner_kind, owner);
  }
  // An undefined grammar symbol, with the name of a rule or terminal that
  // it may be a misspelling of.
  void undefined_symbol(int line, const char* what, const std::string& name, const std::string& owner_kind,
                        const std::string& owner);
  // An undefined type, with the name of a type it may be a misspelling of.
  void undefined_type(int line, const std::string& name, const std::string& owner_kind, const std::string& owner);

  void resolve_constant(ParserConstant& constant);
  void resolve_formal(const Action& action, FormalParameter& formal);
  void resolve_attribute(ParserAttribute& attribute);
  void check_default_action(const ParserAttribute& attribute);
  void resolve_rule(Rule& rule);
  void resolve_group(Group& group);
  void resolve_secondary(Secondary& secondary);
  void resolve_primary(Primary& primary);
  void resolve_call(ActionCall& call);
  void bind_symbol_attribute(const ActionCall& call, Argument& argument, int position);
  void bind_plain_name(const ActionCall& call, Argument& argument, int position);
  std::vector<std::string_view> symbol_names() const;
  std::vector<std::string_view> plain_argument_names(const FormalParameter& formal) const;
  void report_nothing_to_set(const ActionCall& call, int position);

  ParserDeclarations& decl_;
  Diagnostics& diagnostics_;
  const ResolutionScope& scope_;
  Index<Rule> rules_;
  Index<const Action> actions_;
  Index<ParserAttribute> attributes_;
  Index<const ParserConstant> constants_;
  std::unordered_set<std::string_view> terminals_;
  // The associated symbols of the attributes used in calls, for lookups
  // that stay fast when an attribute belongs to thousands of symbols.
  std::unordered_map<const ParserAttribute*, std::unordered_set<std::string_view>> associations_;
  // Occurrence counters of the symbols of the rule being resolved.
  std::unordered_map<std::string_view, int> occurrences_;
  Rule* rule_ = nullptr;
  SpellingHints hints_;
};

void Resolver::build_indexes() {
  for (Rule* rule : scope_.rules) rules_.emplace(rule->name, rule);
  for (const ModuleList* list : {&decl_.actions.own, &decl_.actions.imported})
    for (const ActionModule& module : *list)
      for (const auto& action : module.actions) actions_.emplace(*action->name, action.get());
  for (const DeclarationLayer* layer : {&decl_.own, &decl_.imported}) {
    for (const auto& attribute : layer->attributes)
      attributes_.emplace(*attribute->name, attribute.get());
    for (const auto& constant : layer->constants) constants_.emplace(*constant->name, constant.get());
    for (const LocatedName& terminal : layer->terminals) terminals_.insert(terminal.name);
  }
}

void Resolver::undefined_symbol(int line, const char* what, const std::string& name,
                                const std::string& owner_kind, const std::string& owner) {
  undefined(line, what, name, owner_kind, owner);
  if (lookup(actions_, name)) {
    diagnostics_.report(Msg::FreeText, "  (an action call needs its parentheses: %s())", name.c_str());
    return;
  }
  hints_.report(diagnostics_, name, [this] { return symbol_names(); });
}

// The rules and terminals a symbol may name, for the hint under an
// undefined one.
std::vector<std::string_view> Resolver::symbol_names() const {
  std::vector<std::string_view> names;
  for (const Rule* rule : scope_.rules) names.push_back(rule->name);
  for (const DeclarationLayer* layer : {&decl_.own, &decl_.imported})
    for (const LocatedName& terminal : layer->terminals) names.push_back(terminal.name);
  return names;
}

void Resolver::undefined_type(int line, const std::string& name, const std::string& owner_kind,
                              const std::string& owner) {
  undefined(line, "Type", name, owner_kind, owner);
  hints_.report(diagnostics_, name, [this] { return type_names(decl_.types()); });
}

bool Resolver::is_associated(const ParserAttribute& attribute, const std::string& symbol) {
  auto [entry, added] = associations_.try_emplace(&attribute);
  if (added)
    for (const AssociatedSymbol& associated : attribute.symbols) entry->second.insert(associated.name);
  return entry->second.count(symbol) != 0;
}

void Resolver::resolve_constant(ParserConstant& constant) {
  constant.type = find_type(constant.type_name);
  if (!constant.type) undefined_type(constant.line, constant.type_name, "constant", *constant.name);
}

void Resolver::resolve_formal(const Action& action, FormalParameter& formal) {
  formal.type = find_type(formal.type_name);
  if (!formal.type)
    undefined_type(formal.line, formal.type_name, format("formal parameter '%s' of action", formal.name.c_str()),
                   *action.name);
}

void Resolver::resolve_attribute(ParserAttribute& attribute) {
  const std::string& name = *attribute.name;
  attribute.type = find_type(attribute.type_name);
  if (!attribute.type) undefined_type(attribute.line, attribute.type_name, "attribute", name);
  if (attribute.kind == AttributeKind::Synthesised && !attribute.default_action_name.empty()) {
    attribute.default_action = lookup(actions_, attribute.default_action_name);
    if (!attribute.default_action)
      undefined(attribute.line, "Action", attribute.default_action_name, "attribute", name);
    else
      check_default_action(attribute);
  }
  for (AssociatedSymbol& symbol : attribute.symbols) {
    symbol.rule = lookup(rules_, symbol.name);
    if (!symbol.rule && !is_terminal(symbol.name))
      undefined_symbol(attribute.line, "Associated (non)terminal", symbol.name, "attribute", name);
  }
}

// The parser calls a default action with the attribute alone, by address:
// it must take one OUT parameter of the attribute's type.
void Resolver::check_default_action(const ParserAttribute& attribute) {
  const Action& action = *attribute.default_action;
  const std::vector<FormalParameter>& formals = action.formals;
  diagnostics_.set_line(attribute.line);
  if (formals.empty())
    diagnostics_.report(Msg::TooManyArguments, *action.name);
  else if (formals.size() > 1)
    diagnostics_.report(Msg::NotEnoughArguments, *action.name);
  else if (formals[0].direction != Direction::Out ||
           (attribute.type && formals[0].type && formals[0].type != attribute.type))
    diagnostics_.report(Msg::ArgumentTypeConflict, 1, *action.name);
  else
    return;
  diagnostics_.report(Msg::FreeText, "  (the default action of attribute '%s' takes one OUT parameter of its type)",
                      attribute.name->c_str());
}

void Resolver::resolve_rule(Rule& rule) {
  rule_ = &rule;
  for (Local& local : rule.locals) {
    local.type = find_type(local.type_name);
    if (!local.type)
      undefined_type(local.line, local.type_name, format("local attribute '%s' of rule", local.name.c_str()),
                     rule.name);
  }
  occurrences_.clear();
  if (rule.body) resolve_group(*rule.body);
}

void Resolver::resolve_group(Group& group) {
  for (Alternative& alternative : group.alternatives)
    for (Item& item : alternative.items) {
      if (item.secondary) resolve_secondary(*item.secondary);
      if (item.call) resolve_call(*item.call);
    }
}

// From the outermost secondary inwards: a CHAIN separator is numbered
// before its operand.
void Resolver::resolve_secondary(Secondary& secondary) {
  for (Secondary* at = &secondary; at; at = at->operand.get())
    if (at->primary) resolve_primary(*at->primary);
}

void Resolver::resolve_primary(Primary& primary) {
  if (primary.group) {
    primary.kind = PrimaryKind::Group;
    resolve_group(*primary.group);
    return;
  }
  if (Rule* rule = lookup(rules_, primary.name)) {
    primary.kind = PrimaryKind::Nonterminal;
    primary.rule = rule;
    primary.number = ++occurrences_[rule->name];
  } else if (is_terminal(primary.name)) {
    primary.kind = PrimaryKind::Terminal;
    primary.number = ++occurrences_[primary.name];
  } else if (primary.name == kEndOfFile) {
    primary.kind = PrimaryKind::Terminal;
    primary.number = 1;
  } else {
    undefined_symbol(primary.line, "(Non)Terminal", primary.name, "rule", rule_->name);
  }
}

void Resolver::resolve_call(ActionCall& call) {
  diagnostics_.set_line(call.line);
  call.action = lookup(actions_, call.name);
  if (!call.action) {
    diagnostics_.report(Msg::UndefinedReference, "Action", call.name, "rule", rule_->name);
    hints_.report(diagnostics_, call.name, [this] { return names_of(actions_); });
    return;
  }
  const std::vector<FormalParameter>& formals = call.action->formals;
  std::size_t count = std::min(formals.size(), call.arguments.size());
  for (std::size_t i = 0; i < count; ++i) {
    Argument& argument = call.arguments[i];
    int position = static_cast<int>(i) + 1;
    argument.formal = &formals[i];
    if (argument.kind == ArgumentKind::Literal) {
      if (argument.formal->direction == Direction::Out) report_nothing_to_set(call, position);
      continue;
    }
    if (argument.has_symbol())
      bind_symbol_attribute(call, argument, position);
    else
      bind_plain_name(call, argument, position);
  }
  if (formals.size() > call.arguments.size())
    diagnostics_.report(Msg::NotEnoughArguments, call.name);
  else if (formals.size() < call.arguments.size())
    diagnostics_.report(Msg::TooManyArguments, call.name);
}

// An OUT parameter is passed by address: a literal, a constant or a type
// value gives the action nothing to set.
void Resolver::report_nothing_to_set(const ActionCall& call, int position) {
  diagnostics_.report(Msg::ArgumentTypeConflict, position, call.name);
  diagnostics_.report(Msg::FreeText,
                      "  (an OUT parameter takes an attribute or a local, not a literal, a constant or a type value)");
}

void Resolver::bind_symbol_attribute(const ActionCall& call, Argument& argument, int position) {
  ParserAttribute* attribute = lookup(attributes_, argument.name);
  if (!attribute) {
    diagnostics_.report(Msg::AttributeUndefined, argument.name);
    hints_.report(diagnostics_, argument.name, [this] { return names_of(attributes_); });
    return;
  }
  Rule* rule = lookup(rules_, argument.symbol);
  if (!rule && !is_terminal(argument.symbol)) {
    diagnostics_.report(Msg::UndefinedReference, "(Non)Terminal", argument.symbol, "rule", rule_->name);
    hints_.report(diagnostics_, argument.symbol, [this] { return symbol_names(); });
    return;
  }
  if (!is_associated(*attribute, argument.symbol)) {
    diagnostics_.report(Msg::AttributeNotAssociated, argument.name, "(non)terminal", argument.symbol);
  } else {
    argument.kind = ArgumentKind::Attribute;
    argument.attribute = attribute;
    argument.rule = rule;
  }
  if (attribute->type != argument.formal->type) diagnostics_.report(Msg::ArgumentTypeConflict, position, call.name);
}

// What a plain argument for `formal` may name, in the order of the lookup:
// constants, locals of the rule, attributes, values of the formal's type.
std::vector<std::string_view> Resolver::plain_argument_names(const FormalParameter& formal) const {
  std::vector<std::string_view> names = names_of(constants_);
  for (const Local& local : rule_->locals) names.push_back(local.name);
  for (std::string_view name : names_of(attributes_)) names.push_back(name);
  for (std::string_view name : value_names(formal.type)) names.push_back(name);
  return names;
}

void Resolver::bind_plain_name(const ActionCall& call, Argument& argument, int position) {
  const TypeRecord* found_type = nullptr;
  if (const ParserConstant* constant = lookup(constants_, argument.name)) {
    argument.kind = ArgumentKind::Constant;
    argument.constant = constant;
    found_type = constant->type;
    if (argument.formal->direction == Direction::Out) {
      report_nothing_to_set(call, position);
      return;
    }
  } else if (const Local* local = rule_->find_local(argument.name)) {
    argument.kind = ArgumentKind::Local;
    found_type = local->type;
  } else if (ParserAttribute* attribute = lookup(attributes_, argument.name)) {
    argument.kind = ArgumentKind::Attribute;
    argument.attribute = attribute;
    found_type = attribute->type;
  } else if (TypeTable::type_value_find(argument.name, argument.formal->type)) {
    argument.kind = ArgumentKind::TypeValue;
    if (argument.formal->direction == Direction::Out) report_nothing_to_set(call, position);
    return;
  } else {
    diagnostics_.report(Msg::ArgumentUndefined, position, call.name);
    if (!report_value_of_other_type(diagnostics_, decl_.types(), argument.name, argument.formal->type))
      hints_.report(diagnostics_, argument.name, [&] { return plain_argument_names(*argument.formal); });
    return;
  }
  if (found_type != argument.formal->type) diagnostics_.report(Msg::ArgumentTypeConflict, position, call.name);
}

}  // namespace

ResolutionScope own_scope(ParserDeclarations& declarations) {
  ResolutionScope scope;
  for (auto& constant : declarations.own.constants) scope.constants.push_back(constant.get());
  for (ActionModule& module : declarations.actions.own) scope.modules.push_back(&module);
  for (auto& attribute : declarations.own.attributes) scope.attributes.push_back(attribute.get());
  for (auto& rule : declarations.own.rules.rules) scope.rules.push_back(rule.get());
  return scope;
}

void resolve_declarations(ParserDeclarations& declarations, const ResolutionScope& scope) {
  Resolver(declarations, scope).run();
}

}  // namespace zedra
