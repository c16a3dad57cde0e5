// The subset construction: every DFA state stands for a set of NFA states
// together with the characters that lead into it.
#include <memory>
#include <vector>

#include "diagnostics.h"
#include "listing.h"
#include "dfa/dfa.h"
#include "model/terminals.h"
#include "nfa/nfa_construction.h"
#include "listing/set_notation.h"
#include "dfa/subset_table.h"
#include "listing/subset_trace.h"

namespace zedra {

namespace {

constexpr int kTableLimit = StateSet::kLimit - 1;

class SubsetConstruction {
 public:
  SubsetConstruction(Diagnostics& diagnostics, const StateTable& nfa, Dfa& dfa, bool trace)
      : diagnostics_(diagnostics), listing_(diagnostics.listing()), nfa_(nfa), dfa_(dfa), trace_(trace) {}

  void run();

 private:
  void initialise();
  void expand(int current);
  void test_conflicts(const StateSet& states);
  void report_conflict(int earlier, int later);
  void describe_nfa_state(int number);
  void find_targets(const StateSet& states);
  void merge_targets(int current);
  // Creates subset and DFA state with the next number; -1 after Msg::TableFull.
  int create_subset();
  // Msg::TableFull for the subset or state table, with a note the first time.
  void report_full(const char* table);
  void complete();

  const StateSet* nfa_chars(int n) const {
    const AutomatonState* state = nfa_.state(n);
    return state ? &state->chars : nullptr;
  }
  const AutomatonState* nfa_state(int n) const { return nfa_.state(n); }

