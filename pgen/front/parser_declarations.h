// The declaration semantics of the parser dialect: the operations that the
// reader calls for every declaration it recognises, the two layers of
// declarations (the specification's own and the imported ones of include
// files), and their state. Include files and the resolution pass work on
// these lists (parser_includes.h, parser_resolve.h).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/action_modules.h"
#include "model/parser_attributes.h"
#include "model/parser_constants.h"
#include "model/rule_model.h"

namespace zedra {

class Diagnostics;
class OptionSet;
class SymbolTable;
class TypeTable;

struct LocatedName {
  std::string name;
  int line = 0;
};
using LocatedNames = std::vector<LocatedName>;
using Names = std::vector<std::string>;

// A terminal name of a TERMINALS section (not in the symbol table).
using TerminalList = LocatedNames;

// The lists of one layer, apart from the action modules, which keep both
// layers in `ParserActions`.
struct DeclarationLayer {
  ConstantList constants;
  AttributeList attributes;
  RuleList rules;
  TerminalList terminals;
};

class ParserDeclarations {
 public:
  // `options` receives the words of every OPTIONS clause; without one the
  // clauses are read but have no effect.
  ParserDeclarations(Diagnostics& diagnostics, SymbolTable& symbols, TypeTable& types,
                     OptionSet* options);
  ParserDeclarations(const ParserDeclarations&) = delete;
  ParserDeclarations& operator=(const ParserDeclarations&) = delete;

  // Operations of the reader, in the order of the text.
  void apply_options(const Names& names);
  void add_definition_modules(const Names& names);
  void queue_includes(LocatedNames names);
  void add_terminals(LocatedNames names);
  void declare_type(const std::string& name, const Names& values);
  void declare_constants(const Names& names, const std::string& type_name);
  void declare_action(const std::string& name);
  void add_formals(Direction direction, const Names& names, const std::string& type_name);
  void declare_attribute(const std::string& name, const std::string& type_name);
  void set_attribute_kind(AttributeKind kind, const Names& symbols, std::string default_action);
  void declare_rule(const std::string& name);
  void add_locals(const Names& names, const std::string& type_name);
  void set_rule_body(std::unique_ptr<Group> body);
  void set_root(ItemList before, std::string start, int start_line, ItemList after);

  // The rule whose body is being read (ROOT before the first rule); the
  // reader numbers "attr OF symbol" arguments against it.
  const Rule* current_rule() const { return current_rule_; }

  // A command-line action module (Msg::DuplicateName for a duplicate).
  bool add_command_line_module(const std::string& name);

  // Makes new declarations go to the imported layer (while an include file
  // is read) or back to the own layer; the current records are cleared.
  void build_imported(bool imported);
  bool building_imported() const { return building_imported_; }
  int include_depth() const { return include_depth_; }
  void set_include_depth(int depth) { include_depth_ = depth; }

  const LocatedNames& include_queue() const { return include_queue_; }
  void clear_include_queue() { include_queue_.clear(); }
  bool root_set() const { return root_set_; }

  Rule& root() { return *own.rules.rules.front(); }

  Diagnostics& diagnostics() { return diagnostics_; }
  SymbolTable& symbols() { return symbols_; }
  TypeTable& types() { return types_; }

  ParserActions actions;
  DeclarationLayer own;
  DeclarationLayer imported;

 private:
  DeclarationLayer& layer() { return building_imported_ ? imported : own; }
  ModuleList& module_list() { return building_imported_ ? actions.imported : actions.own; }

  Diagnostics& diagnostics_;
  SymbolTable& symbols_;
  TypeTable& types_;
  OptionSet* options_;

  bool building_imported_ = false;
  bool declaration_valid_ = false;
  ParserAttribute* current_attribute_ = nullptr;
  Rule* current_rule_ = nullptr;
  LocatedNames include_queue_;
  int include_depth_ = 0;
  int missing_module_reports_ = 0;
  bool root_set_ = false;
};

}  // namespace zedra
