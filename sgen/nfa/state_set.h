// A set of the small integers 0 to 255: the state numbers of the automata
// and the character codes that lead into a state. The NFA, the DFA and the
// minimisation all work on this one type.
#pragma once

#include <array>
#include <cstdint>

namespace zedra {

class StateSet {
 public:
  static constexpr int kLimit = 256;  // members are 0 .. kLimit - 1
  static constexpr int kWordBits = 32;
  static constexpr int kWords = kLimit / kWordBits;

  StateSet() = default;
  // The set of the single member `n`.
  static StateSet of(int n) {
    StateSet set;
    set.insert(n);
    return set;
  }

  void clear();
  bool contains(int n) const;
  // Numbers outside 0..255 are ignored by insert, insert_range and remove.
  void insert(int n);
  // Inserts every number of the closed range [low, high]; nothing when
  // high < low.
  void insert_range(int low, int high);
  void remove(int n);

  StateSet& operator|=(const StateSet& other);  // union
  StateSet& operator&=(const StateSet& other);  // intersection
  StateSet& operator-=(const StateSet& other);  // difference
  StateSet& operator^=(const StateSet& other);  // symmetric difference
  bool operator==(const StateSet& other) const;
  bool is_subset_of(const StateSet& other) const;
  bool empty() const { return length_ == 0; }
  int size() const;

  // The smallest member at or above `from`, or -1; the set is unchanged.
  int next(int from = 0) const;
  // The smallest member at or above `from`, removed from the set; -1 when
  // there is none.
  int take_next(int from = 0);

  // Calls `visit(n)` for every member in ascending order.
  template <class Visit>
  void for_each(Visit visit) const {
    for (int n = next(0); n >= 0; n = next(n + 1)) visit(n);
  }

 private:
  // Drops the zero words at the top, so that equal sets have equal
  // representations and the empty set has length 0.
  void trim();

  int length_ = 0;  // words in use; words at and above it are zero
  std::array<std::uint32_t, kWords> words_{};
};

inline StateSet operator|(StateSet a, const StateSet& b) { return a |= b; }
inline StateSet operator&(StateSet a, const StateSet& b) { return a &= b; }
inline StateSet operator-(StateSet a, const StateSet& b) { return a -= b; }

}  // namespace zedra
