#!/bin/sh
# Runs the bundled KAM programs with kamrun and shows what they print.
# usage: 10-kamrun.sh BUILD_DIR EXAMPLES_DIR
build=$1
examples=$2
kamrun=$build/kamrun/kamrun
echo "== kamrun: the KAM programs in examples/kam"
for program in "$examples"/kam/*.kam; do
  name=$(basename "$program" .kam)
  data=$examples/kam/$name.in
  echo "-- $name.kam"
  if [ -f "$data" ]; then
    echo "   input: $(tr '\n' ' ' < "$data")"
    "$kamrun" -s "-d$data" "$program" | sed 's/^/   /'
  else
    "$kamrun" -s "$program" | sed 's/^/   /'
  fi
done
echo "-- factorial.kam with the call trace, from the first instruction:"
"$kamrun" -s -tcall -tprog "-d$examples/kam/factorial.in" "$examples/kam/factorial.kam" | head -12 | sed 's/^/   /'
