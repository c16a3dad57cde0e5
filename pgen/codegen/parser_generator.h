// The parser generator's last phase: writes the recursive-descent parser
// "<module>.c" from the rule model and the sets of the LL(1) analysis
// (FIRST of every secondary, DIRSET of every group, alternative and CHAIN),
// with or without the marker-set protocol of error recovery, ending with
// main() (PROGRAM) or "<module>_parser" (MODULE).
// (Known in the design as the module `parsgen`.)
#pragma once

namespace zedra {

class Diagnostics;
class ParserDeclarations;
class PgenOptions;

// Writes "<module>.c", the module name being the diagnostics' one. Call it
// only when no error was counted and the option "parser" is set. False when
// the file cannot be created (message 32 is out; the run ends with status 1).
// With `fast` (pgen --fast) and at most 64 tokens, the marker sets are bit
// sets passed by value and the token lists bit masks (the fast shape): the
// same parse, the same messages, without variable argument lists.
[[nodiscard]] bool generate_parser(Diagnostics& diagnostics, const ParserDeclarations& declarations,
                     const PgenOptions& options, bool fast = false);

}  // namespace zedra
