// The value types of attributes, constants, parameters and locals, with the
// values of enumeration types, in three layers: the predefined types, the
// specification's own types and the imported types of include files.
#pragma once

#include <list>
#include <string>
#include <string_view>

namespace zedra {

class SymbolTable;

struct TypeValue {
  const std::string* name;  // the symbol table's copy
};

struct TypeRecord {
  const std::string* name;       // the symbol table's copy
  std::list<TypeValue> values;   // in declaration order; empty without values
};

using TypeList = std::list<TypeRecord>;

class TypeTable {
 public:
  enum class Layer { Own, Predefined, Imported };

  explicit TypeTable(SymbolTable& symbols) : symbols_(symbols) {}
  TypeTable(const TypeTable&) = delete;
  TypeTable& operator=(const TypeTable&) = delete;

  // Enters the name and inserts a type without values after the current
  // type of the layer being built; it becomes the current type. False when
  // the name was not entered.
  bool type_new(std::string_view name);
  // Enters the name and inserts it as a value after the current value of the
  // current type. False without a current type (nothing is reported) or when
  // the name was not entered.
  bool type_value_new(std::string_view name);

  // Searches the own, the predefined and the imported types; null when not
  // found or for an empty name.
  const TypeRecord* type_find(std::string_view name) const;
  // Searches the values of `type` only; null when either is missing.
  static const TypeValue* type_value_find(std::string_view name, const TypeRecord* type);
  // The type that has a value `name`, searched as type_find searches; null
  // when none has.
  const TypeRecord* value_type_find(std::string_view name) const;

  // Frees the own types (their names leave the symbol table); with `all`
  // also the predefined and the imported layer.
  void types_free(bool all);

  // Makes `layer` the list being built: types created next are appended
  // behind its last type, which becomes the current type. The drivers build
  // the predefined layer, the include reader the imported layer, and the
  // specification its own layer.
  void build_into(Layer layer);
  Layer building() const { return building_; }
  // Clears the current type and value: the next type starts the list being
  // built (used before the predefined types are built).
  void reset_current();

  const TypeList& layer(Layer layer) const;
  // The last type created (or made current by `build_into`), or null.
  const TypeRecord* current_type() const;

 private:
  TypeList& list_of(Layer layer);
  void free_list(TypeList& list);

  SymbolTable& symbols_;
  TypeList own_, predefined_, imported_;
  Layer building_ = Layer::Own;
  // Positions in the list being built; end() of that list means none.
  TypeList::iterator current_type_ = own_.end();
  std::list<TypeValue>::iterator current_value_{};
  bool has_current_value_ = false;
};

// Builds the five predefined types in pgen's order (boolean with true and
// false, char, integer, real, string) into the predefined layer, with the
// reserved-word test off, and returns to building the own layer.
void build_pgen_predefined_types(TypeTable& types, SymbolTable& symbols);

}  // namespace zedra
