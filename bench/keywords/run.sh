#!/bin/sh
# Front ends of languages with many tokens: N keywords, statements "kw ;"
# and, for every seventh keyword, blocks "kw { ... }". The same 500 000
# statements are parsed by the ZEDRA front end in the default and in the
# fast shape (scanner and parser), and by flex + bison. With more than 128
# tokens the fast parser lists its token sets once and makes them into
# masks when the parse starts. CPU seconds, best of three, and the time gcc
# -O2 takes on each generated parser. Prints figures only.
# usage: run.sh BUILD_DIR BENCH_DIR
build=$(cd "$1" && pwd)
. "$(dirname "$0")/../lib.sh"
runtime=$(cd "$(dirname "$0")/../../runtime" && pwd)
sgen=$build/sgen/sgen pgen=$build/pgen/pgen
[ -x "$pgen" ] && [ -x "$sgen" ] || { echo "skipped: sgen and pgen are not built"; exit 0; }
command -v python3 >/dev/null 2>&1 || { echo "skipped: python3 is not installed"; exit 0; }
[ -x /usr/bin/time ] || { echo "skipped: /usr/bin/time is not installed"; exit 0; }
have_bison=no
want bison && want flex && have_bison=yes
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# best CMD...: the least user+system seconds of three runs.
best() {
  for run in 1 2 3; do
    /usr/bin/time -f "%U %S" -o best.run "$@" >/dev/null 2>&1
    tail -n 1 best.run
  done | awk '{ t = $1 + $2; if (NR == 1 || t < b) b = t } END { printf "%.2f", b }'
}

for n in 200 1000; do
  python3 - "$n" <<'PY'
import random, sys
n = int(sys.argv[1])
def word(i):
    s, i = "", i + 1
    while i:
        s, i = chr(97 + i % 26) + s, i // 26
    return "k" + s
block = lambda i: i % 7 == 0
spec = ["SYMBOLS\n  tSemi : ; .\n  tL : { .\n  tR : } .", "KEYWORDS"]
spec += ["  kw%d : %s ." % (i, word(i)) for i in range(n)]
spec.append("CHARSETS\n  letter : ['a'..'z'] .\n  blank : [SP, HT, LF] .\nRULES\n"
            "  tBlank : SKIP : blank SEQ .\n  tWord : VERIFY : letter SEQ .")
open("ks.inp", "w").write("\n".join(spec) + "\n")
alts = ["kw%d tL stmt CLOS tR" % i if block(i) else "kw%d tSemi" % i for i in range(n)]
open("kp.inp", "w").write("OPTIONS PROGRAM.\nINCLUDE ks.\nRULES\n  program : stmt CLOS .\n"
                          "  stmt : " + "\n    | ".join(alts) + " .\nROOT program.\n")
lex = ["%option noyywrap nounput noinput", "%{", '#include "kb.tab.h"', "%}", "%%",
       "[ \\t\\n]+ ;", '";" return tSemi;', '"{" return tL;', '"}" return tR;']
lex += ['"%s" return kw%d;' % (word(i), i) for i in range(n)]
lex += [". return 1;", "%%"]
open("kb.l", "w").write("\n".join(lex) + "\n")
rules = ["kw%d tL stmts tR" % i if block(i) else "kw%d tSemi" % i for i in range(n)]
open("kb.y", "w").write("%{\n#include <stdio.h>\nint yylex(void);\n"
                        "void yyerror(const char *s) { fprintf(stderr, \"%s\\n\", s); }\n%}\n"
                        "%token tSemi tL tR " + " ".join("kw%d" % i for i in range(n)) + "\n%%\n"
                        "program : stmts ;\nstmts : %empty | stmts stmt ;\n"
                        "stmt : " + "\n  | ".join(rules) + " ;\n%%\n"
                        "extern FILE *yyin;\nint main(int ac, char **av)\n"
                        "{ (void)ac; yyin = fopen(av[1], \"r\"); return yyin ? yyparse() : 1; }\n")
rng = random.Random(1)
def stmt(depth, out):
    i = rng.randrange(n)
    if not block(i) or depth > 3:
        i = i + 1 if block(i) else i
        out.append(word(i % n if not block(i % n) else 1) + " ;\n")
        return 1
    out.append(word(i) + " {\n")
    count = 1
    for _ in range(rng.randrange(4)):
        count += stmt(depth + 1, out)
    out.append("}\n")
    return count
out, count = [], 0
while count < 500000:
    count += stmt(0, out)
open("big.txt", "w").write("".join(out))
PY
  for shape in default fast; do
    mkdir -p "$shape"
    cp ks.inp kp.inp big.txt "$shape"
    flag=$([ "$shape" = fast ] && echo --fast)
    (cd "$shape" && "$sgen" $flag --no-templates ks >/dev/null && "$pgen" $flag --no-templates kp >/dev/null) ||
      { echo "$n keywords: sgen or pgen failed"; continue 2; }
    compile=$(cd "$shape" && best cc -std=c11 -O2 -I. -I"$runtime" -c -o kp.o kp.c)
    (cd "$shape" && cc -std=c11 -O2 -I. -I"$runtime" -o front ks.c kp.c) || continue 2
    eval "compile_$shape=\$compile"
    eval "parse_$shape=\$(cd $shape && best ./front -q big.txt)"
  done
  line="$n keywords: default $parse_default s (gcc $compile_default s), fast $parse_fast s (gcc $compile_fast s)"
  if [ "$have_bison" = yes ] && bison -d -o kb.tab.c kb.y 2>/dev/null && flex -o kb.yy.c kb.l &&
     cc -O2 -o fb kb.tab.c kb.yy.c 2>/dev/null; then
    line="$line, flex + bison $(best ./fb big.txt) s"
  else
    line="$line, flex + bison skipped (not installed)"
  fi
  echo "$line"
  rm -rf default fast
done
