// Generation of the scanner: the header M.h (token codes, attribute records
// and procedure prototypes), the source M.c (token names, sorted keyword
// table, attribute procedures and the switch-based i_next_token) and the
// include file M.inc that tells the parser generator the terminals, types
// and scanner attributes.
// (Known in the design as the module `scangen`.)
#pragma once

#include <string>

#include "scpatype.h"
#include "dfa/dfa.h"
#include "nfa/state_set.h"

namespace zedra {

class CodeWriter;
class Diagnostics;
class ScannerDeclarations;

// Everything the generated files are written from.
struct ScannerSources {
  const ScannerDeclarations& declarations;
  const TypeList& types;  // the specification's own types
  // The minimised DFA: one `case` per representative state; the group
  // fields lead merged states to their representatives.
  const Dfa& automaton;
};

// Writes "<module>.h", "<module>.c" and "<module>.inc" in this order; each
// completed file is reported with message 75. False at the first file that
// cannot be opened (message 32 is out; the run ends with status 1).
[[nodiscard]] bool generate_scanner_files(Diagnostics& diagnostics, const ScannerSources& sources,
                            const std::string& module);

// The three files, each written through an open `code` writer.
void write_scanner_header(CodeWriter& code, Diagnostics& diagnostics,
                          const ScannerSources& sources, const std::string& module);
void write_scanner_source(CodeWriter& code, Diagnostics& diagnostics,
                          const ScannerSources& sources, const std::string& module);
void write_scanner_include(CodeWriter& code, const ScannerSources& sources);

// The parts of the scanner source.
void write_keyword_table(CodeWriter& code, Diagnostics& diagnostics,
                         const ScannerDeclarations& declarations);
void write_attribute_procedures(CodeWriter& code, const ScannerDeclarations& declarations);
void write_next_token(CodeWriter& code, const Dfa& automaton);
// The condition of a transition on `chars`: runs of consecutive codes
// 0 to 128, "(i_ch >= 'a' && i_ch <= 'z')", "i_ch == 'x' || i_ch == 'y'",
// "i_ch == 'x'", joined by " || ".
void write_char_condition(CodeWriter& code, const StateSet& chars);
// `text` as the inside of a C string literal: backslash and double quote
// are escaped, every other character is kept.
std::string c_string_body(const std::string& text);

}  // namespace zedra
