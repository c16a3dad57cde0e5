// The graphs of "sgen --graph": the compact character classes on the
// edges, the graph taken from each automaton (the minimal one with the
// listing's transitions, merged per target, and without dead states), and
// its DOT text.
#include <gtest/gtest.h>

#include <string>

#include "dfa/transitions.h"
#include "dfa_test_support.h"
#include "graph/automaton_graph.h"
#include "graph/char_class.h"
#include "graph/dot_writer.h"
#include "graph/graph_kind.h"
#include "nfa_test_support.h"

namespace zedra {
namespace {

using test::chars_of;
using test::range;

TEST(CompactCharacterClass, SingleCharactersAndControlCharacters) {
  EXPECT_EQ(compact_character_class(chars_of("a")), "a");
  EXPECT_EQ(compact_character_class(chars_of("\n")), "\\n");
  EXPECT_EQ(compact_character_class(chars_of("\t")), "\\t");
  EXPECT_EQ(compact_character_class(chars_of(" ")), "\u2423");
  EXPECT_EQ(compact_character_class(chars_of("\\")), "\\\\");
  EXPECT_EQ(compact_character_class(chars_of("[")), "[");
  EXPECT_EQ(compact_character_class(StateSet::of(0)), "\\0");
  EXPECT_EQ(compact_character_class(StateSet::of(27)), "\\x1b");
  EXPECT_EQ(compact_character_class(StateSet::of(127)), "\\x7f");
}

TEST(CompactCharacterClass, RangesAndLists) {
  EXPECT_EQ(compact_character_class(range('a', 'z')), "a-z");
  EXPECT_EQ(compact_character_class(range('0', '9')), "0-9");
  EXPECT_EQ(compact_character_class(range('0', '9') | range('A', 'F') | range('a', 'f')), "[0-9A-Fa-f]");
  // Runs of two are written out, not as a range.
  EXPECT_EQ(compact_character_class(chars_of("ab")), "[ab]");
  EXPECT_EQ(compact_character_class(chars_of("\t\n\r ")), "[\\t\\n\\r\u2423]");
  // "-", "]" and "^" are escaped inside brackets, "-" also in a range.
  EXPECT_EQ(compact_character_class(chars_of("-]^")), "[\\-\\]\\^]");
  EXPECT_EQ(compact_character_class(range('+', '-')), "+-\\-");
}

TEST(CompactCharacterClass, TheComplementWhenItIsShorter) {
  StateSet not_quote = range(0, 127);
  not_quote.remove('"');
  EXPECT_EQ(compact_character_class(not_quote), "[^\"]");
  StateSet not_star_or_paren = range(0, 127) - chars_of("*)");
  EXPECT_EQ(compact_character_class(not_star_or_paren), "[^)*]");
  // The printable characters but the quote: the list is shorter.
  StateSet printable = range(' ', '~');
  printable.remove('"');
  EXPECT_EQ(compact_character_class(printable), "[\u2423!#-~]");
}

TEST(CompactCharacterClass, CodesAboveAsciiAreNeverComplemented) {
  StateSet all = range(0, 128);
  EXPECT_EQ(compact_character_class(all), "\\0-\\x80");
  EXPECT_EQ(compact_character_class(StateSet()), "[]");
}

TEST(GraphKind, TheValuesOfTheOption) {
  EXPECT_EQ(graph_kind_of(std::nullopt), GraphKind::Mdfa);
  EXPECT_EQ(graph_kind_of(std::string("mdfa")), GraphKind::Mdfa);
  EXPECT_EQ(graph_kind_of(std::string("dfa")), GraphKind::Dfa);
  EXPECT_EQ(graph_kind_of(std::string("nfa")), GraphKind::Nfa);
  EXPECT_FALSE(graph_kind_of(std::string("NFA")));
  EXPECT_FALSE(graph_kind_of(std::string("")));
}

// Identifiers and numbers: the DFA has two states per token that the
// minimisation merges.
constexpr const char* kWords =
    "SYMBOLS tAssign : := . tColon : : .\n"
    "CHARSETS letter : ['a'..'z'] . digit : ['0'..'9'] .\n"
    "RULES tIdent : letter {letter + digit} CLOS . tNumber : digit SEQ .\n";

// The edges out of `state` as the listing's diagram shows its transitions.
std::vector<GraphEdge> listed_transitions(const Dfa& dfa, int state) {
  std::vector<GraphEdge> edges;
  StateSet successors = dfa.table.state(state)->follow;
  while (const std::optional<Transition> transition = take_transition(dfa.table, successors))
    edges.push_back(GraphEdge{state, transition->target, transition->chars});
  return edges;
}

TEST(AutomatonGraph, TheMinimalAutomatonHasTheListingsTransitions) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read(kWords)) << run.reports();
  run.construct();
  run.minimise();
  ASSERT_EQ(run.errors(), 0);
  const AutomatonGraph graph = mdfa_graph(run.dfa);
  EXPECT_EQ(static_cast<int>(graph.nodes.size()), run.dfa.mdfa_state_count);
  std::vector<GraphEdge> expected;
  for (const GraphNode& node : graph.nodes) {
    EXPECT_TRUE(run.dfa.representatives.contains(node.state));
    EXPECT_EQ(node.accepting(), run.dfa.table.accepting.contains(node.state));
    for (const GraphEdge& edge : listed_transitions(run.dfa, node.state)) expected.push_back(edge);
  }
  ASSERT_EQ(graph.edges.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(graph.edges[i].from, expected[i].from);
    EXPECT_EQ(graph.edges[i].to, expected[i].to);
    EXPECT_EQ(graph.edges[i].chars, expected[i].chars);
  }
}

