// Scanner strings of the STRINGS section: named texts that a rule uses as
// the sequence of their characters.
// (Known in the design as the module `scanstr`.)
#pragma once

#include <list>
#include <optional>
#include <string>
#include <string_view>

#include "model/record_list.h"

namespace zedra {

struct ScannerString {
  const std::string* name = nullptr;  // the symbol table's copy
  std::optional<std::string> text;    // none until stored, or when rejected
};

using ScannerStringList = std::list<ScannerString>;

class ScannerStringTable {
 public:
  explicit ScannerStringTable(SymbolTable& symbols) : strings_(symbols) {}

  // Enters the name and inserts the string without text after the current
  // one, which it becomes. False when the name was not entered.
  bool scanner_string_new(std::string_view name) { return strings_.add(name) != nullptr; }
  ScannerString* current() { return strings_.current(); }
  const ScannerString* scanner_string_find(std::string_view name) const {
    return strings_.find(name);
  }

  const ScannerStringList& list() const { return strings_.records(); }
  // sgen predefines no strings, so `all` frees nothing more.
  void release(bool /*all*/) { strings_.release(); }

 private:
  RecordList<ScannerString> strings_;
};

}  // namespace zedra
