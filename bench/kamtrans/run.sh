#!/bin/sh
# Times the kamrun loop benchmark (bench/kamrun/loop.kam) on kamrun and
# translated by k2c (built with cc -O2) and by k2s (built with gcc -m32 -O2),
# and prints the times with the speed-up of each translation over kamrun.
# The translations come from the translators of the build. A k2s program
# that can only run under qemu-i386 is not timed: that figure would
# measure the emulator.
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

# report NAME LABEL: prints the figures of NAME and its speed-up over kamrun
report() {
  read -r wall user <"$scratch/$1"
  echo "$2: ${wall} s wall, ${user} s CPU (result $(cat "$scratch/$1.out"))"
  awk "BEGIN { if ($wall > 0) printf \"$2: %.1f times as fast as kamrun (wall)\n\", $kam_wall / $wall }"
  [ "$user" != "-" ] && [ "$kam_user" != "-" ] &&
    awk "BEGIN { if ($user > 0) printf \"$2: %.1f times as fast as kamrun (CPU)\n\", $kam_user / $user }"
}

measure kamrun "$build/kamrun/kamrun" -s "$program" || { echo "kamrun failed"; exit 1; }
read -r kam_wall kam_user <"$scratch/kamrun"
echo "kamrun: ${kam_wall} s wall, ${kam_user} s CPU (result $(cat "$scratch/kamrun.out"))"

mkdir "$scratch/k2c.dir" "$scratch/k2s.dir"
if (cd "$scratch/k2c.dir" && "$translators/k2c" "$program" >/dev/null 2>&1 &&
    ${CC:-cc} -O2 -Wno-unused-label -I"$target" -o loop loop.c); then
  measure k2c "$scratch/k2c.dir/loop" && report k2c "k2c -O2" || echo "k2c program failed"
else
  echo "k2c: translation does not build"
fi
# The same translation built by clang, when it is installed.
if command -v clang >/dev/null 2>&1 &&
   clang -O2 -Wno-unused-label -I"$target" -o "$scratch/k2c.dir/loop-clang" "$scratch/k2c.dir/loop.c" 2>/dev/null; then
  measure k2c_clang "$scratch/k2c.dir/loop-clang" && report k2c_clang "k2c clang -O2" || echo "k2c program (clang) failed"
fi

mode=$(sh "$source_dir/tests/kamtrans/ensure_m32.sh" 2>/dev/null | tail -n 1)
case $mode in
  native) ;;
  qemu-i386) echo "k2s: 32-bit programs run only under qemu-i386 here; not timed"; exit 0 ;;
  *) echo "k2s: 32-bit programs cannot be built or run here, skipped"; exit 0 ;;
esac
if (cd "$scratch/k2s.dir" && "$translators/k2s" "$program" >/dev/null 2>&1 &&
    gcc -m32 -no-pie -O2 -I"$target" -o loop loop.s "$target/kamsupport.c" 2>/dev/null); then
  measure k2s "$scratch/k2s.dir/loop" && report k2s "k2s -O2" || echo "k2s program failed"
else
  echo "k2s: translation does not build"
fi
exit 0
