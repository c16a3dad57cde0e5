#!/bin/sh
# Times the kamrun loop benchmark (bench/kamrun/loop.kam) on kamrun and
# translated by k2c, built with the default C compiler (cc -O2) and with
# clang -O2 when it is installed, and by k2s (gcc -m32 -O2), and prints each
# time with its speed-up over kamrun. A translated program runs in a few
# hundredths of a second, below the resolution of the timer, so it is timed
# over several runs in a row; every figure is the best of a few
# measurements, since the machine may be busy with other work. CPU time is
# the figure to compare on a shared machine. A k2s program that can only
# run under qemu-i386 is not timed: that figure would measure the emulator.
# The benchmark reports what fails and always exits 0.
# usage: run.sh BUILD_DIR BENCH_DIR
build=$(cd "$1" && pwd)
here=$2
source_dir=$(cd "$here/../.." && pwd)
program=$source_dir/bench/kamrun/loop.kam
target=$source_dir/kamtrans/target
translators=$build/kamtrans
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

. "$here/../lib.sh"

tries=3      # measurements of each program; the best one counts
repeats=10   # runs of a translated program per measurement

# best NAME TIMES COMMAND...: measures TIMES times and leaves the best
# "wall user" (user is "-" when not known) in $scratch/NAME and the output
# of the last run in $scratch/NAME.out.
best() {
  name=$1
  times=$2
  shift 2
  : >"$scratch/$name.all"
  i=0
  while [ $i -lt "$tries" ]; do
    measure "$name" "$@" || return 1
    cat "$scratch/$name" >>"$scratch/$name.all"
    i=$((i + 1))
  done
  awk -v n="$times" '
    { w = $1 / n; u = ($2 == "-") ? -1 : $2 / n
      if (NR == 1 || w < bw) bw = w
      if (NR == 1 || u < bu) bu = u }
    END { if (bu < 0) printf "%.4f -\n", bw; else printf "%.4f %.4f\n", bw, bu }
  ' "$scratch/$name.all" >"$scratch/$name"
}

# repeated PROGRAM: runs PROGRAM $repeats times; prints its result once, or
# every differing result.
cat >"$scratch/repeated.sh" <<EOF
i=0
while [ \$i -lt $repeats ]; do "\$1" || exit 1; i=\$((i + 1)); done | uniq
EOF

# result NAME: the program's output on one line
result() { tr '\n' ' ' <"$scratch/$1.out" | sed 's/ $//'; }

# seconds VALUE: a time for the report; 0 means below the timer's resolution
seconds() { awk -v t="$1" 'BEGIN { if (t > 0) printf "%.3f s", t; else printf "< %.3f s", 0.01 / '"$repeats"' }'; }

# report NAME LABEL: one line with the figures of NAME and its speed-up
report() {
  read -r wall user <"$scratch/$1"
  out=$(result "$1")
  note=
  [ "$out" = "$kam_result" ] || note=" (kamrun wrote $kam_result)"
  line="$2: $(seconds "$user") CPU, $(seconds "$wall") wall per run, result $out$note;"
  speed=$(awk -v k="$kam_user" -v t="$user" -v kw="$kam_wall" -v tw="$wall" -v r="$repeats" 'BEGIN {
    if (k == "-" || t == "-") cpu = "CPU not measured"
    else if (t > 0) cpu = sprintf("%.1f times as fast as kamrun (CPU)", k / t)
    else cpu = sprintf("more than %.0f times as fast as kamrun (CPU)", k / (0.01 / r))
    if (tw > 0) wall = sprintf("%.1f (wall)", kw / tw)
    else wall = "wall below the timer resolution"
    printf "%s, %s", cpu, wall }')
  echo "$line $speed"
}

# compiler_name CC: "gcc 12.2.0", "clang 14.0.6" or the command itself
compiler_name() {
  version=$("$1" -dumpfullversion 2>/dev/null || "$1" -dumpversion 2>/dev/null)
  if "$1" --version 2>/dev/null | head -n 1 | grep -q clang; then
    echo "clang $version"
  elif "$1" --version 2>/dev/null | grep -q "Free Software Foundation"; then
    echo "gcc $version"
  else
    echo "$1"
  fi
}

echo "loop.kam (100000000 rounds); best of $tries, translated programs $repeats runs each"
if ! best kamrun 1 "$build/kamrun/kamrun" -s "$program"; then
  echo "kamrun: failed, nothing to compare with"
  exit 0
fi
read -r kam_wall kam_user <"$scratch/kamrun"
kam_result=$(result kamrun)
echo "kamrun: $(seconds "$kam_user") CPU, $(seconds "$kam_wall") wall, result $kam_result"

# The k2c translation, built by each C compiler.
mkdir "$scratch/k2c.dir" "$scratch/k2s.dir"
if ! (cd "$scratch/k2c.dir" && "$translators/k2c" "$program" >translate.log 2>&1); then
  echo "k2c: translation failed"
else
  compilers=${CC:-cc}
  [ "$(basename "$compilers")" = clang ] || compilers="$compilers clang"
  for cc in $compilers; do
    if ! command -v "$cc" >/dev/null 2>&1; then
      echo "k2c, $cc -O2: $cc is not installed, not timed"
      continue
    fi
    label="k2c, $cc -O2 ($(compiler_name "$cc"))"
    exe=$scratch/k2c.dir/loop-$(basename "$cc")
    if ! "$cc" -O2 -Wno-unused-label -I"$target" -o "$exe" "$scratch/k2c.dir/loop.c" 2>"$exe.log"; then
      echo "$label: the translation does not build"
      continue
    fi
    best "k2c-$(basename "$cc")" "$repeats" sh "$scratch/repeated.sh" "$exe" &&
      report "k2c-$(basename "$cc")" "$label" || echo "$label: the program failed"
  done
fi

mode=$(sh "$source_dir/tests/kamtrans/ensure_m32.sh" 2>/dev/null | tail -n 1)
case $mode in
  native) ;;
  qemu-i386) echo "k2s: not timed, this machine runs 32-bit programs only under qemu-i386 (that would time the emulator)"; exit 0 ;;
  *) echo "k2s: not timed, this machine cannot build or run 32-bit programs (gcc -m32)"; exit 0 ;;
esac
if (cd "$scratch/k2s.dir" && "$translators/k2s" "$program" >translate.log 2>&1 &&
    gcc -m32 -no-pie -O2 -I"$target" -o loop loop.s "$target/kamsupport.c" 2>>translate.log); then
  best k2s "$repeats" sh "$scratch/repeated.sh" "$scratch/k2s.dir/loop" &&
    report k2s "k2s, gcc -m32 -O2" || echo "k2s: the program failed"
else
  echo "k2s: the translation does not build"
fi
exit 0
