#include "analysis/availability_set.h"

#include <algorithm>

#include "cformat.h"

namespace zedra {

std::string AttributeInstance::text() const {
  if (is_local()) return attribute;
  return format("%s of %s#%d", attribute.c_str(), symbol.c_str(), number);
}

namespace {

template <class Elements>
auto find_in(Elements& elements, const std::string& attribute, const std::string& symbol,
             int number) -> decltype(&elements.front()) {
  for (auto& element : elements)
    if (element.number == number && element.attribute == attribute && element.symbol == symbol)
      return &element;
  return nullptr;
}

}  // namespace

AttributeInstance* AvailabilitySet::find(const std::string& attribute, const std::string& symbol,
                                         int number) {
  return find_in(elements_, attribute, symbol, number);
}

const AttributeInstance* AvailabilitySet::find(const std::string& attribute,
                                               const std::string& symbol, int number) const {
  return find_in(elements_, attribute, symbol, number);
}

bool AvailabilitySet::contains(const AttributeInstance& instance) const {
  return find(instance.attribute, instance.symbol, instance.number) != nullptr;
}

void AvailabilitySet::add(const AttributeInstance& instance) {
  if (AttributeInstance* found = find(instance.attribute, instance.symbol, instance.number)) {
    if (instance.uses != 0) found->uses = instance.uses;
    return;
  }
  elements_.push_back(instance);
}

void AvailabilitySet::add_all(const AvailabilitySet& source) {
  if (&source == this) return;
  for (const AttributeInstance& element : source) add(element);
}

void AvailabilitySet::intersect(const AvailabilitySet& other) {
  if (&other == this) return;
  std::erase_if(elements_,
                [&](const AttributeInstance& element) { return !other.contains(element); });
}

std::string AvailabilitySet::text() const {
  std::string result;
  const char* separator = "";
  for (const AttributeInstance& element : *this) {
    result += separator;
    result += element.text();
    separator = ", ";
  }
  return result;
}

AvailabilitySet copy_of(const AvailabilitySet& source) {
  AvailabilitySet copy;
  copy.add_all(source);
  return copy;
}

AvailabilitySet united(const AvailabilitySet& first, const AvailabilitySet& second) {
  AvailabilitySet result = copy_of(first);
  result.add_all(second);
  return result;
}

}  // namespace zedra
