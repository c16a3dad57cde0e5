#!/bin/sh
# Analysis and generation speed of pgen on a large LL(1) grammar, beside
# bison on the same grammar written as BNF. The grammar has N rules over
# 150 terminals; every rule has nested groups, an OPTION, a CLOS, a SEQ and
# a CHAIN. Terminal ranges keep it LL(1): t0-t9 close an alternative,
# t10-t109 start one, t110-t129 start the option's alternatives, t130-t139
# start repetitions, t140-t149 separate chains.
#
# Then the scale of pgen beside bison: chains of right-recursive rules
# r<i> : a r<i+1> | b . (every rule can end in all the rules after it) of
# 1 000 to 10 000 rules, and a wide grammar of 2 000 such rules that each
# pass through a rule of 500 alternatives, and one rule of a single
# alternative of 40 000 symbols, and one rule of 1 000 and of 4 000
# alternatives that end in the rule itself, and 2 000 and 4 000 statements
# that end in one rule, and 3 000 and 10 000 rules that each end in three
# others picked at random. CPU time and peak memory, best of three; with the
# listing of LAST sets (option last) the chain of 3 000 too, and the wide
# grammar with every set listed.
# usage: run.sh BUILD_DIR BENCH_DIR
set -e
build=$(cd "$1" && pwd)
. "$(dirname "$0")/../lib.sh"
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

if want bison; then
  secs=$(cpu_of bison -o g400.tab.c g400.y)
  conflicts=$(grep -c conflict run.out || true)
  echo "bison, 400 rules: $secs s cpu ($conflicts conflict reports)"
else
  echo "bison, 400 rules: skipped (bison is not installed)"
fi

[ -x /usr/bin/time ] || { echo "scale: skipped (/usr/bin/time is not installed)"; exit 0; }

# chain N: chain<N>.inp and chain<N>.y
chain() {
  awk -v n="$1" 'BEGIN {
    print "TERMINALS a, b.\nRULES" > ("chain" n ".inp")
    print "%token a b\n%%\nstart : r0 ;" > ("chain" n ".y")
    for (i = 0; i < n; i++) {
      printf "r%d : a r%d | b.\n", i, i + 1 > ("chain" n ".inp")
      printf "r%d : a r%d | b ;\n", i, i + 1 > ("chain" n ".y")
    }
    printf "r%d : b.\nROOT r0.\n", n > ("chain" n ".inp")
    printf "r%d : b ;\n", n > ("chain" n ".y")
  }'
}

# wide: wide.inp and wide.y, 2 000 rules over 500 terminals
wide() {
  awk 'BEGIN {
    printf "TERMINALS z" > "wide.inp"; printf "%%token z" > "wide.y"
    for (k = 0; k < 500; k++) { printf ", t%d", k > "wide.inp"; printf " t%d", k > "wide.y" }
    print ".\nRULES" > "wide.inp"; print "\n%%\nstart : r0 ;" > "wide.y"
    printf "e : t0" > "wide.inp"; printf "e : t0" > "wide.y"
    for (k = 1; k < 500; k++) { printf " | t%d", k > "wide.inp"; printf " | t%d", k > "wide.y" }
    print "." > "wide.inp"; print " ;" > "wide.y"
    for (i = 0; i < 2000; i++) {
      printf "r%d : t%d e r%d | t%d.\n", i, i % 500, i + 1, (i + 250) % 500 > "wide.inp"
      printf "r%d : t%d e r%d | t%d ;\n", i, i % 500, i + 1, (i + 250) % 500 > "wide.y"
    }
    print "r2000 : z.\nROOT r0." > "wide.inp"; print "r2000 : z ;" > "wide.y"
  }'
}

# best_of_three COMMAND...: "cpu_seconds peak_kb" of the best of three runs.
best_of_three() {
  for run in 1 2 3; do
    /usr/bin/time -f "%U %S %M" -o best_of_three.run "$@" >/dev/null 2>&1
    tail -n 1 best_of_three.run
  done | awk '{ cpu = $1 + $2; if (NR == 1 || cpu < c) c = cpu; if (NR == 1 || $3 < m) m = $3 }
              END { printf "%.2f %d\n", c, m }'
}

