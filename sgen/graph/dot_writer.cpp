#include "graph/dot_writer.h"

#include "concat.h"
#include "graph/char_class.h"
#include "markup.h"

namespace zedra {

namespace {

std::string_view kind_description(GraphKind kind) {
  switch (kind) {
    case GraphKind::Nfa: return "nondeterministic automaton (NFA)";
    case GraphKind::Dfa: return "deterministic automaton (DFA)";
    case GraphKind::Mdfa: return "minimal automaton (MDFA)";
  }
  return "";
}

// Text for a DOT string: backslashes and quotes escaped.
std::string escaped(std::string_view text) {
  std::string result;
  for (char c : text) {
    if (c == '\\' || c == '"') result += '\\';
    result += c;
  }
  return result;
}

std::string quoted(std::string_view text) { return concat({"\"", escaped(text), "\""}); }

// The dead states, "7, 9".
std::string number_list(const StateSet& set) {
  std::string text;
  set.for_each([&](int n) {
    if (!text.empty()) text += ", ";
    text += std::to_string(n);
  });
  return text;
}

std::string dead_state_note(const AutomatonGraph& graph) {
  if (graph.dead.empty()) return "no dead states";
  return concat({"dead states not drawn: ", number_list(graph.dead)});
}

std::string state_count(const AutomatonGraph& graph) {
  return concat({std::to_string(graph.nodes.size()), " states"});
}

std::string heading(const AutomatonGraph& graph, std::string_view module) {
  std::string text = concat({"// The ", kind_description(graph.kind), " of the scanner ", module,
                             ", written by sgen.\n// ", state_count(graph)});
  if (graph.kind == GraphKind::Mdfa) {
    text += concat({" as in the listing's \"Number of MDFA states\"; ", dead_state_note(graph)});
    if (!graph.dead.empty()) text += " (the scanner stops instead of entering one)";
  }
  text += ".\n";
  return text;
}

// The quoted caption: the dead states of a minimal automaton on a line of
// their own.
std::string graph_label(const AutomatonGraph& graph, std::string_view module) {
  std::string label = escaped(concat({module, ": ", kind_description(graph.kind), ", ", state_count(graph)}));
  if (graph.kind == GraphKind::Mdfa && !graph.dead.empty())
    label += concat({"\\n", escaped(concat({"(", dead_state_note(graph), ")"}))});
  return concat({"\"", label, "\""});
}

std::string node_line(const GraphNode& node) {
  const std::string number = std::to_string(node.state);
  if (!node.accepting()) return concat({"  ", dot_node_name(node.state), " [label=\"", number, "\"];\n"});
  return concat({"  ", dot_node_name(node.state), " [shape=doublecircle, label=<", number,
                 "<BR/><FONT POINT-SIZE=\"10\">", markup_escaped(node.terminal), "</FONT>>];\n"});
}

std::string edge_line(const GraphEdge& edge) {
  return concat({"  ", dot_node_name(edge.from), " -> ", dot_node_name(edge.to),
                 " [label=", quoted(compact_character_class(edge.chars)), "];\n"});
}

}  // namespace

std::string dot_node_name(int number) { return concat({"s", std::to_string(number)}); }

std::string dot_text(const AutomatonGraph& graph, std::string_view module) {
  std::string text = heading(graph, module);
  text += concat({"digraph ", quoted(module), " {\n"});
  text += "  graph [rankdir=LR, nodesep=0.25, ranksep=0.45, fontname=\"Helvetica\", fontsize=14,\n";
  text += concat({"         labelloc=t, label=", graph_label(graph, module), "];\n"});
  text += "  node [shape=circle, fontname=\"Helvetica\", fontsize=13, margin=0.02];\n";
  text += "  edge [fontname=\"Courier\", fontsize=13, arrowsize=0.7];\n";
  text += "  start [shape=point, width=0.08, label=\"\"];\n";
  if (!graph.nodes.empty() && graph.nodes.front().state == 0)
    text += concat({"  start -> ", dot_node_name(0), ";\n"});
  for (const GraphNode& node : graph.nodes) text += node_line(node);
  for (const GraphEdge& edge : graph.edges) text += edge_line(edge);
  text += "}\n";
  return text;
}

}  // namespace zedra
