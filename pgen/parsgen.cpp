#include "pgen/parsgen.h"

namespace zedra {

void generate_parser(Diagnostics&, const ParserDeclarations&, const PgenOptions&) {}

}  // namespace zedra
