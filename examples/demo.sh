#!/bin/sh
# Runs every demonstration below examples/demo.d in name order.
# usage: demo.sh BUILD_DIR
set -e
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
for part in "$here"/demo.d/*.sh; do
  [ -f "$part" ] || continue
  sh "$part" "$build" "$here"
done
