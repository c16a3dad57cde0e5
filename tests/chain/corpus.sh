#!/bin/sh
# The MiniPas corpus: every program NAME.pas of the corpus folder is
# compiled by the generated compiler and run with NAME.in as its input
# (none without one).
#
#   corpus.sh kamrun DIR       runs the KAM code on kamrun; the run (output,
#                              then KAM's messages and the exit status when
#                              there are any) must be NAME.out
#   corpus.sh k2c|k2s|k2a DIR  runs the KAM code on kamrun and translated, and
#                              compares them with tests/kamtrans/differential.sh
#                              (exit status 77 when the translation cannot be
#                              built and run here)
#
# With UPDATE=1 the kamrun way writes the NAME.out files instead.
# Environment: MINIPAS, KAMRUN and those of differential.sh.
set -u
way=$1
corpus=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Compile every program; a program of the corpus compiles without a message.
failed=0
for source in "$corpus"/*.pas; do
  name=$(basename "$source" .pas)
  if ! (cd "$scratch" && "$MINIPAS" -q -o "$name.kam" "$source" >"$name.log" 2>&1) ||
     [ -s "$scratch/$name.log" ]; then
    echo "$name: the compiler reports"; cat "$scratch/$name.log"; failed=1
  fi
  [ -f "$corpus/$name.in" ] && cp "$corpus/$name.in" "$scratch/"
  rm -f "$scratch/$name.lst" "$scratch/$name.log"
done
[ $failed = 0 ] || exit 1

if [ "$way" != kamrun ]; then
  sh "$here/../kamtrans/differential.sh" "$way" "$scratch"
  exit $?
fi

# The interpreter names file and line in a run-time message; the expected
# runs hold the message only.
count=0
for program in "$scratch"/*.kam; do
  name=$(basename "$program" .kam)
  data=/dev/null
  [ -f "$scratch/$name.in" ] && data=$scratch/$name.in
  "$KAMRUN" -s "-d$data" "$program" >"$scratch/$name.run" 2>"$scratch/$name.err"
  status=$?
  if [ -s "$scratch/$name.err" ] || [ $status != 0 ]; then
    echo "--- messages" >>"$scratch/$name.run"
    sed 's/^[^ ]*:[0-9][0-9]*: KAM error: /KAM error: /' "$scratch/$name.err" >>"$scratch/$name.run"
    echo "--- exit status $status" >>"$scratch/$name.run"
  fi
  count=$((count + 1))
  if [ "${UPDATE:-0}" = 1 ]; then
    cp "$scratch/$name.run" "$corpus/$name.out"
  elif ! diff -u "$corpus/$name.out" "$scratch/$name.run"; then
    echo "$name: the run differs from $name.out"; failed=1
  fi
done
echo "$count programs run on kamrun"
exit $failed
