#include "listing/symbol_listing.h"

#include "listing.h"
#include "front/parser_declarations.h"

namespace zedra {

void list_all_symbols(Listing& listing, const ParserDeclarations& declarations) {
  listing.raw("\nALL NON-TERMINAL SYMBOLS:\n");
  for (const auto& rule : declarations.own.rules.rules) listing.raw_printf("%s\n", rule->name.c_str());
  listing.raw("\nALL TERMINAL SYMBOLS:\n");
  for (const DeclarationLayer* layer : {&declarations.own, &declarations.imported})
    for (const LocatedName& terminal : layer->terminals) listing.raw_printf("%s\n", terminal.name.c_str());
}

}  // namespace zedra
