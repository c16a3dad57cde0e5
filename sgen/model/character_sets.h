// Character sets of the CHARSETS section: named lists of disjoint ranges of
// character codes.
// (Known in the design as the module `scanchs`.)
#pragma once

#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "model/record_list.h"

namespace zedra {

class Diagnostics;

// Codes the automaton supports: every byte value, so that text in UTF-8 or
// any other 8-bit encoding passes through a scanner byte for byte.
inline constexpr int kMaxCharacterCode = 255;

struct CharacterRange {
  int low = 0;
  int high = 0;  // below `low`: stored, but contributes no character
};

struct CharacterSet {
  const std::string* name = nullptr;  // the symbol table's copy
  std::vector<CharacterRange> ranges;  // in declaration order
};

using CharacterSetList = std::list<CharacterSet>;

class CharsetTable {
 public:
  CharsetTable(Diagnostics& diagnostics, SymbolTable& symbols)
      : diagnostics_(diagnostics), sets_(symbols) {}

  // Enters the name and inserts an empty set after the current one, which
  // it becomes. False when the name was not entered.
  bool charset_new(std::string_view name) { return sets_.add(name) != nullptr; }
  // Appends [low, high] to the current set: nothing without a current set;
  // Msg::OverlappingRanges when it meets a range of the set; an error for
  // codes outside 0..255. False when not added.
  bool charset_add_range(int low, int high);
  // Forgets the current set, so that ranges of a rejected head are ignored.
  void clear_current() { sets_.clear_current(); }
  const CharacterSet* charset_find(std::string_view name) const { return sets_.find(name); }

  const CharacterSetList& list() const { return sets_.records(); }
  // sgen predefines no sets, so `all` frees nothing more.
  void release(bool /*all*/) { sets_.release(); }

 private:
  Diagnostics& diagnostics_;
  RecordList<CharacterSet> sets_;
};

}  // namespace zedra
