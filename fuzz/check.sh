#!/bin/sh
# One fuzz target in the test suite: the target built with the standalone
# driver runs every seed of its corpus and every regression input in
# fuzz/regressions/TARGET, then mutations of them for a few seconds
# (FUZZ_CHECK_SECONDS, default 3) from a fixed seed. A crash, a sanitizer
# report or a hang fails the test; the input that caused it is kept.
#
# Findings that are not fixed yet wait in fuzz/regressions/TARGET/open:
# each runs alone and is only reported, failing or not, so that a fix shows
# when the input can join the regressions.
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
# The targets make their scratch folders in $TMPDIR: here a private folder,
# in memory where there is /dev/shm, removed at the end, so that runs that
# crashed leave nothing behind.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  TMPDIR=$(mktemp -d /dev/shm/zedra-fuzz-XXXXXX)
else
  TMPDIR=$(mktemp -d "${TMPDIR:-/tmp}/zedra-fuzz-XXXXXX")
fi
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT

regressions=$here/regressions/$target
set --
for file in "$regressions"/*; do
  [ -f "$file" ] && set -- "$@" "$file"
done

# The targets' own messages go to a file: thousands of runs would fill the
# test log, and only a failure needs them.
"$program" -seconds="${FUZZ_CHECK_SECONDS:-3}" -seed=20260301 -timeout=30 \
  -dict="$work/$target.dict" -keep="$work/failed-input" \
  "$work/seeds" "$@" 2> "$work/stderr"
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

for file in "$regressions"/open/*; do
  [ -f "$file" ] || continue
  if "$program" -timeout=30 "$file" > /dev/null 2>&1; then
    echo "open finding $file: passes in this build (when it is fixed, move it to $regressions)"
  else
    echo "open finding $file: still fails"
  fi
done
exit 0
