#include "analysis/availability_set.h"

#include <algorithm>

#include "cformat.h"

namespace zedra {

std::string AttributeInstance::text() const {
  if (is_local()) return attribute;
  return format("%s of %s#%d", attribute.c_str(), symbol.c_str(), number);
}

namespace {

std::string key_of(const std::string& attribute, const std::string& symbol, int number) {
  std::string key = attribute;
  key += '\0';
  key += symbol;
  key += '\0';
  key += std::to_string(number);
  return key;
}

}  // namespace

std::size_t AvailabilitySet::position_of(const std::string& attribute, const std::string& symbol,
                                         int number) const {
  if (elements_.size() < kIndexThreshold) {
    for (std::size_t i = 0; i < elements_.size(); ++i) {
      const AttributeInstance& element = elements_[i];
      if (element.number == number && element.attribute == attribute && element.symbol == symbol)
        return i;
    }
    return elements_.size();
  }
  if (index_.size() != elements_.size()) {
    index_.clear();
    for (std::size_t i = 0; i < elements_.size(); ++i)
      index_.emplace(key_of(elements_[i].attribute, elements_[i].symbol, elements_[i].number),
                     static_cast<long long>(i) - ahead_);
  }
  const auto found = index_.find(key_of(attribute, symbol, number));
  return found == index_.end() ? elements_.size() : static_cast<std::size_t>(found->second + ahead_);
}

AttributeInstance* AvailabilitySet::find(const std::string& attribute, const std::string& symbol,
                                         int number) {
  const std::size_t at = position_of(attribute, symbol, number);
  return at < elements_.size() ? &elements_[at] : nullptr;
}

const AttributeInstance* AvailabilitySet::find(const std::string& attribute,
                                               const std::string& symbol, int number) const {
  const std::size_t at = position_of(attribute, symbol, number);
  return at < elements_.size() ? &elements_[at] : nullptr;
}

bool AvailabilitySet::contains(const AttributeInstance& instance) const {
  return find(instance.attribute, instance.symbol, instance.number) != nullptr;
}

void AvailabilitySet::add(const AttributeInstance& instance) {
  if (AttributeInstance* found = find(instance.attribute, instance.symbol, instance.number)) {
    if (instance.uses != 0) found->uses = instance.uses;
    return;
  }
  long long stamp;
  if (first_at_back_) {
    elements_.push_back(instance);
    stamp = static_cast<long long>(elements_.size()) - 1 - ahead_;
  } else {
    elements_.push_front(instance);
    stamp = -++ahead_;
  }
  if (!index_.empty()) index_.emplace(key_of(instance.attribute, instance.symbol, instance.number), stamp);
}

void AvailabilitySet::add_all(const AvailabilitySet& source) {
  if (&source == this) return;
  for (const AttributeInstance& element : source) add(element);
}

void AvailabilitySet::intersect(const AvailabilitySet& other) {
  if (&other == this) return;
  std::erase_if(elements_,
                [&](const AttributeInstance& element) { return !other.contains(element); });
  index_.clear();
  ahead_ = 0;
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
