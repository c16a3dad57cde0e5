#include "graph/graph_output.h"

#include <string>

#include "diagnostics.h"
#include "graph/automaton_graph.h"
#include "graph/dot_writer.h"
#include "output_file.h"

namespace zedra {

namespace {

void write_graph(Diagnostics& diagnostics, const AutomatonGraph& graph) {
  const std::string& module = diagnostics.module_name();
  write_generated_text(diagnostics, module + ".dot", dot_text(graph, module));
}

}  // namespace

AutomatonTaps graph_output_taps(Diagnostics& diagnostics, GraphKind kind) {
  Diagnostics* target = &diagnostics;
  AutomatonTaps taps;
  switch (kind) {
    case GraphKind::Nfa: taps.nfa = [target](const Nfa& nfa) { write_graph(*target, nfa_graph(nfa)); }; break;
    case GraphKind::Dfa: taps.dfa = [target](const Dfa& dfa) { write_graph(*target, dfa_graph(dfa)); }; break;
    case GraphKind::Mdfa: taps.mdfa = [target](const Dfa& dfa) { write_graph(*target, mdfa_graph(dfa)); }; break;
  }
  return taps;
}

std::optional<AutomatonTaps> requested_graph_taps(Diagnostics& diagnostics,
                                                  const std::optional<LongOption>& option) {
  if (!option) return AutomatonTaps{};
  const std::optional<GraphKind> kind = graph_kind_of(option->value);
  if (!kind) {
    diagnostics.report(Msg::FreeText, "Unknown automaton '%s' for --graph: nfa, dfa or mdfa",
                       option->value->c_str());
    return std::nullopt;
  }
  return graph_output_taps(diagnostics, *kind);
}

}  // namespace zedra
