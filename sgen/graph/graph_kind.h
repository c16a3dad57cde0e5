// Which automaton "sgen --graph" draws: the NFA as the reader built it, the
// DFA of the subset construction, or the minimal automaton that the
// generated scanner implements (the default).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zedra {

enum class GraphKind { Nfa, Dfa, Mdfa };

// The automaton named by the value of "--graph": "nfa", "dfa" or "mdfa";
// no value names the minimal automaton. Nothing for any other value.
std::optional<GraphKind> graph_kind_of(const std::optional<std::string>& value);

// "NFA", "DFA" or "MDFA", as the listing names the automata.
std::string_view graph_kind_name(GraphKind kind);

}  // namespace zedra
