// Helpers of the pgen unit tests: a complete front end (diagnostics, symbol
// table, types, declarations) that reads a specification held in a string.
#pragma once

#include <string>

#include "diagnostics.h"
#include "front/parser_declarations.h"
#include "front/parser_reader.h"
#include "front/parser_resolve.h"
#include "scpatype.h"
#include "spec_source.h"
#include "symtab.h"
#include "tests/common/test_support.h"

namespace zedra::test {

struct FrontEnd {
  CapturedStream screen;
  Diagnostics diagnostics{screen.get()};
  SymbolTable symbols{diagnostics};
  TypeTable types{symbols};
  ParserDeclarations declarations{diagnostics, symbols, types, nullptr};
  SpecSource source{diagnostics};

  // Reads `text` as the specification file; gives the reader's result.
  int read(const std::string& text) {
    diagnostics.set_file_name("test.inp");
    diagnostics.set_line(1);
    source.restart(text);
    return read_parser_specification(source, declarations);
  }

  // Reads `text`, enters the predefined types and resolves the own
  // declarations, as the driver does for a specification without includes.
  int read_and_resolve(const std::string& text) {
    int result = read(text);
    build_pgen_predefined_types(types, symbols);
    resolve_declarations(declarations, own_scope(declarations));
    return result;
  }

  Rule& rule(const std::string& name) { return *declarations.own.rules.find(name); }
};

}  // namespace zedra::test
