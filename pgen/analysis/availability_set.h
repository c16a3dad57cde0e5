// The availability sets of the attribute test: which attribute instances
// and locals hold a value at a point of a rule body, each with the number
// of times it was read since.
//
// The element order is observable (the usage warnings and the availability
// sets in the listing follow it), and it is the order of a list that grows
// at the front: `add` puts a new element first, and copying a set adds the
// source's elements one by one, so a copy comes out reversed.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace zedra {

struct AttributeInstance {
  std::string attribute;  // attribute or local name
  std::string symbol;     // empty for a local
  int number = 0;         // occurrence number; 0 for the rule's own and for locals
  int uses = 0;           // how often it was read as an IN argument

  bool is_local() const { return symbol.empty(); }
  // "attr of X#k" for an attribute, the bare name for a local.
  std::string text() const;
};

class AvailabilitySet {
 public:
  // The elements in set order, the first first.
  class Iterator;
  Iterator begin() const;
  Iterator end() const;
  bool empty() const { return elements_.empty(); }
  std::size_t size() const { return elements_.size(); }

  AttributeInstance* find(const std::string& attribute, const std::string& symbol, int number);
  const AttributeInstance* find(const std::string& attribute, const std::string& symbol,
                                int number) const;
  bool contains(const AttributeInstance& instance) const;

  // Puts `instance` first unless an equal one is in the set; a found one
  // takes the given use count when that is not 0.
  void add(const AttributeInstance& instance);
  // Adds the elements of `source` in its order.
  void add_all(const AvailabilitySet& source);
  // Keeps exactly the elements that `other` holds too, with their own
  // counts and order.
  void intersect(const AvailabilitySet& other);

  // The elements' texts separated by ", ".
  std::string text() const;

 private:
  // The position of the element, or elements_.size() when there is none.
  std::size_t position_of(const std::string& attribute, const std::string& symbol,
                          int number) const;

  // Stored last element first, so that adding at the front is a push_back.
  std::vector<AttributeInstance> elements_;
  // The positions by element, for a set of this size or more, made when it
  // is first searched and kept up by `add` (a long alternative collects
  // thousands of instances, which a search one by one makes cubic).
  static constexpr std::size_t kIndexThreshold = 16;
  mutable std::unordered_map<std::string, std::size_t> index_;
};

class AvailabilitySet::Iterator {
 public:
  using Base = std::vector<AttributeInstance>::const_reverse_iterator;
  explicit Iterator(Base at) : at_(at) {}
  const AttributeInstance& operator*() const { return *at_; }
  const AttributeInstance* operator->() const { return &*at_; }
  Iterator& operator++() {
    ++at_;
    return *this;
  }
  bool operator==(const Iterator& other) const = default;

 private:
  Base at_;
};

inline AvailabilitySet::Iterator AvailabilitySet::begin() const {
  return Iterator(elements_.rbegin());
}
inline AvailabilitySet::Iterator AvailabilitySet::end() const { return Iterator(elements_.rend()); }

// A new set with the elements of `source` added in order (so reversed).
AvailabilitySet copy_of(const AvailabilitySet& source);
// A copy of `first`, then the elements of `second` added.
AvailabilitySet united(const AvailabilitySet& first, const AvailabilitySet& second);

}  // namespace zedra
