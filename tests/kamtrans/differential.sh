#!/bin/sh
# Differential test of a translator: every KAM program in the given folders
# runs on kamrun and, translated by k2c (compiled with $CC), by k2s (built
# with "gcc -m32") or by k2a (built with clang's MS-style assembler blocks,
# "clang -m32 -fasm-blocks"), as a native program; both must write the same
# output and the same run-time messages and end with the same exit status.
# A program NAME.kam reads NAME.in when it exists; one whose first line says
# "k2c only" is translated by k2c only, one whose first line says "not k2a"
# is not translated by k2a. With KAMTRANS_ALL_INSTRUCTIONS=1 the programs
# must use all $KAM_OPCODE_COUNT instructions between them. A translated
# halt makes none of kamrun's end-of-run checks: with KAMTRANS_HALT_CHECKS=0
# a run that ends at halt with no more than their messages is expected to
# end with status 0 and without them (for programs whose stack depth at the
# end is not known).
# usage: differential.sh k2c|k2s|k2a DIR...   (environment: tests/kamtrans/CMakeLists.txt)
# Exit status 77: k2s or k2a programs cannot be built and run on this machine.
set -u
tool=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# k2s output needs a 32-bit tool chain; its programs run natively or under
# qemu-i386. Without either the test is skipped, after building them when
# that is possible.
run32=
build_only=0
if [ "$tool" != k2c ]; then
  sh "$here/ensure_m32.sh" >"$scratch/m32.log" 2>&1 || { cat "$scratch/m32.log"; exit 77; }
  case $(tail -n 1 "$scratch/m32.log") in
    native) ;;
    qemu-i386) run32=qemu-i386 ;;
    *) build_only=1 ;;
  esac
fi
# The support library is the same for all programs.
if [ "$tool" = k2s ]; then
  gcc -m32 -c -I"$ZEDRA_TARGET_DIR" -o "$scratch/kamsupport.o" "$ZEDRA_TARGET_DIR/kamsupport.c" ||
    { echo "kamsupport.c does not build"; exit 1; }
fi
# k2a output: clang's assembler blocks reach the routines only in code that
# is not position-independent.
k2a_cc="clang -m32 -fno-pic"
if [ "$tool" = k2a ]; then
  command -v clang >/dev/null 2>&1 || { echo "skipped: clang is not installed"; exit 77; }
  printf 'int main(void) { __asm { mov eax, 0 } return 0; }\n' >"$scratch/probe.c"
  $k2a_cc -no-pie -fasm-blocks -o "$scratch/probe" "$scratch/probe.c" >"$scratch/probe.log" 2>&1 ||
    { cat "$scratch/probe.log"; echo "skipped: 'clang -m32 -fasm-blocks' cannot build programs"; exit 77; }
  $k2a_cc -c -DKAM_SUPPORT_FOR_K2A -I"$ZEDRA_TARGET_DIR" -o "$scratch/kamsupport.o" \
    "$ZEDRA_TARGET_DIR/kamsupport.c" || { echo "kamsupport.c does not build"; exit 1; }
fi

# translate NAME PROGRAM WORK: translates and builds WORK/prog
translate() {
  if [ "$tool" = k2c ]; then
    (cd "$3" && "$K2C" "$2" >build.log 2>&1 &&
     $CC $ZEDRA_TEST_CFLAGS -Wno-unused-label -I"$ZEDRA_TARGET_DIR" -o prog "$1.c" 2>>build.log) ||
      { cat "$3/build.log"; return 1; }
  elif [ "$tool" = k2s ]; then
    (cd "$3" && "$K2S" "$2" >build.log 2>&1 &&
     gcc -m32 -no-pie -I"$ZEDRA_TARGET_DIR" -o prog "$1.s" "$scratch/kamsupport.o" 2>>build.log) ||
      { cat "$3/build.log"; return 1; }
  else
    (cd "$3" && "$K2A" "$2" >build.log 2>&1 &&
     $k2a_cc -no-pie -fasm-blocks -Wall -Wno-main-return-type -DKAM_SUPPORT_FOR_K2A -I"$ZEDRA_TARGET_DIR" \
       -o prog "$1.c" "$scratch/kamsupport.o" 2>>build.log) ||
      { cat "$3/build.log"; return 1; }
  fi
}

