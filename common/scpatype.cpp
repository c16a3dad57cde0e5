#include "scpatype.h"

#include <iterator>

#include "symtab.h"

namespace zedra {

TypeList& TypeTable::list_of(Layer layer) {
  switch (layer) {
    case Layer::Predefined: return predefined_;
    case Layer::Imported: return imported_;
    case Layer::Own: break;
  }
  return own_;
}

const TypeList& TypeTable::layer(Layer layer) const {
  return const_cast<TypeTable*>(this)->list_of(layer);
}

const TypeRecord* TypeTable::current_type() const {
  const TypeList& list = layer(building_);
  return current_type_ == list.end() ? nullptr : &*current_type_;
}

void TypeTable::reset_current() {
  current_type_ = list_of(building_).end();
  has_current_value_ = false;
}

void TypeTable::build_into(Layer layer) {
  building_ = layer;
  TypeList& list = list_of(layer);
  current_type_ = list.empty() ? list.end() : std::prev(list.end());
  has_current_value_ = current_type_ != list.end() && !current_type_->values.empty();
  if (has_current_value_) current_value_ = std::prev(current_type_->values.end());
}

bool TypeTable::type_new(std::string_view name) {
  const std::string* stored = symbols_.enter(name);
  if (!stored) return false;
  TypeList& list = list_of(building_);
  const auto position = current_type_ == list.end() ? list.begin() : std::next(current_type_);
  current_type_ = list.insert(position, TypeRecord{stored, {}});
  has_current_value_ = false;
  return true;
}

bool TypeTable::type_value_new(std::string_view name) {
  if (current_type_ == list_of(building_).end()) return false;
  const std::string* stored = symbols_.enter(name);
  if (!stored) return false;
  auto& values = current_type_->values;
  const auto position = has_current_value_ ? std::next(current_value_) : values.begin();
  current_value_ = values.insert(position, TypeValue{stored});
  has_current_value_ = true;
  return true;
}

const TypeRecord* TypeTable::type_find(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const TypeList* list : {&own_, &predefined_, &imported_})
    for (const TypeRecord& type : *list)
      if (*type.name == name) return &type;
  return nullptr;
}

const TypeValue* TypeTable::type_value_find(std::string_view name, const TypeRecord* type) {
  if (name.empty() || !type) return nullptr;
  for (const TypeValue& value : type->values)
    if (*value.name == name) return &value;
  return nullptr;
}

const TypeRecord* TypeTable::value_type_find(std::string_view name) const {
  for (const TypeList* list : {&own_, &predefined_, &imported_})
    for (const TypeRecord& type : *list)
      if (type_value_find(name, &type)) return &type;
  return nullptr;
}

void TypeTable::free_list(TypeList& list) {
  for (const TypeRecord& type : list) {
    for (const TypeValue& value : type.values) symbols_.remove(*value.name);
    symbols_.remove(*type.name);
  }
  list.clear();
}

void TypeTable::types_free(bool all) {
  free_list(own_);
  if (all) {
    free_list(predefined_);
    free_list(imported_);
  }
  reset_current();
}

void build_pgen_predefined_types(TypeTable& types, SymbolTable& symbols) {
  const bool reserved_test = symbols.reserved_test();
  symbols.set_reserved_test(false);  // "char" is a C keyword
  types.build_into(TypeTable::Layer::Predefined);
  types.type_new("boolean");
  types.type_value_new("true");
  types.type_value_new("false");
  for (const char* name : {"char", "integer", "real", "string"}) types.type_new(name);
  types.build_into(TypeTable::Layer::Own);
  symbols.set_reserved_test(reserved_test);
}

}  // namespace zedra
