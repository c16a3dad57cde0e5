// The subsets of NFA states that the subset construction finds: the NFA
// states a DFA state stands for, the NFA states they were reached from and
// the characters that lead into them.
#pragma once

#include <memory>
#include <vector>

#include "nfa/state_set.h"

namespace zedra {

struct Subset {
  StateSet states;       // the NFA states
  StateSet induced_by;   // the NFA states from which they were reached
  StateSet input_chars;  // the characters that lead into them
};

// A table of at most 256 subsets, numbered 0 to 255.
class SubsetTable {
 public:
  static constexpr int kCapacity = StateSet::kLimit;

  void clear() { subsets_.clear(); }
  int highest() const { return static_cast<int>(subsets_.size()) - 1; }
  bool full() const { return highest() + 1 >= kCapacity; }
  // Appends an empty subset; null when the table is full.
  Subset* add() {
    if (full()) return nullptr;
    subsets_.push_back(std::make_unique<Subset>());
    return subsets_.back().get();
  }
  Subset* at(int n) { return n >= 0 && n <= highest() ? subsets_[static_cast<std::size_t>(n)].get() : nullptr; }
  const Subset* at(int n) const {
    return n >= 0 && n <= highest() ? subsets_[static_cast<std::size_t>(n)].get() : nullptr;
  }

 private:
  std::vector<std::unique_ptr<Subset>> subsets_;
};

}  // namespace zedra
