#!/bin/sh
# Throughput of a compiler front end built on the runtime: the "mini" test
# compiler (hand-written scanner in the generated shape, parser, listing) on
# a generated program of more than 20 MB, beside the same token set scanned
# by a flex scanner that writes the same echo listing.
# usage: run.sh BUILD_DIR BENCH_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$2" && pwd)
. "$here/../lib.sh"
src=$(cd "$here/../.." && pwd)
mini=$src/tests/runtime/mini
work=$build/bench-runtime
mkdir -p "$work" && cd "$work" || exit 1
cc=${CC:-cc}
cflags="-O2 -std=c11"

$cc $cflags -I"$src/runtime" -I"$mini" -o front "$mini/mini.c" "$mini/minipars.c" "$mini/miniact.c" || exit 1
$cc $cflags -I"$src/runtime" -I"$mini" -o scanner "$mini/mini.c" "$here/scanonly.c" || exit 1
awk -v size=21000000 -f "$here/gen.awk" > bench.inp
bytes=$(wc -c < bench.inp)

# Seconds that COMMAND takes: processor time (user and system) when
# /usr/bin/time is there, so that other load on the machine counts less,
# else the elapsed time.
seconds() {
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -f "%U %S" -o time.txt "$@" >/dev/null 2>&1 || return 1
    awk '{ print $1 + $2 }' time.txt
  else
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || return 1
    end=$(date +%s%N)
    awk -v t="$((end - start))" 'BEGIN { print t / 1e9 }'
  fi
}

# Best of five runs of the command, in MB/s of the input.
rate() {
  best=0
  for run in 1 2 3 4 5; do
    t=$(seconds "$@") || { echo "failed: $*" >&2; return 1; }
    best=$(awk -v b="$bytes" -v t="$t" -v best="$best" \
      'BEGIN { r = t > 0 ? b / 1e6 / t : 0; print (r > best ? r : best) }')
  done
  printf '%.1f' "$best"
}

echo "input: $bytes bytes; best of five runs, processor time"
front=$(rate ./front bench) || exit 1
printf '%-48s %s MB/s\n' "runtime front end (scanner, parser, listing):" "$front"
scan=$(rate ./scanner bench) || exit 1
printf '%-48s %s MB/s\n' "runtime scanner with listing:" "$scan"

if ! want flex; then
  echo "flex scanner: skipped (flex is not installed and cannot be installed here)"
  exit 0
fi
for tables in default -Cf; do
  opt=$([ "$tables" = default ] && echo "" || echo "$tables")
  flex $opt -o lex.yy.c "$here/mini.l" && $cc $cflags -o "flexscan$opt" lex.yy.c || exit 1
  flexrate=$(rate "./flexscan$opt" bench.inp flex.lst) || exit 1
  printf '%-48s %s MB/s\n' "flex scanner with listing ($tables tables):" "$flexrate"
done
if cmp -s bench.lst flex.lst; then
  echo "the listings of the runtime scanner and the flex scanner are identical"
else
  echo "the listings differ"
fi
