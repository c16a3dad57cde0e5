#!/bin/sh
# One fuzz target in the test suite: the target built with the standalone
# driver runs every seed of its corpus and every regression input in
# fuzz/regressions/TARGET, then mutations of them for a few seconds
# (FUZZ_CHECK_SECONDS, default 3) from a fixed seed. A crash, a sanitizer
# report or a hang fails the test; the input that caused it is kept.
#
#   sh fuzz/check.sh PROGRAM TARGET WORK [BUILD]
set -u
program=$1
target=$2
work=$3
build=${4:-}
here=$(cd "$(dirname "$0")" && pwd)

rm -rf "$work"
mkdir -p "$work"
sh "$here/corpus.sh" "$target" "$work/seeds" "$build" || exit 1
sh "$here/dictionary.sh" "$target" "$work/$target.dict" || exit 1
mkdir -p "$here/regressions/$target"

# The targets' own messages go to a file: thousands of runs would fill the
# test log, and only a failure needs them.
"$program" -seconds="${FUZZ_CHECK_SECONDS:-3}" -seed=20260301 -timeout=30 \
  -dict="$work/$target.dict" -keep="$work/failed-input" \
  "$work/seeds" "$here/regressions/$target" 2> "$work/stderr"
status=$?
if [ "$status" -ne 0 ]; then
  echo "fuzz target $target failed with status $status; the end of its standard error:"
  tail -n 80 "$work/stderr"
  if [ -f "$work/failed-input" ]; then
    echo "The input is kept in $work/failed-input; run it alone with"
    echo "  $program $work/failed-input"
  fi
  exit 1
fi
