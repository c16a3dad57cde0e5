#!/bin/sh
# Renders the pictures of the README from the examples, with the programs
# of the build folder BUILD (default build):
#
#   docs/passcan-automaton.png  sgen --graph of examples/pascal/passcan.inp,
#                               laid out by Graphviz
#   docs/minipas-diagrams.png   pgen --diagrams of examples/pascal/minipas.inp:
#                               some of its rules, rendered by headless Chromium
#
# usage: sh docs/render.sh [BUILD]    (make docs)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
rules="block compound statement simple_expr"

for tool in dot chromium; do
  command -v "$tool" >/dev/null 2>&1 || { echo "docs/render.sh: '$tool' is needed" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$root/examples/pascal/passcan.inp" "$root/examples/pascal/minipas.inp" .

"$build/sgen/sgen" passcan.inp --graph >/dev/null
dot -Tpng -Gdpi=72 passcan.dot -o "$root/docs/passcan-automaton.png"

"$build/pgen/pgen" minipas.inp --diagrams >/dev/null
# The page's head and style with the sections of the chosen rules; the
# window is made as wide and as high as they need.
awk -v rules=" $rules " '
  /<body>/ { print; print "<main>"; head_done = 1; next }
  !head_done { print; next }
  /<section class="rule"/ { id = $0; sub(/.*id="rule-/, "", id); sub(/".*/, "", id); keep = index(rules, " " id " ") > 0 }
  keep { print }
  /<\/section>/ { keep = 0 }
  END { print "</main>\n</body>\n</html>" }' minipas.html >part.html
size=$(awk -v rules=" $rules " '
  /<section class="rule"/ { id = $0; sub(/.*id="rule-/, "", id); sub(/".*/, "", id); keep = index(rules, " " id " ") > 0 }
  keep && /<svg class="diagram"/ {
    w = $0; sub(/.* width="/, "", w); sub(/".*/, "", w)
    h = $0; sub(/.* height="/, "", h); sub(/".*/, "", h)
    if (w + 0 > width) width = w + 0
    height += h + 36
  }
  END { print width + 64 "," height + 48 }' minipas.html)
profile=$(mktemp -d)
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$profile" --hide-scrollbars --window-size="$size" \
  --screenshot="$root/docs/minipas-diagrams.png" "file://$work/part.html" 2>/dev/null
rm -rf "$profile"
echo "docs/passcan-automaton.png, docs/minipas-diagrams.png ($size)"
