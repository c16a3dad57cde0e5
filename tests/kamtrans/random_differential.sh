#!/bin/sh
# COUNT random programs from random_programs.py with the given SEED, on
# kamrun and translated by TOOL (differential.sh, without kamrun's
# end-of-run checks, which a translated halt does not make). The evaluation
# stack of k2s and k2a output is the processor stack, with no checks of its
# depth: the programs whose stack runs empty or over on kamrun are marked
# "k2c only", as such programs of the corpus are.
# usage: random_differential.sh k2c|k2s|k2a COUNT SEED   (environment: as differential.sh)
# Exit status 77: python3 is missing, or TOOL's programs cannot be built and
# run on this machine.
here=$(cd "$(dirname "$0")" && pwd)
command -v python3 >/dev/null 2>&1 || { echo "skipped: python3 is not installed"; exit 77; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
python3 "$here/random_programs.py" "$2" "$3" "$folder" || exit 1
for program in "$folder"/*.kam; do
  if "$KAMRUN" -s "$program" 2>&1 >/dev/null |
    grep -q -e 'Empty stack' -e 'overflow, (stack size'; then
    { echo "# k2c only: the stack runs empty or over"; cat "$program"; } >"$program.marked" &&
      mv "$program.marked" "$program"
  fi
done
KAMTRANS_HALT_CHECKS=0 sh "$here/differential.sh" "$1" "$folder"
