#!/bin/sh
# The worked example of docs/kam.md does what the page shows: its program,
# taken from the page, prints the shown output on kamrun and, translated by
# k2c and compiled with the support files, as a C program.
# usage: kam_reference_example.sh   (environment: ZEDRA_SOURCE_DIR, KAMRUN,
# K2C, CC)
set -u
page=$ZEDRA_SOURCE_DIR/docs/kam.md
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# The indented block behind the line that names squares.kam, and the
# output that the page shows for "kamrun -s squares.kam".
awk '/`squares.kam`:$/ { f = 1; next } f && /^    / { sub(/^    /, ""); print; next }
     f && NF { exit }' "$page" >squares.kam
awk '/^    \$ kamrun -s squares.kam/ { f = 1; next } f && /^    \$/ { exit }
     f { sub(/^    /, ""); print }' "$page" >expected
[ -s squares.kam ] && [ -s expected ] || { echo "FAIL: no worked example found in $page"; exit 1; }

{ "$KAMRUN" -s squares.kam; echo "exit $?"; } >kamrun.out 2>&1
diff -u expected kamrun.out || { echo "FAIL: kamrun does not print what the page shows"; exit 1; }
"$K2C" squares.kam >/dev/null 2>&1 &&
  "$CC" -std=c11 -O2 -I "$ZEDRA_SOURCE_DIR/kamtrans/target" -o squares squares.c ||
  { echo "FAIL: the k2c translation of the example does not build"; exit 1; }
{ ./squares; echo "exit $?"; } >c.out 2>&1
diff -u expected c.out || { echo "FAIL: the translated example does not print what the page shows"; exit 1; }
echo "the worked example of docs/kam.md runs as shown, on kamrun and translated by k2c"
