// The declaration semantics of the scanner dialect: the operations that the
// reader calls for every declaration it recognises, in the order of the
// text, and the lists of the scanner-side declarations they build.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/conversion_actions.h"
#include "model/scanner_attributes.h"
#include "model/character_sets.h"
#include "model/terminals.h"
#include "model/scanner_strings.h"

namespace zedra {

class Diagnostics;
class OptionSet;
class SymbolTable;
class TypeTable;

using Names = std::vector<std::string>;

enum class SymbolSection { Symbols, Keywords };

class ScannerDeclarations {
 public:
  // `options` receives the words of the OPTIONS clause; without one the
  // clause is read but has no effect.
  ScannerDeclarations(Diagnostics& diagnostics, SymbolTable& symbols, TypeTable& types,
                      OptionSet* options = nullptr);
  ScannerDeclarations(const ScannerDeclarations&) = delete;
  ScannerDeclarations& operator=(const ScannerDeclarations&) = delete;

  // OPTIONS name, ... .
  void apply_options(const Names& names);
  // DEFINITIONS m1, m2, ... . (Msg::DuplicateName for a repeated module)
  void add_definition_modules(const Names& names);
  // TYPES name = value, ... . as in the parser dialect.
  void declare_type(const std::string& name, const Names& values);
  // ACTIONS name : type . (Msg::ActionsWithoutDefinitionFile once per run
  // without a module)
  void declare_conversion(const std::string& name, const std::string& type_name);

  // ATTRIBUTES name : type (middle) SYN OF t1, t2 [WITH DEFAULT action] .
  void declare_attribute(const std::string& name, const std::string& type_name);
  void set_attribute_terminals(const Names& terminals, const std::string& default_action);

  // SYMBOLS / KEYWORDS: the section decides the kind of representation.
  void begin_symbol_section(SymbolSection section);
  // "name :" of a symbol declaration: continues a terminal of that name that
  // has representations, else declares a new terminal.
  void declare_symbol(const std::string& name);
  // One TEXT with its initialisations. Gives the terminal when a SYMBOLS
  // representation was created: the reader then lays its literal path into
  // the automaton (nfa_literal with the terminal and the text).
  Terminal* add_representation(const std::string& text, const Initialisations& initialisations);

  // STRINGS name : "text" .
  void declare_string(const std::string& name, const std::string& text);
  // CHARSETS name : [ ranges ] .
  void declare_charset(const std::string& name);
  void add_charset_range(int low, int high);

  // RULES: the head "name : [SKIP : | VERIFY :]". The reader starts the
  // rule's regular expression (nfa_rule_start) in any case.
  void declare_rule(const std::string& name, TerminalKind kind);
  // RESERVED call() ELSE: the text of the CALL token (Msg::UndefinedReference
  // when no predefined conversion of type "string" has that name).
  void set_reserved_action(const std::string& call_text);
  // The initialisations of the rule tail (possibly none).
  void set_rule_initialisations(const Initialisations& initialisations);

  // Whether the head of the current declaration was accepted.
  bool declaration_accepted() const { return accepted_; }
  // The current terminal: the one whose rule is read (nfa_rule_end).
  Terminal* current_terminal() { return terminals.current(); }

  // Classification of identifiers by the reader.
  const CharacterSet* charset_find(std::string_view name) const { return charsets.charset_find(name); }
  const ScannerString* scanner_string_find(std::string_view name) const {
    return strings.scanner_string_find(name);
  }

  Diagnostics& diagnostics() { return diagnostics_; }
  SymbolTable& symbols() { return symbols_; }
  TypeTable& types() { return types_; }

  TerminalTable terminals;
  ScannerAttributeTable attributes;
  CharsetTable charsets;
  ScannerStringTable strings;
  ScannerActions actions;

 private:
  Diagnostics& diagnostics_;
  SymbolTable& symbols_;
  TypeTable& types_;
  OptionSet* options_;
  SymbolSection section_ = SymbolSection::Symbols;
  bool accepted_ = false;
  bool missing_module_reported_ = false;
};

}  // namespace zedra
