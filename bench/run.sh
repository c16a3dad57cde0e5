#!/bin/sh
# Runs every benchmark below bench/ (each folder's run.sh) in name order.
# Benchmarks print figures; a failing benchmark is reported, never fatal.
# usage: run.sh BUILD_DIR
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
for script in "$here"/*/run.sh; do
  [ -f "$script" ] || continue
  echo "== $(basename "$(dirname "$script")")"
  sh "$script" "$build" "$(dirname "$script")" || echo "(benchmark failed: $script)"
done
exit 0
