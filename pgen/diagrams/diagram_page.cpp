#include "diagrams/diagram_page.h"

#include <algorithm>

#include "concat.h"
#include "diagrams/page_style.h"
#include "diagrams/pack_track.h"
#include "diagrams/rule_diagram.h"
#include "diagrams/svg_canvas.h"
#include "diagrams/track.h"
#include "model/rule_model.h"

namespace zedra {

namespace {

constexpr int kSampleMargin = 3;

// A small picture of one track for the legend.
std::string sample_svg(Track& track, std::string_view label) {
  track.measure(kUnbounded);
  const Extent& extent = track.extent();
  SvgCanvas canvas;
  track.draw(canvas, kSampleMargin, kSampleMargin + extent.up);
  return canvas.svg(extent.width + 2 * kSampleMargin, extent.up + extent.down + 2 * kSampleMargin, "sample", label);
}

std::string legend_entry(TrackPtr track, std::string_view label, std::string_view text) {
  return concat({"<li>", sample_svg(*track, label), markup_escaped(text), "</li>\n"});
}

TrackPtr pack_sample() {
  auto closing = std::make_unique<BracketTrack>(BracketSide::Right, "tPackRight");
  BracketTrack* closing_bracket = closing.get();
  return pack_track(std::make_unique<BracketTrack>(BracketSide::Left, "tPackLeft"), nonterminal_track("X", ""),
                    std::move(closing), closing_bracket);
}

std::string legend(const DiagramSettings& settings) {
  std::string text = "<ul class=\"legend\">\n";
  text += legend_entry(terminal_track("tName"), "terminal", "terminal");
  text += legend_entry(nonterminal_track("name", ""), "nonterminal", "nonterminal, a link to its rule");
  if (settings.action_calls)
    text += legend_entry(action_track("action(\u2026)", ""), "action call",
                         "action call (its arguments in the tooltip)");
  text += legend_entry(pack_sample(), "PACK", "X PACK: X between tPackLeft and tPackRight");
  text += "</ul>\n";
  return text;
}

bool has_diagram(const Rule& rule) { return rule.body && !rule.body->alternatives.empty(); }

std::string rule_index(const RuleList& rules) {
  std::string text = "<nav class=\"rules\">\n";
  for (const auto& rule : rules.rules)
    if (has_diagram(*rule))
      text += concat({"<a href=\"#", rule_anchor(rule->name), "\">", markup_escaped(rule->name), "</a>\n"});
  text += "</nav>\n";
  return text;
}

std::string rule_section(const Rule& rule, const DiagramSettings& settings) {
  return concat({"<section class=\"rule\" id=\"", rule_anchor(rule.name), "\">\n<h2>", markup_escaped(rule.name),
                 "</h2>\n", rule_svg(rule, settings), "</section>\n"});
}

}  // namespace

std::string diagram_page(const RuleList& rules, std::string_view module, const DiagramSettings& settings) {
  const std::string name = markup_escaped(module);
  std::string page = concat({"<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n",
                             "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n",
                             "<title>Syntax diagrams of ", name, "</title>\n<style>\n", diagram_page_style(),
                             "</style>\n</head>\n<body>\n<header>\n<h1>Syntax diagrams of ", name, "</h1>\n",
                             "<p class=\"about\">One diagram per rule, in the order of the specification, "
                             "ROOT first. Written by pgen.</p>\n",
                             legend(settings), rule_index(rules), "</header>\n<main>\n"});
  for (const auto& rule : rules.rules)
    if (has_diagram(*rule)) page += rule_section(*rule, settings);
  page += "</main>\n</body>\n</html>\n";
  return page;
}

}  // namespace zedra
