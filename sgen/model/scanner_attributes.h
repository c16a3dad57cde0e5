// Scanner attributes: synthesised attributes of terminals, each with a type,
// the terminals that carry it and an optional default action.
// (Known in the design as the module `scanattr`.)
#pragma once

#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "model/record_list.h"

namespace zedra {
struct ScannerAction;
struct Terminal;
struct TypeRecord;

struct AssociatedTerminal {
  std::string name;
  const Terminal* terminal = nullptr;  // after resolution
};

struct ScannerAttribute {
  const std::string* name = nullptr;  // the symbol table's copy
  std::string type_name;
  int line = 0;
  const TypeRecord* type = nullptr;  // after resolution
  // In the reverse order of writing.
  std::vector<AssociatedTerminal> terminals;
  std::string default_action_name;
  const ScannerAction* default_action = nullptr;  // after resolution

  bool lists_terminal(std::string_view terminal_name) const;
};

using ScannerAttributeList = std::list<ScannerAttribute>;

class ScannerAttributeTable {
 public:
  explicit ScannerAttributeTable(SymbolTable& symbols) : attributes_(symbols), predefined_(symbols) {}

  // Enters the name and inserts the attribute after the current one, which
  // it becomes. False when the name was not entered.
  bool scanner_attribute_new(std::string_view name) { return attributes_.add(name) != nullptr; }
  // The specification's attributes, then the predefined ones; with a type
  // only an attribute of exactly that type counts.
  const ScannerAttribute* scanner_attribute_find(std::string_view name,
                                                 const TypeRecord* type = nullptr) const;

  ScannerAttribute* current() { return attributes_.current(); }
  const ScannerAttributeList& list() const { return attributes_.records(); }
  ScannerAttributeList& list() { return attributes_.records(); }

  // Frees the attributes (names leave the symbol table); `all` also frees
  // the predefined list (empty in sgen).
  void release(bool all);

 private:
  RecordList<ScannerAttribute> attributes_;
  RecordList<ScannerAttribute> predefined_;
};

}  // namespace zedra
