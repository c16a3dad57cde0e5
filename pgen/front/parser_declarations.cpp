#include "front/parser_declarations.h"

#include <utility>

#include "diagnostics.h"
#include "option_words.h"
#include "scpatype.h"
#include "symtab.h"

namespace zedra {

ParserDeclarations::ParserDeclarations(Diagnostics& diagnostics, SymbolTable& symbols,
                                       TypeTable& types, OptionSet* options)
    : diagnostics_(diagnostics), symbols_(symbols), types_(types), options_(options) {
  own.rules.append("ROOT");
  current_rule_ = &root();
}

void ParserDeclarations::apply_options(const Names& names) {
  if (options_) options_->apply(diagnostics_, names);
}

void ParserDeclarations::add_definition_modules(const Names& names) {
  if (include_depth_ > 0) {
    diagnostics_.report(Msg::IncludeDefinitionsIgnored);
    return;
  }
  for (const std::string& name : names) actions.add_module(diagnostics_, actions.own, name);
}

bool ParserDeclarations::add_command_line_module(const std::string& name) {
  return actions.add_module(diagnostics_, actions.own, name) != nullptr;
}

void ParserDeclarations::queue_includes(LocatedNames names) {
  if (include_depth_ > 0) {
    diagnostics_.report(Msg::NestedInclude);
    return;
  }
  for (LocatedName& name : names) include_queue_.push_back(std::move(name));
}

void ParserDeclarations::add_terminals(LocatedNames names) {
  for (LocatedName& name : names) layer().terminals.push_back(std::move(name));
}

void ParserDeclarations::declare_type(const std::string& name, const Names& values) {
  if (!types_.type_new(name)) return;
  for (const std::string& value : values) types_.type_value_new(value);
}

void ParserDeclarations::declare_constants(const Names& names, const std::string& type_name) {
  for (const std::string& name : names) {
    const std::string* entered = symbols_.enter(name);
    if (!entered) continue;
    auto constant = std::make_unique<ParserConstant>();
    constant->name = entered;
    constant->type_name = type_name;
    constant->line = diagnostics_.line();
    layer().constants.push_back(std::move(constant));
  }
}

void ParserDeclarations::declare_action(const std::string& name) {
  if (!actions.current_module()) {
    if (missing_module_reports_ == 0) diagnostics_.report(Msg::ActionsWithoutDefinitionFile);
    ++missing_module_reports_;
    declaration_valid_ = false;
    return;
  }
  declaration_valid_ = actions.add_action(symbols_, name) != nullptr;
}

void ParserDeclarations::add_formals(Direction direction, const Names& names,
                                     const std::string& type_name) {
  if (!declaration_valid_) return;
  for (const std::string& name : names) {
    FormalParameter* formal = actions.add_formal(diagnostics_, symbols_, name);
    if (!formal) continue;
    formal->direction = direction;
    formal->type_name = type_name;
    formal->line = diagnostics_.line();
  }
}

void ParserDeclarations::declare_attribute(const std::string& name, const std::string& type_name) {
  const std::string* entered = symbols_.enter(name);
  declaration_valid_ = entered != nullptr;
  if (!entered) return;
  auto attribute = std::make_unique<ParserAttribute>();
  attribute->name = entered;
  attribute->type_name = type_name;
  attribute->file = diagnostics_.file_name();
  attribute->line = diagnostics_.line();
  current_attribute_ = attribute.get();
  layer().attributes.push_back(std::move(attribute));
}

void ParserDeclarations::set_attribute_kind(AttributeKind kind, const Names& symbols,
                                            std::string default_action) {
  if (!declaration_valid_ || !current_attribute_) return;
  current_attribute_->kind = kind;
  current_attribute_->symbols.clear();
  if (kind != AttributeKind::Global)
    for (const std::string& symbol : symbols) current_attribute_->symbols.push_back({symbol, nullptr});
  if (kind == AttributeKind::Synthesised) current_attribute_->default_action_name = std::move(default_action);
}

void ParserDeclarations::declare_rule(const std::string& name) {
  const std::string* entered = symbols_.enter(name);
  declaration_valid_ = entered != nullptr;
  if (!entered) return;
  current_rule_ = &layer().rules.append(*entered);
  current_rule_->line = diagnostics_.line();
}

void ParserDeclarations::add_locals(const Names& names, const std::string& type_name) {
  if (!declaration_valid_ || !current_rule_ || current_rule_ == &root()) return;
  for (const std::string& name : names) {
    if (symbols_.name_check(name)) continue;
    if (current_rule_->find_local(name) ||
        find_attribute(own.attributes, imported.attributes, name)) {
      diagnostics_.report(Msg::DuplicateName, name);
      continue;
    }
    Local local;
    local.name = name;
    local.type_name = type_name;
    local.line = diagnostics_.line();
    current_rule_->locals.push_back(std::move(local));
  }
}

void ParserDeclarations::set_rule_body(std::unique_ptr<Group> body) {
  if (declaration_valid_ && current_rule_ && current_rule_ != &root())
    current_rule_->body = std::move(body);
}

void ParserDeclarations::set_root(ItemList before, std::string start, int start_line,
                                  ItemList after) {
  if (root_set_) {
    diagnostics_.report(Msg::MultipleRoot);
    return;
  }
  root_set_ = true;
  Alternative alternative;
  for (Item& item : before) alternative.items.push_back(std::move(item));
  alternative.items.push_back(
      make_secondary(make_name_primary(start, start_line), SecondaryKind::Plain));
  for (Item& item : after) alternative.items.push_back(std::move(item));
  alternative.items.push_back(
      make_secondary(make_name_primary("i_EndOfFile", diagnostics_.line()), SecondaryKind::Plain));
  auto body = std::make_unique<Group>();
  body->alternatives.push_back(std::move(alternative));
  root().start = std::move(start);
  root().line = start_line;
  root().body = std::move(body);
}

void ParserDeclarations::build_imported(bool imported_layer) {
  building_imported_ = imported_layer;
  types_.build_into(imported_layer ? TypeTable::Layer::Imported : TypeTable::Layer::Own);
  ModuleList& modules = module_list();
  actions.set_current_module(modules.empty() ? nullptr : &modules.back());
  actions.clear_current_action();
  current_attribute_ = nullptr;
  current_rule_ = imported_layer ? nullptr : &root();
  if (imported_layer && !imported.rules.rules.empty()) current_rule_ = imported.rules.rules.back().get();
  declaration_valid_ = false;
}

}  // namespace zedra
