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
for n in 400 2000; do gen $n; done
