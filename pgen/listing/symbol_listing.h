// The symbol lists of the listing: "ALL NON-TERMINAL SYMBOLS" and
// "ALL TERMINAL SYMBOLS".
#pragma once

namespace zedra {

class Listing;
class ParserDeclarations;

void list_all_symbols(Listing& listing, const ParserDeclarations& declarations);

}  // namespace zedra
