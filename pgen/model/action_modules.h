// Action modules of the parser: each module holds actions with their formal
// parameters. pgen writes a C header and a template for every module of the
// specification's own list that is missing on disk, and can list the
// actions ("DEFINED PARSER ACTIONS").
// (Known in the design as the module `parsact`.)
#pragma once

#include <list>
#include <memory>
#include <string>
#include <vector>

namespace zedra {

class Diagnostics;
class Listing;
class SymbolTable;
struct TypeRecord;

enum class Direction : int { In = 0, Out = 1 };

struct FormalParameter {
  std::string name;
  Direction direction = Direction::In;
  std::string type_name;
  int line = 0;
  const TypeRecord* type = nullptr;  // after resolution
};

struct ActionModule;

struct Action {
  const std::string* name = nullptr;  // the symbol table's copy
  const ActionModule* module = nullptr;
  std::vector<FormalParameter> formals;

  const FormalParameter* find_formal(const std::string& formal_name) const;
};

struct ActionModule {
  std::string name;  // may be empty for the unnamed module
  std::vector<std::unique_ptr<Action>> actions;
};

using ModuleList = std::list<ActionModule>;

// The two module lists (own and imported) with the insertion points: the
// current module receives new actions, the current action new parameters.
class ParserActions {
 public:
  ModuleList own;
  ModuleList imported;

  // Adds a module to `list` (Msg::DuplicateName when a module of that name exists
  // in either list). It goes directly after the current module when that has
  // a name, directly before it otherwise, or at the end without a current
  // module; it becomes current. Null on failure.
  ActionModule* add_module(Diagnostics& diagnostics, ModuleList& list, const std::string& name);
  ActionModule* current_module() const { return current_module_; }
  // Forgets the current module (the include reader starts each file fresh).
  void set_current_module(ActionModule* module) { current_module_ = module; }

  // Appends an action to the current module; its name must be new in the
  // symbol table. Null on failure or without a current module.
  Action* add_action(SymbolTable& symbols, const std::string& name);
  Action* current_action() const { return current_action_; }
  void clear_current_action() { current_action_ = nullptr; }

  // Appends a formal parameter to the current action: the name must be
  // legal and new among the action's parameters (Msg::DuplicateName). Null on
  // failure.
  FormalParameter* add_formal(Diagnostics& diagnostics, const SymbolTable& symbols,
                              const std::string& name);

  // The first action of that name in the own modules, then the imported.
  const Action* find_action(const std::string& name) const;
  bool has_module(const std::string& name) const;

 private:
  ModuleList* list_of(const ActionModule* module);

  ActionModule* current_module_ = nullptr;
  Action* current_action_ = nullptr;
};

// "\nvoid name(void)" or "\nvoid name(type *out, type in)".
std::string action_prototype(const Action& action);

// The C files of the specification's named action modules hold the user's
// code: no later output of the run may replace them (Diagnostics::keep_file).
void keep_action_module_files(Diagnostics& diagnostics, const ParserActions& actions);

// Writes "<module>.h" and "<module>.c" for every own module with a name and
// actions, each only when no file of that name exists.
void write_action_modules(Diagnostics& diagnostics, const ParserActions& actions);

// The "DEFINED PARSER ACTIONS" listing section.
void list_parser_actions(Listing& listing, const ParserActions& actions);

}  // namespace zedra