TEST(AutomatonGraph, TheDfaShowsEveryStateAndTheExtraStateNone) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read(kWords)) << run.reports();
  run.construct();
  const AutomatonGraph graph = dfa_graph(run.dfa);
  EXPECT_EQ(static_cast<int>(graph.nodes.size()), run.dfa.dfa_state_count);
  EXPECT_EQ(graph.nodes.back().state, run.dfa.dfa_state_count - 1);
}

TEST(AutomatonGraph, TheEndMarkerOfANullableRuleIsNoEdge) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read("CHARSETS x : ['x'] .\nRULES tX : x CLOS .\n")) << run.reports();
  const AutomatonGraph graph = nfa_graph(run.nfa);
  ASSERT_EQ(graph.nodes.size(), 2u);
  for (const GraphEdge& edge : graph.edges) EXPECT_LT(edge.to, 2);
  EXPECT_EQ(graph.nodes[1].terminal, "tX");
}

// State 1 is entered on 'a' and can only loop: it is dead and has no node,
// and no edge leads into it.
TEST(AutomatonGraph, DeadStatesAreLeftOut) {
  test::AutomatonRun run;
  ASSERT_TRUE(run.read(
      "CHARSETS letter : ['a'..'z'] . digit : ['0'..'9'] .\n"
      "RULES tWord : letter SEQ {letter - letter} . tNumber : digit SEQ .\n"))
      << run.reports();
  run.construct();
  run.minimise();
  ASSERT_FALSE(run.dfa.dead.empty());
  const AutomatonGraph graph = mdfa_graph(run.dfa);
  EXPECT_EQ(static_cast<int>(graph.nodes.size()), run.dfa.mdfa_state_count);
  EXPECT_EQ(graph.dead, run.dfa.dead);
  for (const GraphNode& node : graph.nodes) EXPECT_FALSE(run.dfa.dead.contains(node.state));
  for (const GraphEdge& edge : graph.edges) EXPECT_FALSE(run.dfa.dead.contains(edge.to));
  const std::string dot = dot_text(graph, "words");
  const std::string note = "dead states not drawn: " + std::to_string(run.dfa.dead.next(0));
  EXPECT_NE(dot.find(note), std::string::npos) << dot;
}

TEST(DotText, NodesEdgesAndTheStartArrow) {
  AutomatonGraph graph;
  graph.nodes = {GraphNode{0, ""}, GraphNode{1, "tQuote"}};
  graph.edges = {GraphEdge{0, 1, chars_of("\"")}, GraphEdge{1, 1, chars_of("\\")}};
  const std::string dot = dot_text(graph, "m");
  EXPECT_NE(dot.find("digraph \"m\" {"), std::string::npos);
  EXPECT_NE(dot.find("  start -> s0;\n"), std::string::npos);
  EXPECT_NE(dot.find("  s0 [label=\"0\"];\n"), std::string::npos);
  EXPECT_NE(dot.find("  s1 [shape=doublecircle, label=<1<BR/><FONT POINT-SIZE=\"10\">tQuote</FONT>>];\n"),
            std::string::npos);
  EXPECT_NE(dot.find("  s0 -> s1 [label=\"\\\"\"];\n"), std::string::npos) << dot;
  EXPECT_NE(dot.find("  s1 -> s1 [label=\"\\\\\\\\\"];\n"), std::string::npos) << dot;
  EXPECT_EQ(dot.back(), '\n');
}

}  // namespace
}  // namespace zedra
