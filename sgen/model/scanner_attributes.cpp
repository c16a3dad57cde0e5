#include "model/scanner_attributes.h"

#include <algorithm>

namespace zedra {

bool ScannerAttribute::lists_terminal(std::string_view terminal_name) const {
  return std::any_of(terminals.begin(), terminals.end(),
                     [&](const AssociatedTerminal& t) { return t.name == terminal_name; });
}

const ScannerAttribute* ScannerAttributeTable::scanner_attribute_find(
    std::string_view name, const TypeRecord* type) const {
  // A name stands in the symbol table once, so in one list at most.
  const ScannerAttribute* attribute = attributes_.find(name);
  if (!attribute) attribute = predefined_.find(name);
  return attribute && (!type || attribute->type == type) ? attribute : nullptr;
}

void ScannerAttributeTable::release(bool all) {
  attributes_.release();
  if (all) predefined_.release();
}

}  // namespace zedra
