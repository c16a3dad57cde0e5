// The include files of a parser specification: each is read as a layer of
// imported declarations (its own action module, types, constants,
// attributes, rules and terminals) and resolved on its own.
#pragma once

namespace zedra {

class ParserDeclarations;
class SpecSource;

// Reads the queued include files in order, each "<first 8 characters>.inc"
// from the working directory or else from "<installation>/include". Gives 0,
// or 1 when a file could not be opened or read, or an error was counted;
// the run must then stop. Afterwards the own layer is current again.
int read_includes(ParserDeclarations& declarations, SpecSource& source);

}  // namespace zedra