# line LABEL PGEN_FIGURES BISON_FIGURES
line() {
  set -- "$1" $2 $3
  printf "%-28s pgen %6.2f s %8.1f MB" "$1" "$2" "$(awk -v k="$3" 'BEGIN { print k / 1024 }')"
  if [ -n "${4:-}" ]; then
    printf "   bison %6.2f s %8.1f MB" "$4" "$(awk -v k="$5" 'BEGIN { print k / 1024 }')"
  fi
  echo
}

have_bison=$(command -v bison >/dev/null 2>&1 && echo yes || echo no)
# with_bison GRAMMAR: bison's "cpu_seconds peak_kb" for the grammar, nothing
# without bison.
with_bison() {
  [ "$have_bison" = yes ] || return 0
  best_of_three bison -o grammar.tab.c "$1"
}
for n in 1000 3000 6000 10000; do
  chain $n
  p=$(best_of_three "$pgen" chain$n.inp)
  b=$(with_bison chain$n.y)
  line "chain of $n rules" "$p" "$b"
done
wide
p=$(best_of_three "$pgen" wide.inp)
b=$(with_bison wide.y)
line "wide (2000 x 500 terminals)" "$p" "$b"
# One alternative of 40 000 symbols: x : a a ... a b .
awk 'BEGIN {
  printf "TERMINALS a, b.\nRULES\n  x :" > "long.inp"; printf "%%token a b\n%%%%\nx :" > "long.y"
  for (k = 0; k < 40000; k++) { printf " a", k > "long.inp"; printf " a" > "long.y" }
  print " b.\nROOT x." > "long.inp"; print " b ;" > "long.y"
}'
p=$(best_of_three "$pgen" long.inp)
b=$(with_bison long.y)
line "one alternative of 40000" "$p" "$b"
# One alternative of 8 000 terminals, each followed by an action that sets
# a local of its own from the one before (bison: as many mid-rule actions
# on an array).
awk -v n=8000 'BEGIN {
  printf "DEFINITIONS acts.\nACTIONS\n  set(OUT v : integer).\n  add(IN a, b : integer; OUT r : integer).\n" > "locals.inp"
  printf "TERMINALS t0" > "locals.inp"; printf "%%{\nint l[%d];\n%%}\n%%token t0", n > "locals.y"
  for (k = 1; k < 10; k++) { printf ", t%d", k > "locals.inp"; printf " t%d", k > "locals.y" }
  printf ".\nRULES\n  r (LOCAL l0 : integer" > "locals.inp"; printf "\n%%%%\nr : t0 { l[0] = 1; }\n" > "locals.y"
  for (k = 1; k < n; k++) printf "; l%d : integer", k > "locals.inp"
  print ") :\n    t0 set(l0)" > "locals.inp"
  for (k = 1; k < n; k++) {
    printf "    t%d add(l%d, l%d, l%d)\n", k % 10, k - 1, k - 1, k > "locals.inp"
    printf "  t%d { l[%d] = l[%d] + l[%d]; }\n", k % 10, k, k - 1, k - 1 > "locals.y"
  }
  print "    .\nROOT r." > "locals.inp"; print "  ;" > "locals.y"
}'
p=$(best_of_three "$pgen" locals.inp)
b=$(with_bison locals.y)
line "8000 actions on 8000 locals" "$p" "$b"
# One rule of N alternatives that each end in the rule itself, which may be
# empty: r : t0 r | t1 r | ... | . (the FOLLOW of every alternative's first
# symbol holds all N terminals). bison only at 1 000: it takes 19 s at 2 000.
for n in 1000 4000; do
  awk -v n="$n" 'BEGIN {
    printf "TERMINALS t0" > ("alts" n ".inp"); printf "%%token t0" > ("alts" n ".y")
    for (i = 1; i < n; i++) { printf ", t%d", i > ("alts" n ".inp"); printf " t%d", i > ("alts" n ".y") }
    print ".\nRULES\n  r :" > ("alts" n ".inp"); print "\n%%\nr : %empty" > ("alts" n ".y")
    for (i = 0; i < n; i++) { printf "    t%d r |\n", i > ("alts" n ".inp"); printf "  | t%d r\n", i > ("alts" n ".y") }
    print "    .\nROOT r." > ("alts" n ".inp"); print "  ;" > ("alts" n ".y")
  }'
  p=$(best_of_three "$pgen" alts$n.inp)
  b=""
  [ "$n" = 1000 ] && b=$(with_bison alts$n.y)
  line "a rule of $n alternatives" "$p" "$b"
