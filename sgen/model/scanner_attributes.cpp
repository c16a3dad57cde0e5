#include "model/scanner_attributes.h"

#include <algorithm>

namespace zedra {

bool ScannerAttribute::lists_terminal(std::string_view terminal_name) const {
  return std::any_of(terminals.begin(), terminals.end(),
                     [&](const AssociatedTerminal& t) { return t.name == terminal_name; });
}

const ScannerAttribute* ScannerAttributeTable::scanner_attribute_find(
    std::string_view name, const TypeRecord* type) const {
  if (name.empty()) return nullptr;
  for (const ScannerAttributeList* list : {&attributes_.records(), &predefined_.records()})
    for (const ScannerAttribute& attribute : *list)
      if (*attribute.name == name && (!type || attribute.type == type)) return &attribute;
  return nullptr;
}

void ScannerAttributeTable::release(bool all) {
  attributes_.release();
  if (all) predefined_.release();
}

}  // namespace zedra
