#include "model/action_modules.h"

#include <algorithm>

#include "diagnostics.h"
#include "output_file.h"
#include "files.h"
#include "listing.h"
#include "scpatype.h"
#include "symtab.h"

namespace zedra {

const FormalParameter* Action::find_formal(const std::string& formal_name) const {
  for (const FormalParameter& formal : formals)
    if (formal.name == formal_name) return &formal;
  return nullptr;
}

bool ParserActions::has_module(const std::string& name) const {
  auto named = [&](const ActionModule& module) { return module.name == name; };
  return std::any_of(own.begin(), own.end(), named) ||
         std::any_of(imported.begin(), imported.end(), named);
}

ModuleList* ParserActions::list_of(const ActionModule* module) {
  for (ModuleList* list : {&own, &imported})
    for (const ActionModule& candidate : *list)
      if (&candidate == module) return list;
  return nullptr;
}

ActionModule* ParserActions::add_module(Diagnostics& diagnostics, ModuleList& list,
                                        const std::string& name) {
  if (has_module(name)) {
    diagnostics.report(Msg::DuplicateName, name);
    return nullptr;
  }
  auto position = list.end();
  if (current_module_ && list_of(current_module_) == &list) {
    position = std::find_if(list.begin(), list.end(),
                            [&](const ActionModule& m) { return &m == current_module_; });
    if (!current_module_->name.empty()) ++position;
  }
  auto inserted = list.insert(position, ActionModule{name, {}});
  current_module_ = &*inserted;
  current_action_ = nullptr;
  return current_module_;
}

Action* ParserActions::add_action(SymbolTable& symbols, const std::string& name) {
  if (!current_module_) return nullptr;
  const std::string* entered = symbols.enter(name);
  if (!entered) return nullptr;
  auto action = std::make_unique<Action>();
  action->name = entered;
  action->module = current_module_;
  current_module_->actions.push_back(std::move(action));
  current_action_ = current_module_->actions.back().get();
  return current_action_;
}

FormalParameter* ParserActions::add_formal(Diagnostics& diagnostics, const SymbolTable& symbols,
                                           const std::string& name) {
  if (!current_action_) return nullptr;
  if (symbols.name_check(name)) return nullptr;
  if (current_action_->find_formal(name)) {
    diagnostics.report(Msg::DuplicateName, name);
    return nullptr;
  }
  FormalParameter formal;
  formal.name = name;
  current_action_->formals.push_back(std::move(formal));
  return &current_action_->formals.back();
}

const Action* ParserActions::find_action(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (const ModuleList* list : {&own, &imported})
    for (const ActionModule& module : *list)
      for (const auto& action : module.actions)
        if (*action->name == name) return action.get();
  return nullptr;
}

std::string action_prototype(const Action& action) {
  if (action.formals.empty()) return "\nvoid " + *action.name + "(void)";
  std::string text = "\nvoid " + *action.name + "(";
  bool first = true;
  for (const FormalParameter& formal : action.formals) {
    if (!first) text += ", ";
    first = false;
    if (!formal.type) continue;
    text += *formal.type->name;
    text += formal.direction == Direction::Out ? " *" : " ";
    text += formal.name;
  }
  return text + ")";
}

namespace {

bool has_unresolved_formal(const ActionModule& module) {
  for (const auto& action : module.actions)
    for (const FormalParameter& formal : action->formals)
      if (!formal.type) return true;
  return false;
}

void write_header(Diagnostics& diagnostics, const ParserActions& actions,
                  const ActionModule& module) {
  const std::string name = diagnostics.output_path(module.name + ".h");
  if (file_access(name) == 0) return;
  ReplacingFile file;
  if (!open_reported(diagnostics, file, name)) return;
  for (const ActionModule& imported : actions.imported)
    if (!imported.name.empty()) std::fprintf(file.stream(), "#include \"%s.h\"\n", imported.name.c_str());
  for (const auto& action : module.actions)
    std::fprintf(file.stream(), "%s;", action_prototype(*action).c_str());
  std::fputs("\n", file.stream());
  // A header with an unresolved parameter type would not compile: it is
  // not kept.
  if (has_unresolved_formal(module)) return;
  if (commit_reported(diagnostics, file, name)) diagnostics.report(Msg::GeneratedFile, name);
}

// Templates are written only where the module's file is missing, so that
// the user's code in it is never replaced; never with --no-templates.
void write_template(Diagnostics& diagnostics, const ActionModule& module) {
  const std::string name = diagnostics.output_path(module.name + ".c");
  if (!diagnostics.templates() || file_access(name) == 0) return;
  diagnostics.report(Msg::ModuleTemplateCreated, name);
  ReplacingFile file;
  if (!open_reported(diagnostics, file, name)) return;
  std::fprintf(file.stream(), "#include \"%s.h\"\n", module.name.c_str());
  for (const auto& action : module.actions)
    std::fprintf(file.stream(), "%s\n{\n\n} /* %s */\n", action_prototype(*action).c_str(),
                 action->name->c_str());
  commit_reported(diagnostics, file, name);
}

}  // namespace

void keep_action_module_files(Diagnostics& diagnostics, const ParserActions& actions) {
  for (const ActionModule& module : actions.own)
    if (!module.name.empty())
      diagnostics.keep_file(diagnostics.output_path(module.name + ".c"),
                            "the file of the action module '" + module.name + "'");
}

void write_action_modules(Diagnostics& diagnostics, const ParserActions& actions) {
  for (const ActionModule& module : actions.own) {
    if (module.name.empty() || module.actions.empty()) continue;
    write_header(diagnostics, actions, module);
    write_template(diagnostics, module);
  }
}

void list_parser_actions(Listing& listing, const ParserActions& actions) {
  listing.raw("\nDEFINED PARSER ACTIONS:\n");
  for (const ModuleList* list : {&actions.own, &actions.imported})
    for (const ActionModule& module : *list)
      for (const auto& action : module.actions) {
        std::string text = *action->name + "(";
        bool first = true;
        for (const FormalParameter& formal : action->formals) {
          if (!first) text += "; ";
          first = false;
          text += formal.direction == Direction::Out ? "OUT " : "IN ";
          text += formal.name + ": " + (formal.type ? *formal.type->name : std::string("??"));
        }
        listing.raw(text + ").\n");
      }
}

}  // namespace zedra
