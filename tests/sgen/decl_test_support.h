// Helpers of the sgen declaration tests: the declaration layer of one run
// (diagnostics on a captured screen, symbol table, types with the
// predefined layer and conversions, declarations) driven by direct calls of
// the operations that the reader makes.
#pragma once

#include <string>

#include "diagnostics.h"
#include "scpatype.h"
#include "symtab.h"
#include "front/scanner_declarations.h"
#include "tests/common/test_support.h"

namespace zedra::test {

struct ScannerFront {
  CapturedStream screen;
  Diagnostics diagnostics{screen.get()};
  SymbolTable symbols{diagnostics};
  TypeTable types{symbols};
  ScannerDeclarations declarations{diagnostics, symbols, types};

  ScannerFront() {
    declarations.actions.build_predefined(types);
    symbols.set_reserved_test(true);
    diagnostics.set_file_name("test.inp");
    diagnostics.set_line(1);
  }

  // What was reported on the screen so far.
  std::string reports() const { return screen.text(); }

  // A SYMBOLS or KEYWORDS declaration "name : text1 | text2 ... ." without
  // initialisations.
  void symbol(SymbolSection section, const std::string& name,
              std::initializer_list<const char*> texts) {
    declarations.begin_symbol_section(section);
    declarations.declare_symbol(name);
    for (const char* text : texts) declarations.add_representation(text, {});
  }
};

}  // namespace zedra::test
