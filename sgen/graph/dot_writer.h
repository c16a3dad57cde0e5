// The Graphviz text of an automaton graph: a left-to-right digraph with one
// node per state (accepting states double-circled with their terminal in
// small print, the start marked by an arrow from a point) and one edge per
// pair of states, labelled with the compact character class.
#pragma once

#include <string>
#include <string_view>

#include "graph/automaton_graph.h"

namespace zedra {

// The DOT text of `graph` for the scanner `module`.
std::string dot_text(const AutomatonGraph& graph, std::string_view module);

// The name of the node of state `number` ("s7"); the start arrow comes from
// the node "start".
std::string dot_node_name(int number);

}  // namespace zedra
