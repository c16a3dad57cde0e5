// Construction of the scanner's NFA while the specification is read: a
// position automaton in which every state stands for one occurrence of a
// character class and is entered on the characters of that class. A part
// of a regular expression is described by its first and last states and
// whether it matches the empty string, so no empty transitions exist.
// (Known in the design as the module `scanstat`.)
#pragma once

#include <optional>
#include <string>

#include "nfa/automaton.h"
#include "nfa/state_set.h"

namespace zedra {

class Diagnostics;
struct CharacterSet;
struct Terminal;

// The value of a regular expression or of a part of one.
struct Fragment {
  StateSet firsts;
  StateSet lasts;
  bool nullable = false;
};

// The postfix operators of a primary, by their codes in the grammar.
enum PostfixOperator : int { kPostfixNone = 0, kPostfixOption = 1, kPostfixSeq = 2, kPostfixClos = 3 };
// The operators of a character-set expression.
enum SetOperator : char { kSetFirst = 0, kSetUnion = '+', kSetDifference = '-', kSetIntersection = '*' };

class Nfa {
 public:
  // Marks "the rule may end here" in follow sets during construction. No
  // state ever gets this number: the table stops one state short of it.
  static constexpr int kEndMarker = 255;
  static constexpr int kMaxStates = kEndMarker;  // numbers 0 .. 254

  explicit Nfa(Diagnostics& diagnostics) : diagnostics_(diagnostics) {}
  Nfa(const Nfa&) = delete;
  Nfa& operator=(const Nfa&) = delete;

  // Empties the table and creates the initial state 0 and the spare state 1.
  void init();

  // After the head of a scanner rule: its states begin at the spare.
  void rule_start();
  // The primary of a declared string: one state per character, chained.
  // Msg::NoRightHandSide for a string without (or with an empty) text; the
  // result is then the empty fragment.
  Fragment string_primary(const std::string& name, const std::optional<std::string>& text);
  // Evaluates one step of a character-set expression into `value`: the
  // first set (kSetFirst) becomes the value, each further set is combined
  // with it. False after Msg::CharacterSetWithoutRange (a set without
  // ranges), which ends the reading of the specification.
  bool charset_expression(const CharacterSet& set, SetOperator op, StateSet& value);
  // The primary of an evaluated character-set expression: one state.
  Fragment charset_primary(const StateSet& chars);
  // Applies OPTION, SEQ or CLOS (or none) to the fragment of a primary.
  void postfix(Fragment& fragment, PostfixOperator op);
  // Appends `next` to the sequence `sequence`; `next` is emptied.
  void sequence(Fragment& sequence, Fragment& next);
  // Makes `left` the alternative `left | right`.
  void alternative(Fragment& left, const Fragment& right);
  // Completes the rule: the states at which the rule can end accept
  // `terminal`, and its first states become start states.
  void rule_end(Fragment fragment, const Terminal* terminal);
  // Lays out the literal path of a SYMBOLS representation of `terminal`.
  void literal(const std::string& text, const Terminal* terminal);

  const StateTable& table() const { return table_; }
  StateTable& table() { return table_; }
  // The number of NFA states: the highest in use, leaving out the spare.
  int state_count() const { return table_.highest(); }

 private:
  // Creates a state behind the highest one; Msg::TableFull and -1 when the
  // next number would reach the end marker.
  int new_state();
  // Puts `chars` into the spare state, which becomes used, and creates a
  // new spare. -1 when no spare was left.
  int fill_spare(const StateSet& chars);
  // Lays out the characters of `text` as a chain of states; the first and
  // the last state of the chain, or nothing when no state could be filled.
  std::optional<std::pair<int, int>> lay_out(const std::string& text);
  StateSet& follow(int n);

  Diagnostics& diagnostics_;
  StateTable table_;
  bool has_spare_ = false;
  bool full_explained_ = false;  // the note on what takes states is given once
  int rule_first_state_ = 0;
  StateSet lost_follow_;  // receives follow updates of states that are missing
};

}  // namespace zedra
