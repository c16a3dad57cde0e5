#include "model/terminals.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "diagnostics.h"

namespace zedra {

AssignmentList make_assignments(const Initialisations& initialisations) {
  AssignmentList list;
  list.reserve(initialisations.size());
  for (auto it = initialisations.rbegin(); it != initialisations.rend(); ++it)
    list.push_back(AttributeAssignment{it->attribute, it->value, it->line});
  return list;
}

const AssignmentList& Terminal::assignments() const {
  return latest ? latest->assignments : own_assignments;
}

bool TerminalTable::terminal_new(std::string_view name) {
  if (!terminals_.add(name)) return false;
  has_current_representation_ = false;
  return true;
}

void TerminalTable::continue_terminal(Terminal& terminal) {
  terminals_.make_current(terminal);
  has_current_representation_ = !terminal.representations.empty();
  if (has_current_representation_) current_representation_ = terminal.representations.begin();
}

const Terminal* TerminalTable::find_representation(std::string_view text) const {
  const auto found = owners_.find(std::string(text));
  return found == owners_.end() ? nullptr : found->second;
}

Representation* TerminalTable::add_representation(std::string text, bool is_symbol,
                                                  AssignmentList assignments) {
  Terminal* terminal = current();
  if (!terminal) return nullptr;
  if (const Terminal* owner = find_representation(text)) {
    diagnostics_.report(Msg::DuplicateRhs, text, *owner->name);
    return nullptr;
  }
  owners_.emplace(text, terminal);
  auto& representations = terminal->representations;
  const auto position = has_current_representation_ ? std::next(current_representation_)
                                                    : representations.begin();
  current_representation_ = representations.insert(
      position, Representation{std::move(text), is_symbol, std::move(assignments)});
  has_current_representation_ = true;
  terminal->latest = &*current_representation_;
  return &*current_representation_;
}

Terminal* TerminalTable::terminal_find(std::string_view name) {
  return const_cast<Terminal*>(std::as_const(*this).terminal_find(name));
}

const Terminal* TerminalTable::terminal_find(std::string_view name) const {
  return terminals_.find(name);
}

bool some_terminal_looks_up_keywords(const TerminalList& terminals) {
  return std::any_of(terminals.begin(), terminals.end(),
                     [](const Terminal& terminal) { return terminal.looks_up_keywords(); });
}

bool TerminalTable::has_keywords() const {
  return std::any_of(list().begin(), list().end(), [](const Terminal& terminal) {
    return std::any_of(terminal.representations.begin(), terminal.representations.end(),
                       [](const Representation& r) { return !r.is_symbol; });
  });
}

void TerminalTable::release(bool /*all*/) {
  terminals_.release();
  owners_.clear();
  has_current_representation_ = false;
}

}  // namespace zedra
