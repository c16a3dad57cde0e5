#include "graph/automaton_graph.h"

#include <optional>

#include "dfa/dfa.h"
#include "dfa/transitions.h"
#include "model/terminals.h"
#include "nfa/automaton.h"
#include "nfa/nfa_construction.h"

namespace zedra {

namespace {

// The states below the table's highest one, which is the NFA's spare state
// or the DFA's extra empty state.
StateSet states_below_highest(const StateTable& table) {
  StateSet shown;
  shown.insert_range(0, table.highest() - 1);
  return shown;
}

// Adds `chars` to the edge from `from` to `to`, creating it when it is new.
void merge_edge(std::vector<GraphEdge>& edges, std::size_t first_of_source, int from, int to,
                const StateSet& chars) {
  for (std::size_t i = first_of_source; i < edges.size(); ++i)
    if (edges[i].to == to) {
      edges[i].chars |= chars;
      return;
    }
  edges.push_back(GraphEdge{from, to, chars});
}

// The edges out of state `number`: its transitions grouped as the listing
// groups them, merged per target; targets that are not shown are dropped.
void add_edges(AutomatonGraph& graph, const StateTable& table, const StateSet& shown, int number) {
  const AutomatonState* state = table.state(number);
  if (!state) return;
  const std::size_t first_of_source = graph.edges.size();
  StateSet successors = state->follow;
  while (const std::optional<Transition> transition = take_transition(table, successors))
    if (shown.contains(transition->target))
      merge_edge(graph.edges, first_of_source, number, transition->target, transition->chars);
}

AutomatonGraph graph_of(GraphKind kind, const StateTable& table, const StateSet& shown) {
  AutomatonGraph graph;
  graph.kind = kind;
  shown.for_each([&](int number) {
    GraphNode node{number, {}};
    const AutomatonState* state = table.state(number);
    if (state && state->terminal) node.terminal = *state->terminal->name;
    graph.nodes.push_back(std::move(node));
    add_edges(graph, table, shown, number);
  });
  return graph;
}

}  // namespace

AutomatonGraph nfa_graph(const Nfa& nfa) {
  return graph_of(GraphKind::Nfa, nfa.table(), states_below_highest(nfa.table()));
}

AutomatonGraph dfa_graph(const Dfa& dfa) {
  return graph_of(GraphKind::Dfa, dfa.table, states_below_highest(dfa.table));
}

AutomatonGraph mdfa_graph(const Dfa& dfa) {
  AutomatonGraph graph =
      graph_of(GraphKind::Mdfa, dfa.table, dfa.representatives & states_below_highest(dfa.table));
  graph.dead = dfa.dead;
  return graph;
}

}  // namespace zedra
