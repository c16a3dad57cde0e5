// Generation of the scanner: the header M.h (token codes, attribute records
// and procedure prototypes), the source M.c (token names, sorted keyword
// table, attribute procedures and the switch-based i_next_token) and the
// include file M.inc that tells the parser generator the terminals, types
// and scanner attributes.
// (Known in the design as the module `scangen`.)
#pragma once

#include <string>
#include <vector>

#include "scpatype.h"
#include "dfa/dfa.h"
#include "nfa/state_set.h"

namespace zedra {

class CodeWriter;
class Diagnostics;
class ScannerDeclarations;
struct Terminal;

// Everything the generated files are written from.
struct ScannerSources {
  const ScannerDeclarations& declarations;
  const TypeList& types;  // the specification's own types
  // The minimised DFA: one `case` per representative state; the group
  // fields lead merged states to their representatives.
  const Dfa& automaton;
  // The shape of the scanning function: the default one, or the fast one
  // of sgen --fast (which holds the default one as its fallback).
  bool fast = false;
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
// In the fast shape a string attribute filled by get_repr, convert_to_lower
// or convert_to_upper is copied from the lexeme directly.
void write_attribute_procedures(CodeWriter& code, const ScannerDeclarations& declarations,
                                bool fast = false);
void write_next_token(CodeWriter& code, const Dfa& automaton);
// The same function behind the comment `comment` and the header line
// `header`, such as "static void i_scan_default(void)".
void write_scanning_function(CodeWriter& code, const Dfa& automaton, const std::string& comment,
                             const std::string& header);
// The accepting states whose terminal needs work after the loop (VERIFY,
// SKIP or a reserved action), one per terminal, in ascending order.
std::vector<const Terminal*> epilogue_candidates(const Dfa& automaton);
// The scanning functions of the fast shape: the default one as
// i_scan_default, and i_next_token, which walks the automaton with a
// pointer into the input buffer and gives a token to i_scan_default
// whenever anything unusual happens; names are told from the keywords
// (sorted as in i_keywords) by code written for them.
struct KeywordPair;
void write_fast_next_token(CodeWriter& code, const Dfa& automaton,
                           const std::vector<KeywordPair>& keywords);
// The condition of a transition on `chars`: runs of consecutive codes
// 0 to 128, "(i_ch >= 'a' && i_ch <= 'z')", "i_ch == 'x' || i_ch == 'y'",
// "i_ch == 'x'", joined by " || ".
void write_char_condition(CodeWriter& code, const StateSet& chars);
// `text` as the inside of a C string literal: backslash and double quote
// are escaped, every other character is kept.
std::string c_string_body(const std::string& text);
// `value` as an unsigned long long constant of C in hexadecimal, "0x6f64ull".
std::string c_word_constant(unsigned long long value);

}  // namespace zedra
