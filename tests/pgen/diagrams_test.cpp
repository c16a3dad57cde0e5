// The syntax diagrams of "pgen --diagrams": the measures of the railroad
// tracks, the wrapping of long sequences, the tracks made of the rule
// model (LIST, PACK, action calls) and the page around them.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "diagrams/diagram_page.h"
#include "diagrams/rule_tracks.h"
#include "diagrams/svg_canvas.h"
#include "diagrams/text_metrics.h"
#include "diagrams/track.h"
#include "pgen_test_support.h"

namespace zedra {
namespace {

constexpr int kTurn = 2 * kArcRadius;

int count(const std::string& text, const std::string& part) {
  int found = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
  return found;
}

TrackList terminals(int n, const std::string& name) {
  TrackList list;
  for (int i = 0; i < n; ++i) list.push_back(terminal_track(name));
  return list;
}

TEST(TextMetrics, WidthsCountCharactersNotBytes) {
  EXPECT_EQ(text_width("abc", 10), 19);
  EXPECT_EQ(text_width("f(\u2026)", 10), text_width("f(.)", 10));
}

TEST(Tracks, ABoxIsItsLabelAndPadding) {
  TrackPtr box = terminal_track("tIdent");
  box->measure(kUnbounded);
  EXPECT_EQ(box->extent().width, text_width("tIdent", kBoxFontSize) + 20);
  EXPECT_EQ(box->extent().up + box->extent().down, 26);
  EXPECT_EQ(box->extent().exit_dy, 0);
}

TEST(Tracks, ContainersAddTheirTurns) {
  TrackPtr box = terminal_track("tA");
  box->measure(kUnbounded);
  const Extent one = box->extent();

  TrackPtr sequence = sequence_track(terminals(3, "tA"));
  sequence->measure(kUnbounded);
  EXPECT_EQ(sequence->extent().width, 3 * one.width + 2 * kItemGap);

  TrackPtr choice = choice_track(terminals(3, "tA"));
  choice->measure(kUnbounded);
  EXPECT_EQ(choice->extent().width, one.width + 2 * kTurn);
  EXPECT_EQ(choice->extent().up, one.up);
  EXPECT_GE(choice->extent().down, 2 * (one.up + one.down + kBranchGap));

  TrackPtr option = optional_track(terminal_track("tA"));
  option->measure(kUnbounded);
  EXPECT_EQ(option->extent().width, one.width + 2 * kTurn);
  EXPECT_GT(option->extent().up, one.up);

  TrackPtr loop = loop_track(terminal_track("tA"), terminal_track("tListSep"));
  loop->measure(kUnbounded);
  EXPECT_GT(loop->extent().down, one.down + one.up + one.down);
  EXPECT_EQ(loop->extent().up, one.up);
}

TEST(Tracks, ALongSequenceWrapsIntoEvenRows) {
  TrackPtr probe = terminal_track("tTerminal");
  probe->measure(kUnbounded);
  const int item = probe->extent().width;
  TrackPtr sequence = sequence_track(terminals(9, "tTerminal"));
  // Room for seven items a row: nine items make two rows of five and four.
  const int limit = 7 * item + 6 * kItemGap + 3 * kArcRadius;
  sequence->measure(limit);
  const Extent& extent = sequence->extent();
  EXPECT_LE(extent.width, limit);
  EXPECT_GT(extent.exit_dy, 0);
  EXPECT_EQ(extent.width, 5 * item + 4 * kItemGap + kArcRadius);  // the first row is the wider
  SvgCanvas canvas;
  sequence->draw(canvas, 0, 0);
  const std::string svg = canvas.svg(extent.width, extent.down, "diagram", "test");
  EXPECT_EQ(count(svg, "class=\"arrow\""), 1);  // one way back between two rows
}

TEST(Tracks, ASequenceWithinTheLimitStaysOnOneRow) {
  TrackPtr sequence = sequence_track(terminals(3, "tA"));
  sequence->measure(kUnbounded);
  const int width = sequence->extent().width;
  sequence->measure(width + 3 * kArcRadius);
  EXPECT_EQ(sequence->extent().exit_dy, 0);
  EXPECT_EQ(sequence->extent().width, width);
}

TEST(Tracks, AChoiceOfOneIsItsAlternative) {
  TrackList one;
  one.push_back(terminal_track("tA"));
  TrackPtr choice = choice_track(std::move(one));
  choice->measure(kUnbounded);
  TrackPtr box = terminal_track("tA");
  box->measure(kUnbounded);
  EXPECT_EQ(choice->extent().width, box->extent().width);
}

TEST(MarkupEscaped, TheFiveSpecialCharacters) {
  EXPECT_EQ(markup_escaped("a<b>&\"c"), "a&lt;b&gt;&amp;&quot;c");
}

// The pages are UTF-8 and XML: characters of UTF-8 pass, every other byte
// above 127 and every control character but tab and line end is written
// as the automaton pictures write it.
TEST(MarkupEscaped, BytesThatAreNoUtf8CharacterAreWrittenInHex) {
  EXPECT_EQ(markup_escaped("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"),
            "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80");
  EXPECT_EQ(markup_escaped("caf\xe9 \xff"), "caf\\xe9 \\xff");
  // overlong, surrogate, above U+10FFFF, cut short at the end
  EXPECT_EQ(markup_escaped("\xc0\x80|\xed\xa0\x80|\xf4\x90\x80\x80|\xe2\x82"),
            "\\xc0\\x80|\\xed\\xa0\\x80|\\xf4\\x90\\x80\\x80|\\xe2\\x82");
  EXPECT_EQ(markup_escaped(std::string("a\tb\nc\x01" "d\x7f") + std::string(1, '\0')),
            "a\tb\nc\\x01d\\x7f\\x00");
}

// The page of the grammar `spec` for the module "m".
std::string page(const std::string& spec, bool action_calls = true) {
  test::FrontEnd front;
  EXPECT_EQ(front.read_and_resolve(spec), kReadAccepted) << front.screen.text();
  EXPECT_EQ(front.diagnostics.error_count(), 0) << front.screen.text();
  DiagramSettings settings;
  settings.action_calls = action_calls;
  return diagram_page(front.declarations.own.rules, "m", settings);
}

constexpr const char* kGrammar =
    "DEFINITIONS acts.\n"
    "TERMINALS tA, tB, tListSep, tPackLeft, tPackRight.\n"
    "ACTIONS act(IN n : integer).\n"
    "RULES\n"
    "  r : tA LIST act(1) s.\n"
    "  s : { tB } PACK | { s } PACK OPTION tA.\n"
    "ROOT r.\n";

TEST(DiagramPage, ASectionPerRuleInRuleOrderRootFirst) {
  const std::string html = page(kGrammar);
  const std::size_t root = html.find("<section class=\"rule\" id=\"rule-ROOT\">");
  const std::size_t r = html.find("<section class=\"rule\" id=\"rule-r\">");
  const std::size_t s = html.find("<section class=\"rule\" id=\"rule-s\">");
  ASSERT_NE(root, std::string::npos);
  EXPECT_LT(root, r);
  EXPECT_LT(r, s);
  EXPECT_EQ(count(html, "<section"), 3);
  // The index links to every rule, every nonterminal box to its rule: r
  // once (in ROOT), s twice.
  const std::string index = html.substr(0, html.find("<main>"));
  const std::string diagrams = html.substr(html.find("<main>"));
  EXPECT_EQ(count(index, "<a href=\"#rule-"), 3);
  EXPECT_EQ(count(diagrams, "<a href=\"#rule-r\">"), 1);
  EXPECT_EQ(count(diagrams, "<a href=\"#rule-s\">"), 2);
}

TEST(DiagramPage, PacksAreBracketsAndListsLoopThroughTheirSeparator) {
  const std::string html = page(kGrammar);
  const std::size_t main = html.find("<main>");
  // Two packs in s, each with two brackets, and the legend's pair.
  EXPECT_EQ(count(html.substr(main), "<g class=\"bracket\">"), 4);
  EXPECT_EQ(count(html.substr(main), ">tPackLeft</text>"), 0);
  EXPECT_EQ(count(html.substr(main), "<title>tPackLeft</title>"), 2);
  EXPECT_EQ(count(html.substr(main), ">tListSep</text>"), 1);
}

TEST(DiagramPage, ActionCallsAreSmallBoxesOrLeftOut) {
  const std::string shown = page(kGrammar);
  EXPECT_NE(shown.find("<title>act(1)</title>"), std::string::npos);
  EXPECT_NE(shown.find(">act(\u2026)</text>"), std::string::npos);
  const std::string hidden = page(kGrammar, false);
  EXPECT_EQ(hidden.find("box action"), std::string::npos);
}

TEST(DiagramPage, ThePageHoldsNoScriptAndRefersToNothingOutside) {
  const std::string html = page(kGrammar);
  EXPECT_EQ(html.find("<script"), std::string::npos);
  EXPECT_EQ(html.find("http"), std::string::npos);
  EXPECT_FALSE(std::regex_search(html, std::regex(" on[a-z]+=")));
  EXPECT_EQ(html.find("src="), std::string::npos);
  EXPECT_EQ(html.find("url("), std::string::npos);
  EXPECT_EQ(html.rfind("</html>\n"), html.size() - 8);
}

}  // namespace
}  // namespace zedra
