#!/bin/sh
# MiniPas programs as a user runs them: queens.pas, sieve.pas and the
# call-heavy fib.pas, compiled by the MiniPas compiler of the build, timed
# on kamrun and as k2c translations built with cc -O2, beside the same
# algorithms in Lua (queens.lua, sieve.lua, fib.lua) on lua5.4 and on
# luajit -joff, LuaJIT's interpreter without its compiler (each installed
# when it is missing and that is possible). Every figure is the best of
# three runs, as CPU time (user + system) and wall time, with the peak
# memory (largest resident size of the three). Then the compiler itself:
# lines per second on
# generated MiniPas programs of about 100000 lines in all, each within
# KAM's limits, compiled one after the other as a build would.
# The benchmark reports what fails and always exits 0.
# usage: run.sh BUILD_DIR BENCH_DIR
build=$(cd "$1" && pwd)
here=$(cd "$2" && pwd)
. "$here/../lib.sh"
source_dir=$(cd "$here/../.." && pwd)
minipas=$build/examples/pascal/minipas
kamrun=$build/kamrun/kamrun
k2c=$build/kamtrans/k2c
target=$source_dir/kamtrans/target
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 0

# best NAME COMMAND...: runs the command three times; leaves "cpu wall peak"
# (the best times, to the microsecond, and the largest resident size in KiB)
# in NAME.time and the output of the last run in NAME.out.
make_cputime . || { echo "skipped: the timer cputime.c does not build"; exit 0; }
best() {
  name=$1
  shift
  for run in 1 2 3; do
    ./cputime "$name.run" "$@" >"$name.out" 2>"$name.err" || return 1
    tail -n 1 "$name.run"
  done | awk '{ cpu = $1 + $2; if (NR == 1 || cpu < c) c = cpu; if (NR == 1 || $3 < w) w = $3
                if ($4 > m) m = $4 }
              END { printf "%.3f %.3f %d\n", c, w, m }' >"$name.time"
}

# report NAME LABEL [REFERENCE]: one line with the figures of NAME, and its
# speed against the run REFERENCE (kamrun) when given
report() {
  read -r cpu wall peak <"$1.time"
  line=$(printf "%-14s %7.3f s CPU %7.3f s wall %6.1f MiB" "$2" "$cpu" "$wall" \
    "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')")
  if [ -n "${3:-}" ]; then
    read -r ref_cpu ref_wall ref_peak <"$3.time"
    line="$line$(awk -v r="$ref_cpu" -v c="$cpu" 'BEGIN {
      if (c > 0) printf ", %.1f times as fast as kamrun (CPU)", r / c
      else printf ", faster than the timer shows" }')"
  fi
  note=
  cmp -s "$1.out" kamrun-"$program".out || note=" (prints differently from kamrun)"
  echo "$line$note"
}

want lua5.4
want luajit

# lua NAME LABEL COMMAND...: the Lua version of the program run by COMMAND.
lua() {
  run=$1-$program
  label=$2
  shift 2
  if command -v "$1" >/dev/null 2>&1; then
    best "$run" "$@" "$here/$program.lua" && report "$run" "$label" kamrun-$program ||
      echo "$label: the program failed"
  else
    echo "$label: not available, comparison skipped"
  fi
}

for program in queens sieve fib; do
  echo "-- $program.pas ($program.lua in Lua)"
  if ! "$minipas" -q "$here/$program.pas" >compile.log 2>&1; then
    echo "the compiler failed:"; cat compile.log; continue
  fi
  best kamrun-$program "$kamrun" -s "$program.kam" || { echo "kamrun failed"; continue; }
  report kamrun-$program "kamrun"
  echo "               (prints $(tr '\n' ' ' <kamrun-$program.out | sed 's/ $//'))"
  mkdir -p "k2c-$program.d"
  if (cd "k2c-$program.d" && "$k2c" "../$program.kam" >/dev/null 2>&1 &&
      cc -O2 -Wno-unused-label -I"$target" -o "$program" "$program.c" 2>/dev/null); then
    best k2c-$program "k2c-$program.d/$program" && report k2c-$program "k2c, cc -O2" kamrun-$program ||
      echo "k2c, cc -O2: the program failed"
  else
    echo "k2c, cc -O2: the translation does not build"
  fi
  lua lua lua5.4 lua5.4
  lua luajit "luajit -joff" luajit -joff
done

# The compiler: programs of about 450 lines and 830 KAM instructions each.
awk -v programs=225 -f "$here/generate.awk"
lines=$(cat gen*.pas | wc -l)
for f in gen*.pas; do echo "$f"; done >programs.list
cat >compile_all.sh <<EOF
while read -r f; do "$minipas" -q "\$f" || exit 1; done <programs.list
EOF
echo "-- the compiler on $(wc -l <programs.list) generated programs, $lines lines"
if best compiler sh compile_all.sh; then
  read -r cpu wall <compiler.time
  awk -v l="$lines" -v c="$cpu" -v w="$wall" 'BEGIN {
    printf "minipas: %.3f s CPU, %.3f s wall: %.0f lines per second (CPU), %.0f (wall)\n",
      c, w, l / c, l / w }'
else
  echo "minipas: a generated program did not compile:"; cat compiler.err
fi
exit 0
