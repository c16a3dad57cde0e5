#!/bin/sh
# The whole chain: the MiniPas compiler, generated at build time by sgen
# and pgen from examples/pascal, compiles the bundled programs to KAM code;
# kamrun runs the code, k2c translates it to C, the C compiler builds the
# translation, and both runs must print the same. Then a program with
# errors and its listing.
# usage: 20-minipas.sh BUILD_DIR EXAMPLES_DIR
build=$(cd "$1" && pwd)
examples=$(cd "$2" && pwd)
kamrun=$build/kamrun/kamrun
k2c=$build/kamtrans/k2c
target=$(cd "$examples/../kamtrans/target" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/examples/pascal/minipas" "$examples"/pascal/*.pas "$examples"/pascal/*.in "$work"/
cd "$work" || exit 1

indent() { sed 's/^/     /'; }
# A run's output on one line: KAM writes every value on a line of its own.
joined() { tr '\n' ' ' <"$1" | sed 's/ $//; s/^/     /'; echo; }

echo "== minipas: a compiler built by sgen and pgen from passcan.inp and minipas.inp"
echo "-- sum.pas, the source:"
indent <sum.pas
for program in sum hanoi queens; do
  data=$work/empty.in
  : >"$data"
  [ -f "$program.in" ] && data=$work/$program.in
  echo "-- $program.pas$( [ -f "$program.in" ] && echo ", its input: $(tr '\n' ' ' <"$program.in")")"
  echo "   \$ minipas $program.pas"
  ./minipas "$program.pas" 2>&1 | indent
  if [ "$program" = sum ]; then
    echo "   the KAM code, sum.kam:"
    indent <sum.kam
  fi
  echo "   \$ kamrun -s -d$(basename "$data") $program.kam    (output joined on one line)"
  "$kamrun" -s "-d$data" "$program.kam" >"$program.kamrun" 2>&1
  joined "$program.kamrun"
  mkdir "$program.c.d"
  echo "   \$ k2c $program.kam && cc -O2 -o $program $program.c && ./$program"
  if (cd "$program.c.d" && "$k2c" "../$program.kam" >/dev/null 2>&1 &&
      cc -O2 -Wno-unused-label -I"$target" -o "$program" "$program.c" &&
      "./$program" <"$data" >"../$program.k2c" 2>&1); then
    joined "$program.k2c"
    if cmp -s "$program.kamrun" "$program.k2c"; then
      echo "   kamrun and the k2c translation print the same"
    else
      echo "   kamrun and the k2c translation DIFFER"
    fi
  else
    echo "     (the k2c translation could not be built or run)"
  fi
done
echo "-- errors.pas, a program with semantic errors"
echo "   \$ minipas errors.pas"
./minipas errors.pas >errors.out 2>&1
status=$?
indent <errors.out
echo "   exit status $status (the number of errors); KAM code written: $(ls errors.kam 2>/dev/null || echo none)"
echo "   the listing errors.lst:"
indent <errors.lst
