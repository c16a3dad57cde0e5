// One automaton of the scanner as a graph, ready to be drawn: its states
// with the terminals they accept, and one edge per pair of states that
// carries every character leading from the one to the other. The graph is
// taken from the automaton tables at the moment each is complete, because
// the later phases change or release them.
#pragma once

#include <string>
#include <vector>

#include "graph/graph_kind.h"
#include "nfa/state_set.h"

namespace zedra {

class Nfa;
struct Dfa;

struct GraphNode {
  int state = 0;
  std::string terminal;  // the accepted terminal; empty when not accepting
  bool accepting() const { return !terminal.empty(); }
};

struct GraphEdge {
  int from = 0;
  int to = 0;
  StateSet chars;  // every character that leads from `from` to `to`
};

struct AutomatonGraph {
  GraphKind kind = GraphKind::Mdfa;
  std::vector<GraphNode> nodes;  // ascending state numbers; state 0 starts
  std::vector<GraphEdge> edges;  // per source state in the order of the listing
  StateSet dead;                 // MDFA: the dead states, which have no node
};

// The NFA without its spare state, the DFA without its extra empty state,
// and the minimal automaton: the representatives, each transition leading
// to the representative of its target's group, the dead states left out as
// the generated scanner leaves them out.
AutomatonGraph nfa_graph(const Nfa& nfa);
AutomatonGraph dfa_graph(const Dfa& dfa);
AutomatonGraph mdfa_graph(const Dfa& dfa);

}  // namespace zedra
