#!/bin/sh
# Analysis and generation speed of pgen on a large LL(1) grammar, beside
# bison on the same grammar written as BNF. The grammar has N rules over
# 150 terminals; every rule has nested groups, an OPTION, a CLOS, a SEQ and
# a CHAIN. Terminal ranges keep it LL(1): t0-t9 close an alternative,
# t10-t109 start one, t110-t129 start the option's alternatives, t130-t139
# start repetitions, t140-t149 separate chains.
# usage: run.sh BUILD_DIR BENCH_DIR
set -e
build=$1
pgen=$build/pgen/pgen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# gen N: writes g<N>.inp (pgen) and g<N>.y (bison).
gen() {
  awk -v rules="$1" -v inp="g$1.inp" -v yacc="g$1.y" '
  function t(k) { return "t" k }
  function ref(k) { return "r" (k % rules) }
  BEGIN {
    printf "OPTIONS NO_listattributes.\nTERMINALS t0" > inp
    printf "%%token t0" > yacc
    for (k = 1; k < 150; k++) { printf ", t%d", k > inp; printf " t%d", k > yacc }
    print ".\nRULES" > inp
    print "\n%%\nstart : r0 ;" > yacc
    for (i = 0; i < rules; i++) {
      s1 = t(10 + (2 * i) % 100); s2 = t(10 + (2 * i + 1) % 100)
      o = 110 + (i % 5) * 4
      c1 = t(130 + i % 10); c2 = t(130 + (i + 5) % 10); p = t(140 + i % 10)
      e1 = t(i % 10); e2 = t((i + 3) % 10)
      a = ref(2 * i + 1); x = ref(2 * i + 2); b = ref(i * 7 + 3); c = ref(i * 13 + 5); d = ref(i + 1)
      printf "  r%d : %s %s { %s %s | %s { %s %s | %s } } OPTION { %s %s } CLOS %s CHAIN %s %s\n", \
        i, s1, a, t(o), b, t(o + 1), t(o + 2), c, t(o + 3), c1, d, x, p, e1 > inp
      printf "    | %s %s SEQ %s.\n", s2, c2, e2 > inp
      printf "r%d : %s %s opt%d clos%d chain%d %s | %s seq%d %s ;\n", i, s1, a, i, i, i, e1, s2, i, e2 > yacc
      printf "opt%d : %%empty | %s %s | %s grp%d ;\n", i, t(o), b, t(o + 1), i > yacc
      printf "grp%d : %s %s | %s ;\n", i, t(o + 2), c, t(o + 3) > yacc
      printf "clos%d : %%empty | clos%d %s %s ;\n", i, i, c1, d > yacc
      printf "chain%d : %s | chain%d %s %s ;\n", i, x, i, p, x > yacc
      printf "seq%d : %s | seq%d %s ;\n", i, c2, i, c2 > yacc
    }
    print "ROOT r0." > inp
  }'
}

# cpu_of CMD...: runs CMD (output to run.out) and prints its CPU seconds.
cpu_of() {
  sh -c '"$@" > run.out 2>&1; times' sh "$@" | tail -1 |
    awk '{ split($1, u, "m"); split($2, s, "m"); printf "%.3f", u[1] * 60 + u[2] + s[1] * 60 + s[2] }'
}

for n in 100 200 400; do
  gen $n
  secs=$(cpu_of "$pgen" g$n.inp)
  errors=$(grep -- '- errors' run.out)
  echo "pgen,  $n rules: $secs s cpu ($errors)"
done

if ! command -v bison >/dev/null 2>&1 && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
  apt-get install -y bison >/dev/null 2>&1 || true
fi
if command -v bison >/dev/null 2>&1; then
  secs=$(cpu_of bison -o g400.tab.c g400.y)
  conflicts=$(grep -c conflict run.out || true)
  echo "bison, 400 rules: $secs s cpu ($conflicts conflict reports)"
else
  echo "bison, 400 rules: skipped (bison is not installed)"
fi
