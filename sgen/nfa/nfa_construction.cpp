#include "nfa/nfa_construction.h"

#include <utility>

#include "diagnostics.h"
#include "model/character_sets.h"

namespace zedra {

void Nfa::init() {
  table_.clear();
  table_.add();  // the initial state 0: no characters, follow = start states
  has_spare_ = false;
  new_state();
  rule_first_state_ = table_.highest();
}

int Nfa::new_state() {
  if (table_.highest() + 1 >= kMaxStates) {
    diagnostics_.report(Msg::TableFull, kMaxStates, "states");
    if (!full_explained_)
      diagnostics_.report(Msg::FreeText,
                          "  (every character of a SYMBOLS text or a string, and every character set "
                          "of a rule, takes a state; words cost none as KEYWORDS, checked by a VERIFY rule)");
    full_explained_ = true;
    has_spare_ = false;
    return -1;
  }
  table_.add();
  has_spare_ = true;
  return table_.highest();
}

StateSet& Nfa::follow(int n) {
  AutomatonState* state = table_.state(n);
  if (state) return state->follow;
  lost_follow_.clear();
  return lost_follow_;
}

int Nfa::fill_spare(const StateSet& chars) {
  if (!has_spare_ && new_state() < 0) return -1;
  const int filled = table_.highest();
  table_.state(filled)->chars = chars;
  new_state();
  return filled;
}

std::optional<std::pair<int, int>> Nfa::lay_out(const std::string& text) {
  int first = -1;
  int previous = -1;
  for (unsigned char c : text) {
    const int state = fill_spare(StateSet::of(c));
    if (state < 0) break;
    if (previous >= 0) follow(previous) = StateSet::of(state);
    if (first < 0) first = state;
    previous = state;
  }
  if (first < 0) return std::nullopt;
  return std::make_pair(first, previous);
}

void Nfa::rule_start() { rule_first_state_ = has_spare_ ? table_.highest() : table_.highest() + 1; }

Fragment Nfa::string_primary(const std::string& name, const std::optional<std::string>& text) {
  Fragment fragment;
  // An empty text would make a primary that matches nothing at all; it is
  // treated as a missing one.
  if (!text || text->empty()) {
    diagnostics_.report(Msg::NoRightHandSide, "Scanner string", name);
    return fragment;
  }
  if (auto chain = lay_out(*text)) {
    fragment.firsts.insert(chain->first);
    fragment.lasts.insert(chain->second);
  }
  return fragment;
}

bool Nfa::charset_expression(const CharacterSet& set, SetOperator op, StateSet& value) {
  if (set.ranges.empty()) {
    diagnostics_.report(Msg::CharacterSetWithoutRange, *set.name);
    return false;
  }
  StateSet chars;
  for (const CharacterRange& range : set.ranges) chars.insert_range(range.low, range.high);
  switch (op) {
    case kSetFirst: value = chars; break;
    case kSetUnion: value |= chars; break;
    case kSetDifference: value -= chars; break;
    case kSetIntersection: value &= chars; break;
  }
  return true;
}

Fragment Nfa::charset_primary(const StateSet& chars) {
  Fragment fragment;
  const int state = fill_spare(chars);
  if (state >= 0) {
    fragment.firsts.insert(state);
    fragment.lasts.insert(state);
  }
  return fragment;
}

void Nfa::postfix(Fragment& fragment, PostfixOperator op) {
  if (op == kPostfixClos || op == kPostfixOption) fragment.nullable = true;
  if (op == kPostfixClos || op == kPostfixSeq)
    fragment.lasts.for_each([&](int i) { follow(i) |= fragment.firsts; });
}

void Nfa::sequence(Fragment& sequence, Fragment& next) {
  if (sequence.nullable) sequence.firsts |= next.firsts;
  if (next.nullable) next.lasts |= sequence.lasts;
  sequence.lasts.for_each([&](int i) { follow(i) |= next.firsts; });
  sequence.lasts = next.lasts;
  sequence.nullable = sequence.nullable && next.nullable;
  next = Fragment{};
}

void Nfa::alternative(Fragment& left, const Fragment& right) {
  left.firsts |= right.firsts;
  left.lasts |= right.lasts;
  left.nullable = left.nullable || right.nullable;
}

void Nfa::rule_end(Fragment fragment, const Terminal* terminal) {
  // A nullable rule leaves the marker among the start states; no state has
  // its number, so the empty input is never accepted.
  if (fragment.nullable) fragment.firsts.insert(kEndMarker);
  fragment.lasts.for_each([&](int i) { follow(i).insert(kEndMarker); });
  table_.starts |= fragment.firsts;
  follow(0) |= fragment.firsts;
  for (int n = rule_first_state_; n <= table_.highest(); ++n) {
    AutomatonState* state = table_.state(n);
    if (!state || !state->follow.contains(kEndMarker)) continue;
    state->follow.remove(kEndMarker);
    state->terminal = terminal;
    table_.accepting.insert(n);
  }
}

void Nfa::literal(const std::string& text, const Terminal* terminal) {
  auto chain = lay_out(text);
  if (!chain) return;
  table_.starts.insert(chain->first);
  follow(0).insert(chain->first);
  AutomatonState* last = table_.state(chain->second);
  last->terminal = terminal;
  last->literals.insert(last->literals.begin(), text);
  table_.accepting.insert(chain->second);
}

}  // namespace zedra
