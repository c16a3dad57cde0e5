#include "sgen/automaton_phases.h"

#include "common/diagnostics.h"
#include "sgen/dfa.h"
#include "sgen/diagram.h"
#include "sgen/options.h"
#include "sgen/scanstat.h"

namespace zedra {

bool run_automaton_phases(Diagnostics& diagnostics, const SgenOptions& options, Nfa& nfa, Dfa& dfa) {
  Listing& listing = diagnostics.listing();
  if (options.has(kOptNfaDiagram)) write_nfa_diagram(listing, nfa);
  subset_construction(diagnostics, nfa, dfa, options.has(kOptSubsetTrace));
  if (diagnostics.error_count() != 0) return false;
  if (options.has(kOptDfaDiagram)) write_dfa_diagram(listing, dfa);
  minimisation(diagnostics, dfa, options.has(kOptMinimizeTrace));
  if (diagnostics.error_count() != 0) return false;
  if (options.has(kOptMdfaDiagram)) write_mdfa_diagram(listing, dfa);
  return true;
}

}  // namespace zedra
