#include "driver/automaton_phases.h"

#include "diagnostics.h"
#include "dfa/dfa.h"
#include "listing/diagram.h"
#include "driver/options.h"
#include "nfa/nfa_construction.h"

namespace zedra {

bool run_automaton_phases(Diagnostics& diagnostics, const SgenOptions& options, Nfa& nfa, Dfa& dfa,
                          const AutomatonTaps& taps) {
  Listing& listing = diagnostics.listing();
  if (options.has(kOptNfaDiagram)) write_nfa_diagram(listing, nfa);
  if (taps.nfa) taps.nfa(nfa);
  subset_construction(diagnostics, nfa, dfa, options.has(kOptSubsetTrace));
  if (diagnostics.error_count() != 0) return false;
  if (options.has(kOptDfaDiagram)) write_dfa_diagram(listing, dfa);
  if (taps.dfa) taps.dfa(dfa);
  minimisation(diagnostics, dfa, options.has(kOptMinimizeTrace));
  if (diagnostics.error_count() != 0) return false;
  if (options.has(kOptMdfaDiagram)) write_mdfa_diagram(listing, dfa);
  if (taps.mdfa) taps.mdfa(dfa);
  return diagnostics.error_count() == 0;
}

}  // namespace zedra
