#include "listing/diagram.h"

#include <optional>
#include <string>

#include "listing.h"
#include "scpatype.h"
#include "dfa/dfa.h"
#include "model/conversion_actions.h"
#include "model/scanner_attributes.h"
#include "model/terminals.h"
#include "nfa/nfa_construction.h"
#include "listing/set_notation.h"
#include "dfa/transitions.h"

namespace zedra {

namespace {

constexpr int kTerminalColumnWidth = 30;

std::string assignment_text(const AttributeAssignment& assignment) {
  std::string text = assignment.attribute ? *assignment.attribute->name : assignment.attribute_name;
  text += "= ";
  if (assignment.action) {
    text += *assignment.action->name;
    text += "();";
  } else {
    text += assignment.type_value ? *assignment.type_value->name : assignment.value_text;
    text += ";";
  }
  return text;
}

void write_accepted_terminal(Listing& listing, const Terminal& terminal, bool after_transitions) {
  listing.write(0, after_transitions ? "        <accept>   " : "     <accept>   ");
  const AssignmentList& assignments = terminal.assignments();
  if (assignments.empty()) {
    listing.write(1, *terminal.name);
    return;
  }
  listing.printf(0, "%-*s", kTerminalColumnWidth, terminal.name->c_str());
  for (const AttributeAssignment& assignment : assignments) listing.write(0, assignment_text(assignment));
  listing.newlines(1);
}

void write_state(Listing& listing, const StateTable& table, int number) {
  listing.printf(0, "%3d", number);
  const AutomatonState* state = table.state(number);
  bool first_line = true;
  if (state) {
    StateSet successors = state->follow;
    while (const std::optional<Transition> transition = take_transition(table, successors)) {
      listing.printf(0, first_line ? "%8d        " : "%11d        ", transition->target);
      write_character_set(listing, transition->chars);
      listing.newlines(1);
      first_line = false;
    }
    if (state->terminal) write_accepted_terminal(listing, *state->terminal, !first_line);
  }
  listing.newlines(1);
}

// The states below the table's highest one: the spare NFA state and the
// extra empty DFA state are not shown.
StateSet states_below_highest(const StateTable& table) {
  StateSet shown;
  shown.insert_range(0, table.highest() - 1);
  return shown;
}

}  // namespace

void write_diagram(Listing& listing, std::string_view name, const StateTable& table, const StateSet& shown) {
  listing.write(1, "INITIAL STATE    : 0");
  listing.write(0, "START STATES     : ");
  write_number_set(listing, table.starts);
  listing.newlines(1);
  listing.write(0, "ACCEPTING STATES : ");
  write_number_set(listing, table.accepting);
  listing.newlines(2);
  const std::string title(name);
  listing.printf(1, "%-8s%-11sINPUT CHARACTER(S)/", title.c_str(), "NEXT");
  listing.printf(2, "%-8s%-11s%-30sACTION(S)", "STATE", "STATE(S)", "RECOGNIZED TERMINAL");
  shown.for_each([&](int number) { write_state(listing, table, number); });
  listing.newlines(1);
}

void write_nfa_diagram(Listing& listing, const Nfa& nfa) {
  write_diagram(listing, "NFA", nfa.table(), states_below_highest(nfa.table()));
}

void write_dfa_diagram(Listing& listing, const Dfa& dfa) {
  write_diagram(listing, "DFA", dfa.table, states_below_highest(dfa.table));
}

void write_mdfa_diagram(Listing& listing, const Dfa& dfa) {
  write_diagram(listing, "MDFA", dfa.table, dfa.representatives & states_below_highest(dfa.table));
}

}  // namespace zedra