# The interpreter names file and line in its run-time messages; a translated
# program knows neither.
plain_messages() { sed 's/^[^ ]*:[0-9][0-9]*: KAM error: /KAM error: /' "$1"; }

# The messages of kamrun's end-of-run checks taken out of NAME's run; when
# they were all it reported, its status becomes 0.
without_halt_checks() {
  grep -v -e '^KAM error: Stack not empty after program termination' \
    -e '^KAM error: Not all segments deleted after program termination' \
    "$scratch/$1.kamrun.err" >"$scratch/$1.checked.err"
  if ! cmp -s "$scratch/$1.checked.err" "$scratch/$1.kamrun.err"; then
    [ -s "$scratch/$1.checked.err" ] || echo 0 >"$scratch/$1.kamrun.status"
    mv "$scratch/$1.checked.err" "$scratch/$1.kamrun.err"
  fi
}

compare() {  # name
  if ! cmp -s "$scratch/$1.kamrun.out" "$scratch/$1.$tool.out"; then
    echo "$1: $tool output differs"; diff "$scratch/$1.kamrun.out" "$scratch/$1.$tool.out" | head -20; failed=1
  fi
  if ! cmp -s "$scratch/$1.kamrun.err" "$scratch/$1.$tool.err"; then
    echo "$1: $tool messages differ"; diff "$scratch/$1.kamrun.err" "$scratch/$1.$tool.err"; failed=1
  fi
  if [ "$(cat "$scratch/$1.kamrun.status")" != "$(cat "$scratch/$1.$tool.status")" ]; then
    echo "$1: $tool exit status $(cat "$scratch/$1.$tool.status"), kamrun $(cat "$scratch/$1.kamrun.status")"
    failed=1
  fi
}

failed=0
count=0
: >"$scratch/used"
for dir in "$@"; do
  for program in "$dir"/*.kam; do
    name=$(basename "$program" .kam)
    # Programs whose meaning the k2s templates do not keep say so first.
    [ "$tool" != k2c ] && head -n 1 "$program" | grep -q "k2c only" && continue
    [ "$tool" = k2a ] && head -n 1 "$program" | grep -q "not k2a" && continue
    work=$scratch/$name.work
    mkdir -p "$work"
    if ! translate "$name" "$program" "$work"; then
      echo "$name: $tool translation does not build"; failed=1; continue
    fi
    count=$((count + 1))
    [ $build_only = 1 ] && continue
    data=/dev/null
    [ -f "$dir/$name.in" ] && data=$dir/$name.in
    "$KAMRUN" -s "-d$data" "$program" >"$scratch/$name.kamrun.out" 2>"$scratch/$name.raw.err"
    echo $? >"$scratch/$name.kamrun.status"
    plain_messages "$scratch/$name.raw.err" >"$scratch/$name.kamrun.err"
    [ "${KAMTRANS_HALT_CHECKS:-1}" = 0 ] && without_halt_checks "$name"
    $run32 "$work/prog" <"$data" >"$scratch/$name.$tool.out" 2>"$scratch/$name.$tool.err"
    echo $? >"$scratch/$name.$tool.status"
    compare "$name"
    sed -n '/^\./q; /^#/d; s/^[0-9]*: *//; p' "$program" | awk '{ print $1 }' >>"$scratch/used"
  done
done
[ $count -gt 0 ] || { echo "no programs"; exit 1; }
if [ $build_only = 1 ]; then
  echo "$count $tool programs built; skipped running them: 32-bit programs cannot run on this machine"
  [ $failed = 0 ] && exit 77
  exit 1
fi
echo "$count programs compared"
if [ "${KAMTRANS_ALL_INSTRUCTIONS:-0}" = 1 ]; then
  used=$(sort -u "$scratch/used" | wc -l)
  [ "$used" -eq "$KAM_OPCODE_COUNT" ] ||
    { echo "the programs use $used different instructions, not $KAM_OPCODE_COUNT"; failed=1; }
fi
exit $failed
