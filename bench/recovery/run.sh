#!/bin/sh
# Error recovery of a generated parser, measured on MiniPas programs with
# typical mistakes (a missing ';', '=' for ':=', a missing 'end', stray
# tokens, an unclosed comment, a missing or misspelt keyword). The first line
# of each program names the lines of its real errors. For each program:
# the messages the compiler gives, and how many real errors got a message
# at their line or at most two lines later (where the parser notices a
# missing word). Prints figures only.
# usage: run.sh BUILD_DIR BENCH_DIR
build=$(cd "$1" && pwd)
here=$(cd "$2" && pwd)
minipas=$build/examples/pascal/minipas
[ -x "$minipas" ] || { echo "skipped: $minipas is not built"; exit 0; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
total_errors=0 total_messages=0 total_found=0
printf '%-20s %6s %9s %6s %s\n' program errors messages found "listing read to the end"
for program in "$here"/programs/*.pas; do
  name=$(basename "$program" .pas)
  cp "$program" .
  "$minipas" -q "$name.pas" 2>messages >/dev/null
  lines=$(sed -n '1s/.*lines: \([0-9 ]*\) --.*/\1/p' "$name.pas")
  errors=0 found=0
  for line in $lines; do
    errors=$((errors + 1))
    if awk -F: -v from="$line" '$2 >= from && $2 <= from + 2 { hit = 1 } END { exit !hit }' messages; then
      found=$((found + 1))
    fi
  done
  messages=$(grep -c -E ':[0-9]+: (Error|Warning)' messages)
  last=$(wc -l <"$name.pas")
  if grep -q "^ *$last " "$name.lst"; then whole=yes; else whole=no; fi
  printf '%-20s %6d %9d %6d %s\n' "$name" "$errors" "$messages" "$found" "$whole"
  total_errors=$((total_errors + errors))
  total_messages=$((total_messages + messages))
  total_found=$((total_found + found))
done
printf '%-20s %6d %9d %6d\n' all "$total_errors" "$total_messages" "$total_found"
awk -v m="$total_messages" -v e="$total_errors" 'BEGIN { printf "messages per real error: %.2f\n", m / e }'
