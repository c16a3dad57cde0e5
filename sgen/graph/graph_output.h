// The file "<module>.dot" that "sgen --graph" writes: observers that take
// the requested automaton from the phases and write its graph.
#pragma once

#include <optional>

#include "driver/automaton_taps.h"
#include "graph/graph_kind.h"
#include "long_options.h"

namespace zedra {

class Diagnostics;

// Observers that write the graph of the automaton `kind` into
// "<module>.dot", with the module that `diagnostics` knows by then, once
// the automaton is complete (message 75, or 32 when the file cannot be
// written). `diagnostics` must outlive the observers.
AutomatonTaps graph_output_taps(Diagnostics& diagnostics, GraphKind kind);

// The observers that the command-line option "--graph[=KIND]" asks for:
// none without the option. Nothing, after a message on the screen, when
// KIND names no automaton.
std::optional<AutomatonTaps> requested_graph_taps(Diagnostics& diagnostics,
                                                  const std::optional<LongOption>& option);

}  // namespace zedra
