#!/bin/sh
# Runs every KAM program in the examples folder and compares its output
# with the expected one; checks that together they use every instruction.
# usage: run_examples.sh EXAMPLES_KAM_DIR
# ($KAMRUN: the interpreter, $KAM_OPCODE_COUNT: the number of instructions)
set -u
dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
count=0
for program in "$dir"/*.kam; do
  name=$(basename "$program" .kam)
  data=/dev/null
  [ -f "$dir/$name.in" ] && data=$dir/$name.in
  "$KAMRUN" -s "-d$data" "$program" > "$scratch/$name.out" 2> "$scratch/$name.err"
  status=$?
  if [ $status -ne 0 ] || [ -s "$scratch/$name.err" ]; then
    echo "$name: status $status"; cat "$scratch/$name.err"; failed=1
  elif ! diff -u "$dir/$name.out" "$scratch/$name.out"; then
    echo "$name: output differs"; failed=1
  fi
  count=$((count + 1))
done
[ $count -ge 5 ] || { echo "only $count example programs"; failed=1; }
# The instruction names of section 1 of every program, labels removed.
used=$(for program in "$dir"/*.kam; do
         sed -n '/^\./q; /^#/d; s/^[0-9]*: *//; p' "$program" | awk '{ print $1 }'
       done | sort -u | wc -l)
if [ "$used" -ne "$KAM_OPCODE_COUNT" ]; then
  echo "the examples use $used different instructions, not $KAM_OPCODE_COUNT"; failed=1
fi
exit $failed
