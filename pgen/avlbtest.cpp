#include "pgen/avlbtest.h"

#include "common/diagnostics.h"
#include "common/parser_declarations.h"

namespace zedra {

void check_attribute_declarations(Diagnostics&, const ParserDeclarations&) {}

void test_rule_availability(Diagnostics&, ParserDeclarations&, Rule&) {}

void check_attributes_used(Diagnostics&, const ParserDeclarations&) {}

}  // namespace zedra
