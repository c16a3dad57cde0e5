#include "nfa/state_set.h"

#include <algorithm>
#include <bit>

namespace zedra {

namespace {

bool in_range(int n) { return n >= 0 && n < StateSet::kLimit; }
std::uint32_t bit_of(int n) { return std::uint32_t{1} << (n % StateSet::kWordBits); }

}  // namespace

void StateSet::clear() {
  words_.fill(0);
  length_ = 0;
}

bool StateSet::contains(int n) const {
  if (!in_range(n)) return false;
  const int word = n / kWordBits;
  return word < length_ && (words_[word] & bit_of(n)) != 0;
}

void StateSet::insert(int n) {
  if (!in_range(n)) return;
  const int word = n / kWordBits;
  // Words above the length are kept zero, so extending needs no clearing.
  length_ = std::max(length_, word + 1);
  words_[word] |= bit_of(n);
}

void StateSet::insert_range(int low, int high) {
  low = std::max(low, 0);
  high = std::min(high, kLimit - 1);
  for (int n = low; n <= high; ++n) insert(n);
}

void StateSet::remove(int n) {
  if (!contains(n)) return;
  words_[n / kWordBits] &= ~bit_of(n);
  trim();
}

StateSet& StateSet::operator|=(const StateSet& other) {
  for (int i = 0; i < other.length_; ++i) words_[i] |= other.words_[i];
  length_ = std::max(length_, other.length_);
  return *this;
}

StateSet& StateSet::operator&=(const StateSet& other) {
  for (int i = 0; i < length_; ++i) words_[i] &= i < other.length_ ? other.words_[i] : 0;
  trim();
  return *this;
}

StateSet& StateSet::operator-=(const StateSet& other) {
  for (int i = 0; i < std::min(length_, other.length_); ++i) words_[i] &= ~other.words_[i];
  trim();
  return *this;
}

StateSet& StateSet::operator^=(const StateSet& other) {
  for (int i = 0; i < other.length_; ++i) words_[i] ^= other.words_[i];
  length_ = std::max(length_, other.length_);
  trim();
  return *this;
}

bool StateSet::operator==(const StateSet& other) const {
  return length_ == other.length_ && words_ == other.words_;
}

bool StateSet::is_subset_of(const StateSet& other) const {
  for (int i = 0; i < length_; ++i) {
    const std::uint32_t theirs = i < other.length_ ? other.words_[i] : 0;
    if ((words_[i] & ~theirs) != 0) return false;
  }
  return true;
}

int StateSet::size() const {
  int count = 0;
  for (int i = 0; i < length_; ++i) count += std::popcount(words_[i]);
  return count;
}

int StateSet::next(int from) const {
  from = std::max(from, 0);
  for (int word = from / kWordBits; word < length_; ++word) {
    std::uint32_t bits = words_[word];
    if (word == from / kWordBits) bits &= ~std::uint32_t{0} << (from % kWordBits);
    if (bits != 0) return word * kWordBits + std::countr_zero(bits);
  }
  return -1;
}

int StateSet::take_next(int from) {
  const int n = next(from);
  if (n >= 0) remove(n);
  return n;
}

void StateSet::trim() {
  while (length_ > 0 && words_[length_ - 1] == 0) --length_;
}

}  // namespace zedra
