#include "dfa/keyword_reach.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "dfa/dfa.h"
#include "model/conversion_actions.h"
#include "model/terminals.h"

namespace zedra {

namespace {

// How a looking-up rule turns its lexeme into the text it looks up.
enum class Lookup { AsWritten, Lower, Upper, Unknown };

Lookup lookup_of(const Terminal& terminal) {
  if (terminal.kind == TerminalKind::Verify || !terminal.reserved_action) return Lookup::AsWritten;
  const std::string& action = *terminal.reserved_action->name;
  if (action == "convert_to_lower") return Lookup::Lower;
  if (action == "convert_to_upper") return Lookup::Upper;
  if (action == "get_repr") return Lookup::AsWritten;
  return Lookup::Unknown;
}

// The characters of the lexeme that `lookup` turns into `c` (ASCII case, as
// the runtime's conversions); none when it never gives `c`.
std::vector<int> lexeme_chars(Lookup lookup, unsigned char c) {
  const bool upper = c >= 'A' && c <= 'Z', lower = c >= 'a' && c <= 'z';
  if (lookup == Lookup::Lower && lower) return {c, c - 'a' + 'A'};
  if (lookup == Lookup::Upper && upper) return {c, c - 'A' + 'a'};
  if ((lookup == Lookup::Lower && upper) || (lookup == Lookup::Upper && lower)) return {};
  return {c};
}

// The states reached from `from` (-1: the start) on character `c`.
void step(const Dfa& dfa, int from, int c, StateSet& reached) {
  const StateSet& successors = from < 0 ? dfa.table.starts : dfa.table.state(from)->follow;
  successors.for_each([&](int n) {
    const AutomatonState* state = dfa.table.state(n);
    if (state && state->chars.contains(c)) reached.insert(n);
  });
}

// Whether `terminal`, a looking-up rule, ends a lexeme that it looks up as
// `text`.
bool produces(const Dfa& dfa, const Terminal& terminal, std::string_view text) {
  const Lookup lookup = lookup_of(terminal);
  if (lookup == Lookup::Unknown) return true;
  std::vector<int> current{-1};
  for (unsigned char c : text) {
    StateSet reached;
    for (int from : current)
      for (int variant : lexeme_chars(lookup, c)) step(dfa, from, variant, reached);
    current.clear();
    reached.for_each([&](int n) { current.push_back(n); });
    if (current.empty()) return false;
  }
  for (int n : current)
    if (n >= 0 && dfa.table.state(n)->terminal == &terminal) return true;
  return false;
}

}  // namespace

void warn_unreachable_keywords(Diagnostics& diagnostics, const TerminalTable& terminals,
                               const Dfa& dfa) {
  // Without any looking-up rule Msg::KeywordsUnverified has said it all.
  // The looking-up rules, found once: the keywords are most of the
  // terminals, so a search per keyword would take the square of them.
  std::vector<const Terminal*> rules;
  for (const Terminal& terminal : terminals.list())
    if (terminal.looks_up_keywords()) rules.push_back(&terminal);
  if (rules.empty()) return;
  for (const Terminal& keyword : terminals.list())
    for (const Representation& representation : keyword.representations) {
      if (representation.is_symbol) continue;
      if (std::any_of(rules.begin(), rules.end(), [&](const Terminal* rule) {
            return produces(dfa, *rule, representation.text);
          }))
        continue;
      diagnostics.set_line(keyword.line);
      diagnostics.report(Msg::KeywordNeverFound, representation.text.c_str(), keyword.name->c_str());
    }
  diagnostics.set_line(0);
}

}  // namespace zedra
