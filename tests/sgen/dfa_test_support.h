// Helpers of the DFA tests: a specification read into the NFA, then turned
// into the DFA and minimised as a run of sgen does it.
#pragma once

#include <string>

#include "front/scanner_reader.h"
#include "spec_source.h"
#include "token_cursor.h"
#include "decl_test_support.h"
#include "dfa/dfa.h"
#include "model/terminals.h"
#include "nfa/nfa_construction.h"

namespace zedra::test {

class AutomatonRun {
 public:
  // Reads `spec`; false (with the reports) when the reading failed.
  bool read(const std::string& spec) {
    nfa.init();
    source.restart(spec);
    return read_scanner_specification(source, front.declarations, nfa) == kReadAccepted;
  }
  void construct() { subset_construction(front.diagnostics, nfa, dfa, false); }
  void minimise() { minimisation(front.diagnostics, dfa, false); }

  const AutomatonState& state(int n) const { return *dfa.table.state(n); }
  std::string terminal_of(int n) const {
    const Terminal* terminal = state(n).terminal;
    return terminal ? *terminal->name : "";
  }
  int errors() const { return front.diagnostics.error_count(); }
  std::string reports() const { return front.reports(); }

  ScannerFront front;
  SpecSource source{front.diagnostics};
  Nfa nfa{front.diagnostics};
  Dfa dfa;
};

// A rule entered on the highest character that the tests use: every
// specification needs a RULES section.
inline constexpr const char* kTilde = "CHARSETS tilde : ['~'] .\nRULES tTilde : tilde .\n";

// The characters of a text as a set.
inline StateSet chars_of(const std::string& text) {
  StateSet set;
  for (unsigned char c : text) set.insert(c);
  return set;
}

inline StateSet range(int low, int high) {
  StateSet set;
  set.insert_range(low, high);
  return set;
}

}  // namespace zedra::test
