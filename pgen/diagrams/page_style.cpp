#include "diagrams/page_style.h"

namespace zedra {

std::string_view diagram_page_style() {
  return R"css(body { margin: 24px 32px; font: 15px/1.45 "DejaVu Sans", "Helvetica Neue", Arial, sans-serif; color: #1d2330; background: #fff; }
h1 { font-size: 22px; margin: 0 0 4px; }
p.about { margin: 0 0 12px; color: #4a5366; }
ul.legend { list-style: none; padding: 0; margin: 0 0 12px; display: flex; flex-wrap: wrap; gap: 6px 28px; align-items: center; font-size: 13px; color: #4a5366; }
ul.legend li { display: flex; align-items: center; gap: 8px; }
nav.rules { margin: 0 0 20px; padding: 6px 12px; background: #f5f7fa; border: 1px solid #dde3ec; border-radius: 6px; line-height: 1.9; }
nav.rules a, section.rule h2, .box text { font-family: "DejaVu Sans Mono", "Liberation Mono", Menlo, Consolas, monospace; }
nav.rules a { font-size: 13px; margin-right: 14px; color: #2f5f9f; text-decoration: none; white-space: nowrap; }
nav.rules a:hover { text-decoration: underline; }
section.rule { margin: 0 0 14px; }
section.rule h2 { font-size: 15px; font-weight: 600; margin: 0; padding: 0 6px; display: inline-block; border-radius: 4px; }
section.rule:target h2 { background: #fff0a8; }
svg { display: block; max-width: 100%; height: auto; }
.track { fill: none; stroke: #3b4252; stroke-width: 1.6; stroke-linecap: round; stroke-linejoin: round; }
.arrow { fill: #3b4252; }
.end { stroke: #3b4252; stroke-width: 2; }
.box text { font-size: 14px; text-anchor: middle; fill: #1d2330; }
.terminal rect { fill: #fff4d6; stroke: #b7791f; stroke-width: 1.5; }
.nonterminal rect { fill: #e4eefb; stroke: #2f5f9f; stroke-width: 1.5; }
.nonterminal text { fill: #1f4a85; }
a:hover .nonterminal rect { fill: #c8dcf6; }
.action rect { fill: #f6f6f6; stroke: #8a8f99; stroke-width: 1; stroke-dasharray: 3 2; }
.action text { font-size: 11px; font-style: italic; fill: #5b6170; }
.bracket-line { fill: none; stroke: #b7791f; stroke-width: 2.5; stroke-linecap: round; stroke-linejoin: round; }
)css";
}

}  // namespace zedra
