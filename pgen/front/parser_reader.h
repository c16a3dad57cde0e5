// The reader of the parser dialect: checks the token stream against the
// grammar of the dialect and calls the declaration operations and the rule
// construction at the points the grammar fixes.
#pragma once

#include <cstdio>

#include "token_cursor.h"

namespace zedra {

class Diagnostics;
class ParserDeclarations;
class SpecSource;

// Reads `source` to its end. Syntax errors are reported as Msg::ErrorAt and
// end the reading (there is no recovery); declaration errors are reported
// by the declaration operations and do not.
ReadResult read_parser_specification(SpecSource& source, ParserDeclarations& declarations);

}  // namespace zedra
