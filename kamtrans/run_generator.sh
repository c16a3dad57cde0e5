#!/bin/sh
# run_generator.sh DIR TOOL SPEC - runs a ZEDRA generator on SPEC inside DIR
# for the build; its screen output is kept in DIR/TOOL.log and shown only
# when the generator reports errors, which fail the build.
dir=$1 tool=$2 spec=$3
cd "$dir" || exit 1
log=$(basename "$tool").log
if "$tool" "$spec" >"$log" 2>&1; then
  exit 0
fi
cat "$log"
exit 1
