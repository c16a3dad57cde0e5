#include "sgen/scanattr.h"

#include <algorithm>
#include <iterator>

#include "common/symtab.h"

namespace zedra {

bool ScannerAttribute::lists_terminal(std::string_view terminal_name) const {
  return std::any_of(terminals.begin(), terminals.end(),
                     [&](const AssociatedTerminal& t) { return t.name == terminal_name; });
}

bool ScannerAttributeTable::scanner_attribute_new(std::string_view name) {
  const std::string* entered = symbols_.enter(name);
  if (!entered) return false;
  const auto position = current_ == list_.end() ? list_.begin() : std::next(current_);
  ScannerAttribute attribute;
  attribute.name = entered;
  current_ = list_.insert(position, std::move(attribute));
  return true;
}

const ScannerAttribute* ScannerAttributeTable::scanner_attribute_find(
    std::string_view name, const TypeRecord* type) const {
  if (name.empty()) return nullptr;
  for (const ScannerAttributeList* list : {&list_, &predefined_})
    for (const ScannerAttribute& attribute : *list)
      if (*attribute.name == name && (!type || attribute.type == type)) return &attribute;
  return nullptr;
}

void ScannerAttributeTable::release(bool all) {
  for (const ScannerAttribute& attribute : list_) symbols_.remove(*attribute.name);
  list_.clear();
  current_ = list_.end();
  if (all) {
    for (const ScannerAttribute& attribute : predefined_) symbols_.remove(*attribute.name);
    predefined_.clear();
  }
}

}  // namespace zedra
