// Parser attributes: global, inherited and synthesised attributes with
// their associated symbols, and the "ATTRIBUTES" listing section.
// (Known in the design as the module `parsattr`.)
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace zedra {

class Listing;
struct Action;
struct Rule;
struct TypeRecord;

enum class AttributeKind : int { Global = 0, Inherited = 1, Synthesised = 2 };

struct AssociatedSymbol {
  std::string name;
  const Rule* rule = nullptr;  // when the symbol is a nonterminal
};

struct ParserAttribute {
  const std::string* name = nullptr;  // the symbol table's copy
  std::string type_name;
  std::string file;  // where it was declared: the specification or an include file
  int line = 0;
  const TypeRecord* type = nullptr;
  AttributeKind kind = AttributeKind::Global;
  std::vector<AssociatedSymbol> symbols;
  std::string default_action_name;
  const Action* default_action = nullptr;
  int use_count = 0;

  bool is_associated_with(const std::string& symbol) const;
};

using AttributeList = std::vector<std::unique_ptr<ParserAttribute>>;

// The first attribute of that name in `own`, then in `imported`.
ParserAttribute* find_attribute(const AttributeList& own, const AttributeList& imported,
                                const std::string& name);

// The "ATTRIBUTES" section for the own attributes (nothing when there are
// none); resets their use counts.
void list_parser_attributes(Listing& listing, const AttributeList& own);

}  // namespace zedra
