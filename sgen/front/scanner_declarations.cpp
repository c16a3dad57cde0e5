#include "front/scanner_declarations.h"

#include <utility>

#include "diagnostics.h"
#include "option_words.h"
#include "scpatype.h"
#include "symtab.h"

namespace zedra {

ScannerDeclarations::ScannerDeclarations(Diagnostics& diagnostics, SymbolTable& symbols,
                                         TypeTable& types, OptionSet* options)
    : terminals(diagnostics, symbols),
      attributes(symbols),
      charsets(diagnostics, symbols),
      strings(symbols),
      actions(diagnostics, symbols),
      diagnostics_(diagnostics),
      symbols_(symbols),
      types_(types),
      options_(options) {}

void ScannerDeclarations::apply_options(const Names& names) {
  if (options_) options_->apply(diagnostics_, names);
}

void ScannerDeclarations::add_definition_modules(const Names& names) {
  for (const std::string& name : names) actions.module_new(name);
}

void ScannerDeclarations::declare_type(const std::string& name, const Names& values) {
  if (!types_.type_new(name)) return;
  for (const std::string& value : values) types_.type_value_new(value);
}

void ScannerDeclarations::declare_conversion(const std::string& name,
                                             const std::string& type_name) {
  if (!actions.current_module()) {
    if (!missing_module_reported_) diagnostics_.report(Msg::ActionsWithoutDefinitionFile);
    missing_module_reported_ = true;
    return;
  }
  if (!actions.action_new(name)) return;
  ScannerAction& action = *actions.current_action();
  action.type_name = type_name;
  action.line = diagnostics_.line();
}

void ScannerDeclarations::declare_attribute(const std::string& name,
                                            const std::string& type_name) {
  accepted_ = attributes.scanner_attribute_new(name);
  if (!accepted_) return;
  ScannerAttribute& attribute = *attributes.current();
  attribute.type_name = type_name;
  attribute.line = diagnostics_.line();
}

void ScannerDeclarations::set_attribute_terminals(const Names& terminal_names,
                                                  const std::string& default_action) {
  if (!accepted_) return;
  ScannerAttribute& attribute = *attributes.current();
  attribute.terminals.clear();
  for (auto it = terminal_names.rbegin(); it != terminal_names.rend(); ++it)
    attribute.terminals.push_back(AssociatedTerminal{*it, nullptr});
  attribute.default_action_name = default_action;
}

void ScannerDeclarations::begin_symbol_section(SymbolSection section) { section_ = section; }

void ScannerDeclarations::declare_symbol(const std::string& name) {
  Terminal* existing = terminals.terminal_find(name);
  if (existing && existing->has_representations())
    terminals.continue_terminal(*existing);
  else if (!terminals.terminal_new(name)) {
    accepted_ = false;
    return;
  }
  accepted_ = true;
  terminals.current()->line = diagnostics_.line();
}

Terminal* ScannerDeclarations::add_representation(const std::string& text,
                                                  const Initialisations& initialisations) {
  if (!accepted_) return nullptr;
  const bool is_symbol = section_ == SymbolSection::Symbols;
  if (!terminals.add_representation(text, is_symbol, make_assignments(initialisations)))
    return nullptr;
  return is_symbol ? terminals.current() : nullptr;
}

void ScannerDeclarations::declare_string(const std::string& name, const std::string& text) {
  if (!strings.scanner_string_new(name)) return;
  if (text.empty()) {
    // An empty text would give a path without states; it is refused.
    diagnostics_.report(Msg::NoRightHandSide, "Scanner string", name);
    return;
  }
  strings.current()->text = text;
}

void ScannerDeclarations::declare_charset(const std::string& name) {
  accepted_ = charsets.charset_new(name);
  if (!accepted_) charsets.clear_current();
}

void ScannerDeclarations::add_charset_range(int low, int high) {
  if (accepted_) charsets.charset_add_range(low, high);
}

void ScannerDeclarations::declare_rule(const std::string& name, TerminalKind kind) {
  accepted_ = terminals.terminal_new(name);
  if (!accepted_) return;
  Terminal& terminal = *terminals.current();
  terminal.line = diagnostics_.line();
  terminal.kind = kind;
}

void ScannerDeclarations::set_reserved_action(const std::string& call_text) {
  if (!accepted_) return;
  const std::string name = call_text.substr(0, call_text.find('('));
  Terminal& terminal = *terminals.current();
  terminal.reserved_action = actions.action_find(name, actions.string_type());
  if (!terminal.reserved_action)
    report_action_not_found(diagnostics_, actions, name, name, actions.string_type(), "terminal",
                            *terminal.name);
}

void ScannerDeclarations::set_rule_initialisations(const Initialisations& initialisations) {
  if (accepted_) terminals.current()->own_assignments = make_assignments(initialisations);
}

}  // namespace zedra