  Diagnostics& diagnostics_;
  Listing& listing_;
  const StateTable& nfa_;
  Dfa& dfa_;
  bool trace_;
  bool full_explained_ = false;  // the note on a table that is full is given once
  SubsetTable subsets_;
  SubsetTable new_subsets_;
};

void SubsetConstruction::run() {
  initialise();
  for (int current = 0; current <= subsets_.highest(); ++current) expand(current);
  complete();
}

void SubsetConstruction::initialise() {
  dfa_.table.clear();
  dfa_.table.add();
  subsets_.clear();
  new_subsets_.clear();
  Subset* first = subsets_.add();
  first->states = StateSet::of(0);
  if (const AutomatonState* initial = nfa_state(0)) {
    initial->follow.for_each([&](int j) {
      if (const StateSet* chars = nfa_chars(j)) first->input_chars |= *chars;
    });
  }
  if (trace_) write_subset_trace_heading(listing_);
}

void SubsetConstruction::expand(int current) {
  const int first_new = subsets_.highest() + 1;
  const StateSet states = subsets_.at(current)->states;
  if (states.empty()) return;
  test_conflicts(states);
  find_targets(states);
  merge_targets(current);
  if (trace_) write_subset_expansion(listing_, subsets_, current, first_new);
}

// Two accepting NFA states in one subset conflict when the characters of
// one are among those of the other: the DFA cannot tell their terminals
// apart by the last character. Two ends of one terminal's expression (an
// ambiguous expression, such as an optional part that can stand twice)
// accept the same terminal either way, so they do not conflict.
void SubsetConstruction::test_conflicts(const StateSet& states) {
  const StateSet accepting = states & nfa_.accepting;
  accepting.for_each([&](int i) {
    accepting.for_each([&](int j) {
      if (j <= i) return;
      const StateSet* chars_i = nfa_chars(i);
      const StateSet* chars_j = nfa_chars(j);
      if (!chars_i || !chars_j) return;
      if (nfa_state(i)->terminal && nfa_state(i)->terminal == nfa_state(j)->terminal) return;
      if (!chars_i->is_subset_of(*chars_j) && !chars_j->is_subset_of(*chars_i)) return;
      report_conflict(i, j);
      describe_nfa_state(i);
      describe_nfa_state(j);
      listing_.newlines(2);
    });
  });
}

// The conflict points at the terminal declared later (NFA states are
// numbered in reading order), and names both terminals on the screen; the
// listing describes the two states in full.
void SubsetConstruction::report_conflict(int earlier, int later) {
  const AutomatonState* first = nfa_state(earlier);
  const AutomatonState* second = nfa_state(later);
  const Terminal* first_terminal = first ? first->terminal : nullptr;
  const Terminal* second_terminal = second ? second->terminal : nullptr;
  diagnostics_.set_line(second_terminal ? second_terminal->line : 0);
  diagnostics_.report(Msg::TransitionConflict);
  if (first_terminal && second_terminal)
    diagnostics_.report(Msg::FreeText, "  between terminal '%s' (line %d) and terminal '%s' (line %d)",
                        first_terminal->name->c_str(), first_terminal->line,
                        second_terminal->name->c_str(), second_terminal->line);
  diagnostics_.set_line(0);
}

void SubsetConstruction::describe_nfa_state(int number) {
  listing_.printf(1, "NFA state : %d", number);
  if (const AutomatonState* state = nfa_state(number)) {
    listing_.printf(1, "TERMINAL  : %s", state->terminal ? state->terminal->name->c_str() : "");
    listing_.write(0, "ALPHABET  : ");
    write_character_set(listing_, state->chars);
  }
  listing_.newlines(2);
}

// Groups the characters that follow the subset by the NFA states they
// lead to: one entry of the new-subset table per target set.
void SubsetConstruction::find_targets(const StateSet& states) {
  StateSet successors;
  states.for_each([&](int i) {
    if (const AutomatonState* state = nfa_state(i)) successors |= state->follow;
  });
  StateSet characters;
  successors.for_each([&](int j) {
    if (const StateSet* chars = nfa_chars(j)) characters |= *chars;
  });
  characters.for_each([&](int c) {
    StateSet targets;
    StateSet induced_by;
    states.for_each([&](int i) {
      const AutomatonState* state = nfa_state(i);
      if (!state) return;
      state->follow.for_each([&](int j) {
        const StateSet* chars = nfa_chars(j);
        if (!chars || !chars->contains(c)) return;
        targets.insert(j);
        induced_by.insert(i);
      });
    });
    Subset* entry = nullptr;
    for (int n = 0; n <= new_subsets_.highest() && !entry; ++n)
      if (new_subsets_.at(n)->states == targets) entry = new_subsets_.at(n);
    if (!entry) {
      if (new_subsets_.full()) {
        report_full("subsets");
        return;
      }
      entry = new_subsets_.add();
    }
    entry->states = targets;
    entry->induced_by = induced_by;
    entry->input_chars.insert(c);
  });
}

// A target equal to a known subset (the same NFA states entered on the
// same characters) is that subset; any other becomes a new subset.
void SubsetConstruction::merge_targets(int current) {
  for (int e = 0; e <= new_subsets_.highest(); ++e) {
    const Subset& entry = *new_subsets_.at(e);
    int found = -1;
    for (int m = 0; m <= subsets_.highest() && found < 0; ++m) {
      const Subset& known = *subsets_.at(m);
      if (known.states == entry.states && known.input_chars == entry.input_chars) found = m;
    }
    if (found < 0) {
      found = create_subset();
      if (found < 0) continue;
      *subsets_.at(found) = entry;
      dfa_.table.state(found)->chars = entry.input_chars;
    }
    dfa_.table.state(current)->follow.insert(found);
  }
  new_subsets_.clear();
}

// After the first report of a full table a note says why it filled up.
void SubsetConstruction::report_full(const char* table) {
  diagnostics_.report(Msg::TableFull, kTableLimit, table);
  if (full_explained_) return;
  full_explained_ = true;
  diagnostics_.report(Msg::FreeText,
                      "  (the deterministic scanner needs more than 256 states: an expression keeps too "
                      "many of its parts open at once, as { a | b } CLOS a followed by several { a | b })");
}

int SubsetConstruction::create_subset() {
  if (subsets_.full()) {
    report_full("subsets");
    return -1;
  }
  if (dfa_.table.full()) {
    report_full("states");
    return -1;
  }
  subsets_.add();
  dfa_.table.add();
  return subsets_.highest();
}

// The accepting DFA states take the terminal of their smallest accepting
// NFA state: the terminal declared first wins.
void SubsetConstruction::complete() {
  if (trace_) write_all_subsets(listing_, subsets_);
  StateTable& table = dfa_.table;
  table.starts = table.state(0)->follow;
  for (int d = 0; d <= subsets_.highest(); ++d) {
    const int i = (subsets_.at(d)->states & nfa_.accepting).next(0);
    const AutomatonState* accepted = nfa_state(i);
    if (i < 0 || !accepted) continue;
    AutomatonState& state = *table.state(d);
    state.terminal = accepted->terminal;
    state.literals = accepted->literals;
    table.accepting.insert(d);
  }
  if (!table.add()) diagnostics_.report(Msg::TableFull, kTableLimit, "states");
  dfa_.dfa_state_count = subsets_.highest() + 1;
}

}  // namespace

void subset_construction(Diagnostics& diagnostics, Nfa& nfa, Dfa& dfa, bool trace) {
  SubsetConstruction(diagnostics, nfa.table(), dfa, trace).run();
  dfa.nfa_state_count = nfa.state_count();
  nfa.table().clear();
}

}  // namespace zedra
