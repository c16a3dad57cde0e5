// The availability sets of the attribute test: which attribute instances
// and locals hold a value at a point of a rule body, each with the number
// of times it was read since.
//
// The element order is observable (the usage warnings and the availability
// sets in the listing follow it), and it is the order of a list that grows
// at the front: `add` puts a new element first, and copying a set adds the
// source's elements one by one, so a copy comes out reversed. `reverse`
// gives that order without a copy.
#pragma once

#include <deque>
#include <string>
#include <unordered_map>

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
  // Turns the order round, as a copy would, in constant time.
  void reverse() { first_at_back_ = !first_at_back_; }

  // The elements' texts separated by ", ".
  std::string text() const;

 private:
  // The position of the element, or elements_.size() when there is none.
  std::size_t position_of(const std::string& attribute, const std::string& symbol,
                          int number) const;

  // The elements in storage order; the first of the set is at the back or
  // at the front, so that both adding first and reversing take constant
  // time.
  std::deque<AttributeInstance> elements_;
  bool first_at_back_ = true;
  // The number of elements ever put before the front of the storage: an
  // element at storage position i has the stamp i - ahead_, which adding
  // at either end leaves alone.
  long long ahead_ = 0;
  // The stamps by element, for a set of this size or more, made when it
  // is first searched and kept up by `add` (a long alternative collects
  // thousands of instances, which a search one by one makes cubic).
  static constexpr std::size_t kIndexThreshold = 16;
  mutable std::unordered_map<std::string, long long> index_;
};

class AvailabilitySet::Iterator {
 public:
  Iterator(const std::deque<AttributeInstance>& elements, std::size_t at, bool backwards)
      : elements_(&elements), at_(at), backwards_(backwards) {}
  const AttributeInstance& operator*() const {
    return (*elements_)[backwards_ ? elements_->size() - 1 - at_ : at_];
  }
  const AttributeInstance* operator->() const { return &**this; }
  Iterator& operator++() {
    ++at_;
    return *this;
  }
  bool operator==(const Iterator& other) const = default;

 private:
  const std::deque<AttributeInstance>* elements_;
  std::size_t at_;  // the position in set order
  bool backwards_;
};

inline AvailabilitySet::Iterator AvailabilitySet::begin() const {
  return Iterator(elements_, 0, first_at_back_);
}
inline AvailabilitySet::Iterator AvailabilitySet::end() const {
  return Iterator(elements_, elements_.size(), first_at_back_);
}

// A new set with the elements of `source` added in order (so reversed).
AvailabilitySet copy_of(const AvailabilitySet& source);
// A copy of `first`, then the elements of `second` added.
AvailabilitySet united(const AvailabilitySet& first, const AvailabilitySet& second);

}  // namespace zedra
