#include "model/conversion_actions.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

#include "diagnostics.h"
#include "output_file.h"
#include "files.h"
#include "scpatype.h"
#include "symtab.h"

namespace zedra {

bool ScannerActions::module_new(std::string_view name) {
  const bool exists = std::any_of(modules_.begin(), modules_.end(),
                                  [&](const DefinitionModule& m) { return m.name == name; });
  if (exists) {
    diagnostics_.report(Msg::DuplicateName, std::string(name));
    return false;
  }
  auto position = building_->begin();
  if (current_module_) {
    position = std::find_if(building_->begin(), building_->end(),
                            [&](const DefinitionModule& m) { return &m == current_module_; });
    if (position != building_->end()) ++position;
  }
  current_module_ = &*building_->insert(position, DefinitionModule{std::string(name), {}});
  current_action_ = nullptr;
  return true;
}

bool ScannerActions::action_new(std::string_view name) {
  if (!current_module_) return false;
  const std::string* entered = symbols_.enter(name);
  if (!entered) return false;
  auto action = std::make_unique<ScannerAction>();
  action->name = entered;
  action->module = current_module_;
  auto& actions = current_module_->actions;
  auto position = actions.begin();
  if (current_action_)
    position = std::next(std::find_if(actions.begin(), actions.end(),
                                      [&](const auto& a) { return a.get() == current_action_; }));
  current_action_ = actions.insert(position, std::move(action))->get();
  return true;
}

const ScannerAction* ScannerActions::action_find(std::string_view name,
                                                 const TypeRecord* type) const {
  if (name.empty()) return nullptr;
  for (const DefinitionModuleList* list : {&modules_, &predefined_})
    for (const DefinitionModule& module : *list)
      for (const auto& action : module.actions)
        if (*action->name == name && action->type == type) return action.get();
  return nullptr;
}

const ScannerAction* ScannerActions::action_named(std::string_view name) const {
  for (const DefinitionModuleList* list : {&modules_, &predefined_})
    for (const DefinitionModule& module : *list)
      for (const auto& action : module.actions)
        if (*action->name == name) return action.get();
  return nullptr;
}

void ScannerActions::build_predefined(TypeTable& types) {
  struct Conversion {
    const char* type;  // the type is created before its first conversion
    const char* action;
  };
  static constexpr std::array<Conversion, 9> kConversions{{
      {"string", "get_repr"},
      {"string", "convert_to_upper"},
      {"string", "convert_to_lower"},
      {"string", "delete_spaces"},
      {"string", "string_encode"},
      {"boolean", "bool_encode"},
      {"char", "char_encode"},
      {"integer", "int_encode"},
      {"real", "real_encode"},
  }};
  const bool reserved_test = symbols_.reserved_test();
  symbols_.set_reserved_test(false);  // "char" is a C keyword
  types.build_into(TypeTable::Layer::Predefined);
  building_ = &predefined_;
  current_module_ = nullptr;
  module_new(kPredefinedModule);
  for (const Conversion& conversion : kConversions) {
    if (!types.type_find(conversion.type)) {
      types.type_new(conversion.type);
      if (std::string_view(conversion.type) == "boolean") {
        types.type_value_new("true");
        types.type_value_new("false");
      }
    }
    if (!action_new(conversion.action)) continue;
    current_action_->type_name = conversion.type;
    current_action_->type = types.type_find(conversion.type);
  }
  string_type_ = types.type_find(kStringType);
  types.build_into(TypeTable::Layer::Own);
  types.reset_current();
  building_ = &modules_;
  current_module_ = nullptr;
  current_action_ = nullptr;
  symbols_.set_reserved_test(reserved_test);
}

namespace {

void release_modules(SymbolTable& symbols, DefinitionModuleList& modules) {
  for (const DefinitionModule& module : modules)
    for (const auto& action : module.actions) symbols.remove(*action->name);
  modules.clear();
}

}  // namespace

void ScannerActions::release(bool all) {
  release_modules(symbols_, modules_);
  if (all) {
    release_modules(symbols_, predefined_);
    string_type_ = nullptr;
  }
  current_module_ = nullptr;
  current_action_ = nullptr;
}

namespace {

// The return type written for an action, whose type is resolved (a module
// with an untyped action gets no files). A C function cannot return the
// array type "string", so such conversions return `char *`.
std::string return_type(const ScannerAction& action, const TypeRecord* string_type) {
  if (action.type == string_type) return "char *";
  return *action.type->name;
}

void write_header(Diagnostics& diagnostics, const ScannerActions& actions,
                  const DefinitionModule& module, const std::string& parameter_type) {
  const std::string name = diagnostics.output_path(module.name + ".h");
  if (file_access(name) == 0) return;
  ReplacingFile file;
  if (!open_reported(diagnostics, file, name)) return;
  for (const DefinitionModule& predefined : actions.predefined_modules())
    if (!predefined.name.empty())
      std::fprintf(file.stream(), "#include \"%s.h\"\n", predefined.name.c_str());
  for (const auto& action : module.actions)
    std::fprintf(file.stream(), "\n%s\t%s(%s repr);",
                 return_type(*action, actions.string_type()).c_str(), action->name->c_str(),
                 parameter_type.c_str());
  std::fputs("\n", file.stream());
  if (commit_reported(diagnostics, file, name)) diagnostics.report(Msg::GeneratedFile, name);
}

// Reports every action of MODULE without a type; false when there is one.
// Such a module gets no files: a header or template written with "??" in
// place of the type would not compile, and as both are written only where
// they are missing, it would outlive the mended specification. Reporting
// whether or not the files exist gives every run the same errors.
bool report_untyped_actions(Diagnostics& diagnostics, const DefinitionModule& module) {
  bool typed = true;
  for (const auto& action : module.actions)
    if (!action->type) {
      diagnostics.set_line(action->line);
      diagnostics.report(Msg::NoType, "Scanner action", *action->name);
      typed = false;
    }
  diagnostics.set_line(0);
  return typed;
}

// Templates are written only where the module's file is missing, so that
// the user's code in it is never replaced; never with --no-templates.
void write_template(Diagnostics& diagnostics, const ScannerActions& actions,
                    const DefinitionModule& module, const std::string& parameter_type) {
  const std::string name = diagnostics.output_path(module.name + ".c");
  if (!diagnostics.templates() || file_access(name) == 0) return;
  diagnostics.set_line(0);
  diagnostics.report(Msg::ModuleTemplateCreated, name);
  ReplacingFile file;
  if (!open_reported(diagnostics, file, name)) return;
  std::fprintf(file.stream(), "#include \"%s.h\"\n\n", module.name.c_str());
  for (const auto& action : module.actions)
    std::fprintf(file.stream(), "%s\t%s(%s repr)\n{\n\n} /* %s */\n\n",
                 return_type(*action, actions.string_type()).c_str(), action->name->c_str(),
                 parameter_type.c_str(), action->name->c_str());
  commit_reported(diagnostics, file, name);
}

}  // namespace

void report_action_not_found(Diagnostics& diagnostics, const ScannerActions& actions,
                             const std::string& text, std::string_view name,
                             const TypeRecord* wanted, const char* owner_kind,
                             const std::string& owner) {
  diagnostics.report(Msg::UndefinedReference, "Action", text, owner_kind, owner);
  const ScannerAction* named = actions.action_named(name);
  if (named && wanted && named->type)
    diagnostics.report(Msg::FreeText, "  ('%s' gives %s, not %s)", named->name->c_str(),
                       named->type->name->c_str(), wanted->name->c_str());
}

void keep_definition_module_files(Diagnostics& diagnostics, const ScannerActions& actions) {
  for (const DefinitionModule& module : actions.modules())
    if (!module.name.empty())
      for (const char* extension : {".h", ".c"})
        diagnostics.keep_file(diagnostics.output_path(module.name + extension),
                              "the file of the definition module '" + module.name + "'");
}

void write_action_files(Diagnostics& diagnostics, const ScannerActions& actions,
                        const TypeTable& types) {
  const TypeList& predefined = types.layer(TypeTable::Layer::Predefined);
  const std::string parameter_type = predefined.empty() ? "??" : *predefined.front().name;
  for (const DefinitionModule& module : actions.modules()) {
    if (module.name.empty() || module.actions.empty()) continue;
    if (!report_untyped_actions(diagnostics, module)) continue;
    write_header(diagnostics, actions, module, parameter_type);
    write_template(diagnostics, actions, module, parameter_type);
  }
}

}  // namespace zedra
