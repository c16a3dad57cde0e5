// Helpers of the automaton tests.
#pragma once

#include <vector>

#include "nfa/state_set.h"

namespace zedra::test {

// The members of `set` in ascending order, for comparisons in tests.
inline std::vector<int> members(const StateSet& set) {
  std::vector<int> result;
  set.for_each([&](int n) { result.push_back(n); });
  return result;
}

}  // namespace zedra::test
