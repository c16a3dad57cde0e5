#include "codegen/fast_automaton.h"

#include <algorithm>
#include <utility>

#include "codegen/accept_flags.h"
#include "model/terminals.h"

namespace zedra {

namespace {

constexpr int kByteValues = 256;

std::vector<FastState> representative_states(const Dfa& automaton) {
  std::vector<FastState> states;
  for (int number = 0; number < automaton.dfa_state_count; ++number) {
    if (!automaton.representatives.contains(number)) continue;
    const AutomatonState* record = automaton.table.state(number);
    FastState state;
    state.number = number;
    if (record && automaton.table.accepting.contains(number)) state.terminal = record->terminal;
    StateSet successors = record ? record->follow : StateSet{};
    while (const auto transition = take_transition(automaton.table, successors))
      state.transitions.push_back(*transition);
    states.push_back(std::move(state));
  }
  return states;
}

// Bytes that lead every state to the same place form one class; the NUL,
// which also stands behind the text read, has class 0 to itself, so that
// the scanner can tell it from every other byte.
void find_byte_classes(FastAutomaton& fast) {
  std::map<std::vector<int>, int> class_of;
  for (int byte = 0; byte < kByteValues; ++byte) {
    std::vector<int> targets;
    for (const FastState& state : fast.states) {
      int target = -1;
      for (const Transition& transition : state.transitions)
        if (transition.chars.contains(byte)) target = transition.target;
      targets.push_back(target);
    }
    if (byte == 0) targets.push_back(-2);  // no other byte has this key
    const auto [entry, added] = class_of.emplace(targets, fast.class_count);
    if (added) {
      ++fast.class_count;
      fast.classes.emplace_back();
    }
    fast.byte_class[static_cast<std::size_t>(byte)] = entry->second;
    fast.classes[static_cast<std::size_t>(entry->second)].insert(byte);
  }
}

// The flags that hold in each state: those of the last accepting state on
// the way there.
void find_flag_sets(FastAutomaton& fast, const Dfa& automaton) {
  const std::map<int, unsigned> entry = flags_on_entry(automaton);
  for (FastState& state : fast.states) {
    const auto found = entry.find(state.number);
    state.flag_sets = flags_in_state(automaton, state.number, found == entry.end() ? 0 : found->second);
  }
}

void add_once(std::vector<const Terminal*>& list, const Terminal* terminal) {
  if (terminal && std::find(list.begin(), list.end(), terminal) == list.end()) list.push_back(terminal);
}

// The terminals accepted in the states reachable from `from`, itself included.
void add_reachable_terminals(const FastAutomaton& fast, int from, std::vector<const Terminal*>& list) {
  StateSet seen;
  std::vector<int> pending{from};
  while (!pending.empty()) {
    const int number = pending.back();
    pending.pop_back();
    if (seen.contains(number)) continue;
    seen.insert(number);
    const FastState* state = fast.state(number);
    if (!state) continue;
    add_once(list, state->terminal);
    for (const Transition& transition : state->transitions) pending.push_back(transition.target);
  }
}

// The terminals whose tokens may hold `byte`: those accepted behind a
// transition on it.
std::vector<const Terminal*> terminals_holding(const FastAutomaton& fast, int byte) {
  std::vector<const Terminal*> terminals;
  for (const FastState& state : fast.states)
    for (const Transition& transition : state.transitions)
      if (transition.chars.contains(byte)) add_reachable_terminals(fast, transition.target, terminals);
  return terminals;
}

bool is_alphanumeric(int byte) {
  return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

// The accepted terminals no byte but a letter or digit leads to.
std::vector<const Terminal*> alphanumeric_terminals(const FastAutomaton& fast) {
  std::vector<const Terminal*> others;
  for (int byte = 0; byte < kByteValues; ++byte)
    if (!is_alphanumeric(byte))
      for (const Terminal* terminal : terminals_holding(fast, byte)) add_once(others, terminal);
  std::vector<const Terminal*> terminals;
  for (const Terminal* terminal : fast.accepted)
    if (std::find(others.begin(), others.end(), terminal) == others.end()) terminals.push_back(terminal);
  return terminals;
}

}  // namespace

const FastState* FastAutomaton::state(int number) const {
  for (const FastState& candidate : states)
    if (candidate.number == number) return &candidate;
  return nullptr;
}

FastState* FastAutomaton::state(int number) {
  return const_cast<FastState*>(std::as_const(*this).state(number));
}

bool FastAutomaton::may_hold_line_end(const Terminal* terminal) const {
  return std::find(multiline.begin(), multiline.end(), terminal) != multiline.end();
}

bool FastAutomaton::holds_only_alphanumerics(const Terminal* terminal) const {
  return std::find(alphanumeric.begin(), alphanumeric.end(), terminal) != alphanumeric.end();
}

bool FastAutomaton::may_hold_nul(const Terminal* terminal) const {
  return std::find(with_nul.begin(), with_nul.end(), terminal) != with_nul.end();
}

FastAutomaton analyse_fast_automaton(const Dfa& automaton) {
  FastAutomaton fast;
  fast.states = representative_states(automaton);
  find_byte_classes(fast);
  find_flag_sets(fast, automaton);
  fast.multiline = terminals_holding(fast, '\n');
  fast.with_nul = terminals_holding(fast, 0);
  for (const FastState& state : fast.states) add_once(fast.accepted, state.terminal);
  fast.alphanumeric = alphanumeric_terminals(fast);
  return fast;
}

}  // namespace zedra
