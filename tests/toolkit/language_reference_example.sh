#!/bin/sh
# The complete pair of docs/language.md is a valid pair of specifications:
# sgen and pgen, given the two files as the page shows them, generate the
# scanner and the parser without an error.
# usage: language_reference_example.sh   (environment: ZEDRA_SOURCE_DIR,
# SGEN, PGEN)
set -u
page=$ZEDRA_SOURCE_DIR/docs/language.md
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# The indented block behind the line that names FILE.
block() {
  awk -v head="\`$1\`:" '$0 == head { f = 1; next } f && /^    / { sub(/^    /, ""); print; next }
                         f && NF { exit }' "$page" >"$1"
  [ -s "$1" ] || { echo "FAIL: no file $1 found in $page"; exit 1; }
}
block calcscan.inp
block calc.inp
"$SGEN" calcscan.inp >sgen.out 2>&1 || { cat sgen.out; echo "FAIL: sgen rejects calcscan.inp of the page"; exit 1; }
"$PGEN" calc.inp >pgen.out 2>&1 || { cat pgen.out; echo "FAIL: pgen rejects calc.inp of the page"; exit 1; }
[ -s calc.c ] && [ -s calcscan.c ] || { echo "FAIL: no scanner or parser written"; exit 1; }
echo "the complete pair of docs/language.md generates without an error"
