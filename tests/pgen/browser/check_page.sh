#!/bin/sh
# Renders the syntax-diagram page of a grammar in a real browser (headless
# Chromium) and checks, through the browser, that it was laid out.
#
# usage: check_page.sh SCANNER_SPEC PARSER_SPEC [PGEN_OPTION]
#   SCANNER_SPEC  the sgen specification whose include file the grammar
#                 reads, or "-" when the grammar declares its terminals
#   PARSER_SPEC   the grammar; pgen writes its page with PGEN_OPTION
#                 (default --diagrams)
#
# The page is loaded into harness.html, whose script measures every
# diagram and writes its verdict into the document; the verdict must name
# every rule of the listing, in order, and find nothing wrong. The page
# is also rendered to a PNG, which must have the window's size and hold
# more than a blank page. Without a browser (and without the means to
# install one) the test is skipped.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../lib/need_tool.sh"

browser=
for name in chromium chromium-browser google-chrome; do
  if command -v "$name" >/dev/null 2>&1; then browser=$name; break; fi
done
if [ -z "$browser" ]; then
  need_tool chromium chromium
  browser=chromium
fi

absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
scanner_spec=$1
[ "$scanner_spec" = - ] || scanner_spec=$(absolute "$1")
parser_spec=$(absolute "$2")
option=${3:---diagrams}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

fail() {
  echo "FAIL: $*"
  exit 1
}

if [ "$scanner_spec" != - ]; then
  cp "$scanner_spec" . && "$SGEN" "$(basename "$scanner_spec")" >sgen.out || fail "sgen: $(cat sgen.out)"
fi
# pgen writes into a folder of its own: a parser may have the module name
# of its scanner (k2x), whose files it never replaces.
cp "$parser_spec" .
spec=$(basename "$parser_spec")
"$PGEN" -d parser "$spec" "$option" >pgen.out || fail "pgen: $(cat pgen.out)"
module=parser/$(echo "${spec%.*}" | cut -c1-8)
[ -f "$module.html" ] || fail "pgen wrote no $module.html: $(cat pgen.out)"

run_browser() {
  profile=$(mktemp -d)
  timeout 120 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" "$@" 2>browser.err
  status=$?
  rm -rf "$profile"
  return $status
}

# The verdict of the harness.
sed "s|PAGE|$module.html|" "$here/harness.html" >harness.html
run_browser --allow-file-access-from-files --dump-dom "file://$work/harness.html" >dom.html ||
  fail "the browser did not load the page: $(cat browser.err)"
sed -n '/<pre id="verdict">/,/<\/pre>/p' dom.html | sed 's/<[^>]*>//g' | sed '/^$/d' >verdict
[ -s verdict ] || fail "no verdict in the page"

# The rules of the listing: ROOT, then every rule after the line RULES.
awk '/^ROOT$/ { printf "ROOT" } /^RULES$/ { rules = 1; next }
     rules && /^[A-Za-z_][A-Za-z0-9_]*( \(LOCAL|:)/ { name = $1; sub(/:$/, "", name); printf " %s", name }
     END { print "" }' "$module.lst" >listed
expected="rules: $(cat listed)"
actual=$(head -n 1 verdict)
[ "$actual" = "$expected" ] || fail "the page shows other rules than the listing:
  page:    $actual
  listing: $expected"
result=$(sed -n '2,$p' verdict)
[ "$result" = "laid out" ] || fail "$result"

# The picture.
run_browser --hide-scrollbars --window-size=1200,900 --screenshot="$work/page.png" "file://$work/$module.html" ||
  fail "the browser did not render the page: $(cat browser.err)"
[ -f page.png ] || fail "no picture"
header=$(od -An -tx1 -N24 page.png | tr -d ' \n')
case $header in
  89504e470d0a1a0a*) ;;
  *) fail "page.png is not a PNG" ;;
esac
size=$(echo "$header" | cut -c33-48)
[ "$size" = 000004b000000384 ] || fail "page.png is not 1200x900 (IHDR $size)"
bytes=$(wc -c <page.png)
[ "$bytes" -gt 20000 ] || fail "page.png holds $bytes bytes, no more than a blank page"

rule_count=$(echo "$actual" | wc -w)
echo "$module: $((rule_count - 1)) diagrams laid out; picture 1200x900, $bytes bytes"
