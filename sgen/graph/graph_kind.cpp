#include "graph/graph_kind.h"

namespace zedra {

std::optional<GraphKind> graph_kind_of(const std::optional<std::string>& value) {
  if (!value || *value == "mdfa") return GraphKind::Mdfa;
  if (*value == "dfa") return GraphKind::Dfa;
  if (*value == "nfa") return GraphKind::Nfa;
  return std::nullopt;
}

std::string_view graph_kind_name(GraphKind kind) {
  switch (kind) {
    case GraphKind::Nfa: return "NFA";
    case GraphKind::Dfa: return "DFA";
    case GraphKind::Mdfa: return "MDFA";
  }
  return "MDFA";
}

}  // namespace zedra
