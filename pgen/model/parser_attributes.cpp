#include "model/parser_attributes.h"

#include "listing.h"
#include "scpatype.h"
#include "model/action_modules.h"

namespace zedra {

namespace {

constexpr int kSymbolIndent = 8;
constexpr int kListingWidth = 80;

// The associated symbols, separated by ", ", on lines that start at column
// 8 and end before column 80.
void list_symbols(Listing& listing, const ParserAttribute& attribute) {
  if (attribute.symbols.empty()) {
    listing.raw("***");
    return;
  }
  listing.raw_printf("\n%*s", kSymbolIndent, "");
  int width = kSymbolIndent;
  bool first = true;
  for (const AssociatedSymbol& symbol : attribute.symbols) {
    int length = static_cast<int>(symbol.name.size());
    if (!first) listing.raw(", ");
    first = false;
    if (width + length + 2 > kListingWidth) {
      listing.raw_printf("\n%*s", kSymbolIndent, "");
      width = length + kSymbolIndent + 2;
    } else {
      width += length + 2;
    }
    listing.raw(symbol.name);
  }
}

}  // namespace

bool ParserAttribute::is_associated_with(const std::string& symbol) const {
  for (const AssociatedSymbol& associated : symbols)
    if (associated.name == symbol) return true;
  return false;
}

ParserAttribute* find_attribute(const AttributeList& own, const AttributeList& imported,
                                const std::string& name) {
  for (const AttributeList* list : {&own, &imported})
    for (const auto& attribute : *list)
      if (*attribute->name == name) return attribute.get();
  return nullptr;
}

void list_parser_attributes(Listing& listing, const AttributeList& own) {
  if (own.empty()) return;
  listing.raw("ATTRIBUTES\n");
  for (const auto& attribute : own) {
    attribute->use_count = 0;
    listing.raw_printf("%*s%s: %s", 4, "", attribute->name->c_str(),
                       attribute->type ? attribute->type_name.c_str() : "***");
    if (attribute->kind == AttributeKind::Global) {
      listing.raw(" GLOBAL.\n\n");
      continue;
    }
    listing.raw(attribute->kind == AttributeKind::Inherited ? " INH OF" : " SYN OF");
    list_symbols(listing, *attribute);
    if (attribute->kind == AttributeKind::Synthesised) {
      listing.raw_printf("\n%*sWITH DEFAULT ", kSymbolIndent, "");
      listing.raw(attribute->default_action ? *attribute->default_action->name
                  : attribute->default_action_name.empty() ? std::string("***")
                                                           : attribute->default_action_name);
    }
    listing.raw(".\n\n");
  }
  listing.raw("\n");
}

}  // namespace zedra
