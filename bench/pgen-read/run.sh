#!/bin/sh
# Reading speed of pgen: generates a parser specification of 5000 rules
# (with locals, nested groups, CHAIN/LIST/PACK and action calls whose
# arguments need resolving) and times reading, resolving and listing it.
# One deliberate error, a constant of an unknown type, is reported by the
# resolution, which still resolves everything; it keeps the analyses and
# the generation out of the figure.
# usage: run.sh BUILD_DIR BENCH_DIR
set -e
build=$(cd "$1" && pwd)
pgen=$build/pgen/pgen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
awk -v rules=5000 'BEGIN {
  print "DEFINITIONS benchacts."
  printf "TERMINALS tListSep, tPackLeft, tPackRight"
  for (i = 0; i < 200; i++) printf ", t%d", i
  print "."
  print "TYPES kind = (kOne, kTwo, kThree)."
  print "CONSTANTS limit : integer. unresolved : notype."
  print "ACTIONS"
  print "  work(IN n : integer; IN k : kind; OUT r : integer)."
  print "  note(IN s : string)."
  print "ATTRIBUTES"
  print "  total : integer GLOBAL."
  printf "  val : integer SYN OF t0"
  for (i = 0; i < rules; i++) printf ", r%d", i
  print "."
  print "RULES"
  for (i = 0; i < rules; i++) {
    n = (i + 1) % rules; m = (i * 7 + 3) % rules
    printf "  r%d (LOCAL x : integer) :\n", i
    printf "      t%d r%d work(val of r%d, kTwo, x) { t%d | r%d work(limit, kOne, val of r%d) } CLOS\n", i % 200, n, n, (i + 1) % 200, m, i
    printf "    | t%d CHAIN t%d note(\"rule %d\") | r%d LIST OPTION | t%d PACK.\n", (i + 2) % 200, (i + 3) % 200, i, n, (i + 4) % 200
  }
  print "ROOT r0."
}' > bench.inp
lines=$(wc -l < bench.inp)
start=$(date +%s.%N)
# `times` in the child shell gives the CPU time of pgen itself (second
# line), which a loaded machine does not inflate as it does the wall time.
cpu=$(sh -c '"$0" bench.inp > out.txt; times' "$pgen" | tail -1)
end=$(date +%s.%N)
tail -1 out.txt
awk -v s="$start" -v e="$end" -v l="$lines" -v cpu="$cpu" \
  'BEGIN { printf "pgen read+resolve: 5000 rules, %d lines: %.3f s wall, cpu (user sys) %s\n", l, e - s, cpu }'
