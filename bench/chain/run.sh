#!/bin/sh
# The MiniPas front end that sgen and pgen generate (build/examples/pascal)
# against the same language built with flex and bison, on one generated
# program of at least 20 MB. Prints both throughputs and their ratio.
# The ZEDRA front end does more: it also keeps its symbol table, writes the
# stack-machine code and the listing; the bison parser only recognises.
# usage: run.sh BUILD_DIR BENCH_DIR
build=$(cd "$1" && pwd)
here=$(cd "$2" && pwd)
minipas=$build/examples/pascal/minipas
for tool in flex bison awk; do
  command -v $tool >/dev/null 2>&1 || { echo "skipped: '$tool' is not installed"; exit 0; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# A program of many statements of every kind.
awk 'BEGIN {
  print "program big;"
  print "const limit = $10; step = 3;"
  print "var i : integer; total : integer; done : boolean;"
  print "begin"
  for (n = 0; n < 135000; n++) {
    print "  total := total + i * step div 2 - (limit - 1); { a comment }"
    print "  while i < limit do i := i + 1;"
    print "  if not done then begin write(total, i) end else begin read(i) end;"
  }
  print "  done := true"
  print "end."
}' >big.pas
size=$(wc -c <big.pas)

flex -o lex.yy.c "$here/minipas.l" && bison -d -o minipas.tab.c "$here/minipas.y" &&
  cc -O2 -w -o flexbison minipas.tab.c lex.yy.c || { echo "flex/bison build failed"; exit 0; }

seconds() {
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  status=$?
  end=$(date +%s.%N)
  echo "$start $end $status" | awk '{ printf "%.3f %d\n", $2 - $1, $3 }'
}
set -- $(seconds "$minipas" big.pas); zedra=$1; zstatus=$2
set -- $(seconds sh -c "./flexbison <big.pas"); fb=$1; fstatus=$2
awk -v size="$size" -v z="$zedra" -v f="$fb" -v zs="$zstatus" -v fs="$fstatus" 'BEGIN {
  mb = size / 1048576
  printf "input            : %.1f MB\n", mb
  printf "zedra minipas    : %6.3f s  %7.1f MB/s (exit %d)\n", z, mb / z, zs
  printf "flex + bison     : %6.3f s  %7.1f MB/s (exit %d)\n", f, mb / f, fs
  printf "ratio zedra/flex+bison throughput: %.2f\n", f / z
}'
