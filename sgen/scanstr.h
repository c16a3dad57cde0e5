// Scanner strings of the STRINGS section: named texts that a rule uses as
// the sequence of their characters.
#pragma once

#include <list>
#include <optional>
#include <string>
#include <string_view>

namespace zedra {

class SymbolTable;

struct ScannerString {
  const std::string* name = nullptr;  // the symbol table's copy
  std::optional<std::string> text;    // none until stored, or when rejected
};

using ScannerStringList = std::list<ScannerString>;

class ScannerStringTable {
 public:
  explicit ScannerStringTable(SymbolTable& symbols) : symbols_(symbols) {}
  ScannerStringTable(const ScannerStringTable&) = delete;
  ScannerStringTable& operator=(const ScannerStringTable&) = delete;

  // Enters the name and inserts the string without text after the current
  // one, which it becomes. False when the name was not entered.
  bool scanner_string_new(std::string_view name);
  ScannerString* current() { return current_ == list_.end() ? nullptr : &*current_; }
  const ScannerString* scanner_string_find(std::string_view name) const;

  const ScannerStringList& list() const { return list_; }
  void release(bool all);

 private:
  SymbolTable& symbols_;
  ScannerStringList list_;
  ScannerStringList::iterator current_ = list_.end();
};

}  // namespace zedra