done
# N statements that all end in one rule, every fifth a block of them:
# stmt : s0 | s1 | ... . s0 : k0 lb stmt CLOS rb . s1 : k1 semi . (every
# block adds FIRST of stmt, N keywords, to FOLLOW of stmt and of all the
# rules stmt ends in). bison only at 2 000: it takes 54 s at 4 000.
for n in 2000 4000; do
  awk -v n="$n" 'BEGIN {
    inp = "stmts" n ".inp"; yacc = "stmts" n ".y"
    printf "TERMINALS semi, lb, rb" > inp; printf "%%token semi lb rb" > yacc
    for (i = 0; i < n; i++) { printf ", k%d", i > inp; printf " k%d", i > yacc }
    printf ".\nRULES\n  program : stmt CLOS.\n  stmt : s0" > inp
    printf "\n%%%%\nprogram : %%empty | program stmt ;\nstmts : %%empty | stmts stmt ;\nstmt : s0" > yacc
    for (i = 1; i < n; i++) { printf " | s%d", i > inp; printf " | s%d", i > yacc }
    print "." > inp; print " ;" > yacc
    for (i = 0; i < n; i++) {
      if (i % 5 == 0) {
        printf "  s%d : k%d lb stmt CLOS rb.\n", i, i > inp; printf "s%d : k%d lb stmts rb ;\n", i, i > yacc
      } else {
        printf "  s%d : k%d semi.\n", i, i > inp; printf "s%d : k%d semi ;\n", i, i > yacc
      }
    }
    print "ROOT program." > inp
  }'
  p=$(best_of_three "$pgen" stmts$n.inp)
  b=""
  [ "$n" = 2000 ] && b=$(with_bison stmts$n.y)
  line "$n statements in one rule" "$p" "$b"
  # The fast shape lists its sets (more than 128 tokens), each once.
  p=$(best_of_three "$pgen" --fast stmts$n.inp)
  line "$n statements, --fast" "$p" ""
done
# N rules over 500 terminals that each end in three rules picked at random
# (a fixed sequence of its own), LL(1): r<i> : t r<a> | u r<b> v | v r<c> | w .
# Nearly every rule ends, through others, in every rule, as the statements
# and expressions of a large language do.
for n in 3000 10000; do
  awk -v n="$n" 'function rnd(m) { seed = (seed * 1103515245 + 12345) % 2147483648; return int(seed / 65536) % m }
  BEGIN {
    seed = 3; inp = "cross" n ".inp"; yacc = "cross" n ".y"
    printf "TERMINALS t0" > inp; printf "%%token t0" > yacc
    for (k = 1; k < 500; k++) { printf ", t%d", k > inp; printf " t%d", k > yacc }
    print ".\nRULES" > inp; print "\n%%\nstart : r0 ;" > yacc
    for (i = 0; i < n; i++) {
      a = rnd(n); b = rnd(n); c = rnd(n)
      k = rnd(500); ta = "t" k; tb = "t" (k + 1) % 500; tc = "t" (k + 2) % 500; td = "t" (k + 3) % 500
      printf "  r%d : %s r%d | %s r%d %s | %s r%d | %s .\n", i, ta, a, tb, b, tc, tc, c, td > inp
      printf "r%d : %s r%d | %s r%d %s | %s r%d | %s ;\n", i, ta, a, tb, b, tc, tc, c, td > yacc
    }
    print "ROOT r0." > inp
  }'
  p=$(best_of_three "$pgen" cross$n.inp)
  b=$(with_bison cross$n.y)
  line "$n rules ending at random" "$p" "$b"
done
# With the sets listed, memory should stay within the size of the listing.
mb_of() { awk -v b="$(wc -c <"$1")" 'BEGIN { printf "%.1f MB", b / 1048576 }'; }
printf 'OPTIONS last.\n' | cat - chain3000.inp > last3000.inp
p=$(best_of_three "$pgen" last3000.inp)
line "chain of 3000, LAST listed" "$p" ""
echo "  (the listing of LAST grows with the square of the chain: $(mb_of last3000.lst))"
printf 'OPTIONS first, last, follow, dirset.\n' | cat - wide.inp > setswide.inp
p=$(best_of_three "$pgen" setswide.inp)
line "wide, all sets listed" "$p" ""
echo "  (the listing of FIRST, LAST, FOLLOW and DIRSET: $(mb_of setswide.lst))"
[ "$have_bison" = yes ] || echo "bison: skipped (not installed)"
