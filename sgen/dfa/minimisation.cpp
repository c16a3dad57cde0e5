// The minimisation of the DFA: groups of equivalent states found by
// repeated refinement of the partition into accepting and non-accepting
// states; the smallest state of every group represents it.
#include <array>
#include <utility>
#include <vector>

#include "diagnostics.h"
#include "listing.h"
#include "dfa/dfa.h"
#include "listing/set_notation.h"

namespace zedra {

namespace {

// Groups 1 to highest form the partition; group 0 stays empty. The groups
// are disjoint whenever a state's group is asked for, so every state
// remembers the number of its group.
class GroupTable {
 public:
  static constexpr int kCapacity = StateSet::kLimit;

  void clear() {
    groups_.clear();
    number_of_.fill(0);
  }
  int highest() const { return static_cast<int>(groups_.size()) - 1; }
  // Appends `members` as a new group; false when the table is full. The
  // members still count as members of their old group until `replace`.
  bool add(const StateSet& members) {
    if (highest() + 1 >= kCapacity) return false;
    groups_.push_back(members);
    if (highest() >= 1) members.for_each([&](int n) {
        if (number_of_[static_cast<std::size_t>(n)] == 0) number_of_[static_cast<std::size_t>(n)] = highest();
      });
    return true;
  }
  const StateSet* at(int n) const { return n >= 0 && n <= highest() ? &groups_[static_cast<std::size_t>(n)] : nullptr; }
  // Group `n` keeps only `members`; the states it loses belong to the
  // groups created from it since the last replacement.
  void replace(int n, const StateSet& members, int first_new) {
    groups_[static_cast<std::size_t>(n)] = members;
    for (int k = first_new; k <= highest(); ++k)
      groups_[static_cast<std::size_t>(k)].for_each([&](int s) { number_of_[static_cast<std::size_t>(s)] = k; });
  }
  // The group that holds `state`; 0 when none does.
  int number_of(int state) const { return number_of_[static_cast<std::size_t>(state)]; }

 private:
  std::vector<StateSet> groups_;
  std::array<int, kCapacity> number_of_{};
};

class Minimisation {
 public:
  Minimisation(Diagnostics& diagnostics, Dfa& dfa, bool trace)
      : diagnostics_(diagnostics), listing_(diagnostics.listing()), dfa_(dfa), table_(dfa.table), trace_(trace) {}

  void run();

 private:
  void initial_partition();
  bool refine_pass();
  void refine_group(int g);
  bool add_group(const StateSet& members);
  bool equivalent(int r, int s) const;
  StateSet out_characters(const AutomatonState& state) const;
  void choose_representatives();
  void record_groups();
  void remove_dead_states();
  StateSet unreachable_targets() const;
  void write_partition(const char* name) const;
  void write_statistics() const;

