// Conversion actions of the scanner: definition modules with their actions
// (each action turns a lexeme into a value of its type), the nine
// predefined conversions of the module "cgl", and the action files (header
// and template) written for every definition module when they are missing.
// (Known in the design as the module `scanact`.)
#pragma once

#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zedra {

class Diagnostics;
class SymbolTable;
class TypeTable;
struct TypeRecord;

struct DefinitionModule;

struct ScannerAction {
  const std::string* name = nullptr;  // the symbol table's copy
  std::string type_name;              // as declared
  int line = 0;
  const TypeRecord* type = nullptr;   // after resolution
  const DefinitionModule* module = nullptr;
};

struct DefinitionModule {
  std::string name;  // not in the symbol table
  std::vector<std::unique_ptr<ScannerAction>> actions;  // in declaration order
};

using DefinitionModuleList = std::list<DefinitionModule>;

inline constexpr const char* kPredefinedModule = "cgl";
inline constexpr const char* kStringType = "string";

class ScannerActions {
 public:
  ScannerActions(Diagnostics& diagnostics, SymbolTable& symbols)
      : diagnostics_(diagnostics), symbols_(symbols) {}
  ScannerActions(const ScannerActions&) = delete;
  ScannerActions& operator=(const ScannerActions&) = delete;

  // Creates a specification module after the current one (Msg::DuplicateName when
  // one of that name exists); it becomes current with no current action.
  bool module_new(std::string_view name);
  // Enters the name and appends the action to the current module; false
  // without a current module or when the name was not entered.
  bool action_new(std::string_view name);
  ScannerAction* current_action() { return current_action_; }
  DefinitionModule* current_module() { return current_module_; }
  // An action of that name whose type is exactly `type`: the specification's
  // modules first, then the predefined ones; null for an empty name.
  const ScannerAction* action_find(std::string_view name, const TypeRecord* type) const;
  // The first action of that name whatever its type, or null.
  const ScannerAction* action_named(std::string_view name) const;

  // Builds "cgl" with its nine conversions and the predefined types they
  // return, in the documented order, into the predefined layers; afterwards
  // the specification's declarations start new lists.
  void build_predefined(TypeTable& types);
  // The predefined type "string" (null before `build_predefined`).
  const TypeRecord* string_type() const { return string_type_; }

  const DefinitionModuleList& modules() const { return modules_; }
  DefinitionModuleList& modules() { return modules_; }
  const DefinitionModuleList& predefined_modules() const { return predefined_; }

  // Frees the specification's modules and actions (action names leave the
  // symbol table); `all` also the predefined ones.
  void release(bool all);

 private:
  Diagnostics& diagnostics_;
  SymbolTable& symbols_;
  DefinitionModuleList modules_;
  DefinitionModuleList predefined_;
  DefinitionModuleList* building_ = &modules_;
  DefinitionModule* current_module_ = nullptr;
  ScannerAction* current_action_ = nullptr;
  const TypeRecord* string_type_ = nullptr;
};

// Msg::UndefinedReference ("Action", TEXT, OWNER_KIND, OWNER) for an action
// NAME of type WANTED that was not found; when an action of that name
// gives another type, a second line says which.
void report_action_not_found(Diagnostics& diagnostics, const ScannerActions& actions,
                             const std::string& text, std::string_view name,
                             const TypeRecord* wanted, const char* owner_kind,
                             const std::string& owner);

// The header and C file of every named definition module hold what is not
// the scanner's (the user's code, the prototypes of the conversions): no
// output of the run may replace them (Diagnostics::keep_file).
void keep_definition_module_files(Diagnostics& diagnostics, const ScannerActions& actions);

// Writes "<module>.h" and "<module>.c" for every specification module with
// a name and at least one action, each only when no readable file of that
// name exists. The parameter type is the first predefined type ("string").
void write_action_files(Diagnostics& diagnostics, const ScannerActions& actions,
                        const TypeTable& types);

}  // namespace zedra
