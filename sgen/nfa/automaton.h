// The automaton table: the record layout that the NFA, the DFA and the
// minimal DFA share. Every state is entered on the characters of its own
// character set; its successors are the states of its follow set.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "nfa/state_set.h"

namespace zedra {

struct Terminal;

struct AutomatonState {
  StateSet chars;   // the characters on which the state is entered
  StateSet follow;  // the states that may come next
  StateSet group;   // its own number; the minimisation records its group here
  std::vector<std::string> literals;  // SYMBOLS texts ending here, newest first
  const Terminal* terminal = nullptr;  // accepted when the input ends here
};

class StateTable {
 public:
  static constexpr int kCapacity = StateSet::kLimit;  // numbers 0 .. 255

  // Releases every state; the table and both sets become empty.
  void clear();
  // The highest number in use, -1 when the table is empty.
  int highest() const { return static_cast<int>(states_.size()) - 1; }
  bool full() const { return highest() + 1 >= kCapacity; }
  // Appends a state with the next number (group {its number}); null when
  // the table is full. Reporting that is the caller's task.
  AutomatonState* add();
  // The state numbered `n`, or null when there is none.
  AutomatonState* state(int n);
  const AutomatonState* state(int n) const;
  // Releases the state numbered `n`; its number stays in use.
  void release(int n);

  // NFA: the start states; DFA: the successors of state 0.
  StateSet starts;
  StateSet accepting;

 private:
  std::vector<std::unique_ptr<AutomatonState>> states_;
};

}  // namespace zedra