  Diagnostics& diagnostics_;
  Listing& listing_;
  Dfa& dfa_;
  StateTable& table_;
  bool trace_;
  GroupTable groups_;
};

void Minimisation::run() {
  initial_partition();
  if (trace_) write_partition("INITIAL");
  bool changed = true;
  while (changed) {
    changed = refine_pass();
    if (trace_) write_partition(changed ? "NEW" : "FINAL");
  }
  choose_representatives();
  record_groups();
  remove_dead_states();
  write_statistics();
  groups_.clear();
}

// All accepting states start in one group, whatever their terminals.
void Minimisation::initial_partition() {
  groups_.clear();
  groups_.add(StateSet());
  StateSet all;
  all.insert_range(0, dfa_.dfa_state_count - 1);
  const StateSet accepting = all & table_.accepting;
  const StateSet others = all - accepting;
  if (!others.empty()) add_group(others);
  if (!accepting.empty()) add_group(accepting);
}

bool Minimisation::add_group(const StateSet& members) {
  if (groups_.add(members)) return true;
  diagnostics_.report(Msg::TableFull, StateSet::kLimit - 1, "groups");
  return false;
}

// Groups created during the pass are split only in the next pass.
bool Minimisation::refine_pass() {
  const int last = groups_.highest();
  for (int g = 1; g <= last; ++g) refine_group(g);
  return groups_.highest() != last;
}

// The class of the smallest member leaves the group first; the group keeps
// the last class found.
void Minimisation::refine_group(int g) {
  const int first_new = groups_.highest() + 1;
  StateSet remaining_group = *groups_.at(g);
  StateSet unsorted = remaining_group;
  while (!unsorted.empty()) {
    const int r = unsorted.take_next(0);
    StateSet same_class = StateSet::of(r);
    unsorted.for_each([&](int s) {
      if (equivalent(r, s)) same_class.insert(s);
    });
    unsorted -= same_class;
    if (same_class == remaining_group) continue;
    // A class without a group of its own stays where it is; the error
    // already stops the run before generation.
    if (!add_group(same_class)) continue;
    remaining_group -= same_class;
  }
  groups_.replace(g, remaining_group, first_new);
}

StateSet Minimisation::out_characters(const AutomatonState& state) const {
  StateSet chars;
  state.follow.for_each([&](int x) {
    if (const AutomatonState* successor = table_.state(x)) chars |= successor->chars;
  });
  return chars;
}

// Equivalent states accept the same terminal and move on every character
// into states of the same group.
bool Minimisation::equivalent(int r, int s) const {
  const AutomatonState* first = table_.state(r);
  const AutomatonState* second = table_.state(s);
  if (!first || !second) return false;
  StateSet remaining = out_characters(*first);
  if (!(remaining == out_characters(*second)) || first->terminal != second->terminal) return false;
  first->follow.for_each([&](int x) {
    const int group = groups_.number_of(x);
    if (group == 0) return;
    second->follow.for_each([&](int y) {
      if (groups_.number_of(y) != group) return;
      const AutomatonState* to_x = table_.state(x);
      const AutomatonState* to_y = table_.state(y);
      if (to_x && to_y) remaining -= to_x->chars & to_y->chars;
    });
  });
  return remaining.empty();
}

void Minimisation::choose_representatives() {
  dfa_.mdfa_state_count = groups_.highest();
  for (int g = 1; g <= groups_.highest(); ++g) {
    StateSet members = *groups_.at(g);
    const int representative = members.take_next(0);
    if (representative < 0) continue;
    dfa_.representatives.insert(representative);
    dfa_.unused |= members;
    if (members.empty()) continue;
    dfa_.minimised.insert(representative);
    AutomatonState& kept = *table_.state(representative);
    members.for_each([&](int other) {
      const AutomatonState& merged = *table_.state(other);
      kept.literals.insert(kept.literals.end(), merged.literals.begin(), merged.literals.end());
    });
  }
  table_.starts &= dfa_.representatives;
  table_.accepting &= dfa_.representatives;
}

void Minimisation::record_groups() {
  const StateSet merged = dfa_.unused | dfa_.minimised;
  merged.for_each([&](int i) {
    if (i >= dfa_.dfa_state_count) return;
    if (const StateSet* group = groups_.at(groups_.number_of(i)); group && groups_.number_of(i) != 0)
      table_.state(i)->group = *group;
  });
}

// A transition leads to the representative of its target's group, so a
// merged state whose representative is dead is unreachable as well.
StateSet Minimisation::unreachable_targets() const {
  StateSet targets = dfa_.dead;
  dfa_.unused.for_each([&](int i) {
    const AutomatonState* state = table_.state(i);
    if (state && dfa_.dead.contains(state->group.next(0))) targets.insert(i);
  });
  return targets;
}

// A non-accepting representative whose only successor is itself can never
// lead to acceptance: it disappears, and so do the transitions into it.
void Minimisation::remove_dead_states() {
  bool marked = true;
  while (marked) {
    marked = false;
    for (int i = 0; i <= table_.highest(); ++i) {
      AutomatonState* state = table_.state(i);
      if (!state) continue;
      state->follow -= unreachable_targets();
      if (table_.accepting.contains(i) || !dfa_.representatives.contains(i) || !(state->follow == StateSet::of(i)))
        continue;
      dfa_.dead.insert(i);
      table_.starts.remove(i);
      table_.accepting.remove(i);
      dfa_.representatives.remove(i);
      --dfa_.mdfa_state_count;
      marked = true;
    }
  }
}

void Minimisation::write_partition(const char* name) const {
  listing_.printf(2, "%s PARTITION :", name);
  listing_.write(1, " GROUP   STATES");
  listing_.write(2, " NR");
  for (int g = 1; g <= groups_.highest(); ++g) {
    listing_.printf(0, "%c%3d", ' ', g);
    if (const StateSet* group = groups_.at(g)) {
      listing_.write(0, "     ");
      write_number_set(listing_, *group);
    }
    listing_.newlines(1);
  }
  listing_.newlines(2);
}

void Minimisation::write_statistics() const {
  listing_.printf(1, "Number of  NFA states : %3d", dfa_.nfa_state_count);
  listing_.printf(1, "Number of  DFA states : %3d", dfa_.dfa_state_count);
  listing_.printf(1, "Number of MDFA states : %3d", dfa_.mdfa_state_count);
  const std::pair<const char*, const StateSet*> lines[] = {
      {"Representative states : ", &dfa_.representatives},
      {"Unused states         : ", &dfa_.unused},
      {"Minimised states      : ", &dfa_.minimised},
      {"Dead states           : ", &dfa_.dead},
  };
  for (const auto& [title, set] : lines) {
    listing_.write(0, title);
    write_number_set(listing_, *set);
    listing_.newlines(1);
  }
  listing_.newlines(2);
}

}  // namespace

void minimisation(Diagnostics& diagnostics, Dfa& dfa, bool trace) {
  Minimisation(diagnostics, dfa, trace).run();
}

}  // namespace zedra
