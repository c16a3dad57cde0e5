#!/bin/sh
# Differential test of the translators: every KAM program in the given
# folders runs on kamrun, is translated by k2c and compiled with $CC, and is
# translated by k2s and built with "gcc -m32"; the translated programs must
# write the same output, the same run-time messages and end with the same
# exit status. A program NAME.kam reads NAME.in when it exists.
# usage: differential.sh DIR...   (environment: see tests/kamtrans/CMakeLists.txt)
set -u
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# k2s output needs a 32-bit tool chain; its programs run natively or under
# qemu-i386 ($run32), or can only be built here.
m32=none
run32=
if sh "$here/ensure_m32.sh" >"$scratch/m32.log" 2>&1; then
  case $(tail -n 1 "$scratch/m32.log") in
    native) m32=run ;;
    qemu-i386) m32=run; run32=qemu-i386 ;;
    *) m32=build; echo "32-bit programs cannot run on this machine" >"$scratch/m32.log" ;;
  esac
fi

failed=0
count=0
# The support library of k2s programs is the same for all of them.
if [ $m32 != none ] && ! gcc -m32 -c -I"$ZEDRA_TARGET_DIR" -o "$scratch/kamsupport.o" \
     "$ZEDRA_TARGET_DIR/kamsupport.c"; then
  echo "kamsupport.c does not build"; exit 1
fi
# The interpreter names file and line in its run-time messages; a translated
# program knows neither.
plain_messages() { sed 's/^[^ ]*:[0-9][0-9]*: KAM error: /KAM error: /' "$1"; }

compare() {  # name variant
  if ! cmp -s "$scratch/$1.kamrun.out" "$scratch/$1.$2.out"; then
    echo "$1: $2 output differs"; diff "$scratch/$1.kamrun.out" "$scratch/$1.$2.out" | head -20; failed=1
  fi
  if ! cmp -s "$scratch/$1.kamrun.err" "$scratch/$1.$2.err"; then
    echo "$1: $2 messages differ"; diff "$scratch/$1.kamrun.err" "$scratch/$1.$2.err"; failed=1
  fi
  if [ "$(cat "$scratch/$1.kamrun.status")" != "$(cat "$scratch/$1.$2.status")" ]; then
    echo "$1: $2 exit status $(cat "$scratch/$1.$2.status"), kamrun $(cat "$scratch/$1.kamrun.status")"
    failed=1
  fi
}

for dir in "$@"; do
  for program in "$dir"/*.kam; do
    name=$(basename "$program" .kam)
    data=/dev/null
    [ -f "$dir/$name.in" ] && data=$dir/$name.in
    "$KAMRUN" -s "-d$data" "$program" >"$scratch/$name.kamrun.out" 2>"$scratch/$name.raw.err"
    echo $? >"$scratch/$name.kamrun.status"
    plain_messages "$scratch/$name.raw.err" >"$scratch/$name.kamrun.err"
    count=$((count + 1))

    work=$scratch/$name.k2c
    mkdir -p "$work"
    if ! (cd "$work" && "$FEED_K2C" "$program" >/dev/null &&
          $CC $ZEDRA_TEST_CFLAGS -Wno-unused-label -I"$ZEDRA_TARGET_DIR" -o prog "$name.c"); then
      echo "$name: k2c translation does not build"; failed=1
    else
      "$work/prog" <"$data" >"$scratch/$name.k2c.out" 2>"$scratch/$name.k2c.err"
      echo $? >"$scratch/$name.k2c.status"
      compare "$name" k2c
    fi

    [ $m32 = none ] && continue
    # Programs whose meaning the k2s templates do not keep say so first.
    head -n 1 "$program" | grep -q "k2c only" && continue
    work=$scratch/$name.k2s
    mkdir -p "$work"
    if ! (cd "$work" && "$FEED_K2S" "$program" >/dev/null &&
          gcc -m32 -no-pie -I"$ZEDRA_TARGET_DIR" -o prog "$name.s" "$scratch/kamsupport.o" 2>"$work/build.log"); then
      echo "$name: k2s translation does not build"; cat "$work/build.log"; failed=1
    elif [ $m32 = run ]; then
      sed -n '/^\./q; /^#/d; s/^[0-9]*: *//; p' "$program" | awk '{ print $1 }' >>"$scratch/k2s.used"
      $run32 "$work/prog" <"$data" >"$scratch/$name.k2s.out" 2>"$scratch/$name.k2s.err"
      echo $? >"$scratch/$name.k2s.status"
      compare "$name" k2s
    fi
  done
done
case $m32 in
  build) echo "note: k2s programs were built but not run: $(cat "$scratch/m32.log")" ;;
  none) echo "note: k2s programs were not built: $(cat "$scratch/m32.log")" ;;
esac
echo "$count programs compared"
# Every instruction runs in some program that both translators translate
# (checked for the example programs, which use all of them).
if [ $m32 = run ] && [ "${KAMTRANS_ALL_INSTRUCTIONS:-0}" = 1 ]; then
  used=$(sort -u "$scratch/k2s.used" | wc -l)
  [ "$used" -eq 50 ] || { echo "k2s programs use $used different instructions, not 50"; failed=1; }
fi
[ $count -gt 0 ] || failed=1
exit $failed
