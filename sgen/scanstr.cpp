#include "sgen/scanstr.h"

#include <iterator>

#include "common/symtab.h"

namespace zedra {

bool ScannerStringTable::scanner_string_new(std::string_view name) {
  const std::string* entered = symbols_.enter(name);
  if (!entered) return false;
  const auto position = current_ == list_.end() ? list_.begin() : std::next(current_);
  current_ = list_.insert(position, ScannerString{entered, std::nullopt});
  return true;
}

const ScannerString* ScannerStringTable::scanner_string_find(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const ScannerString& string : list_)
    if (*string.name == name) return &string;
  return nullptr;
}

void ScannerStringTable::release(bool /*all*/) {
  for (const ScannerString& string : list_) symbols_.remove(*string.name);
  list_.clear();
  current_ = list_.end();
}

}  // namespace zedra
