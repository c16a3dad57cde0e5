// The reader of the scanner dialect: checks the token stream against the
// grammar of the dialect and calls the declaration operations and the NFA
// construction at the points the grammar fixes, so the automaton is built
// while the specification is read.
#pragma once

#include "token_cursor.h"

namespace zedra {

class Nfa;
class ScannerDeclarations;
class SpecSource;

// Reads `source` to its end: accepted, failed at a syntax error
// (Msg::ErrorAt) or at a character set without ranges
// (Msg::CharacterSetWithoutRange), or parse stack overflow. Declaration
// errors are reported by the declaration operations and do not stop the
// reading.
ReadResult read_scanner_specification(SpecSource& source, ScannerDeclarations& declarations,
                                      Nfa& nfa);

}  // namespace zedra
