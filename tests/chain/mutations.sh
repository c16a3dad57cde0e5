#!/bin/sh
# The compiler on broken programs: every program of the corpus, changed in
# a few hundred ways (a word or symbol dropped, doubled or swapped with its
# neighbour, a line dropped), must be compiled to an end with an exit status
# (the error count), never a crash or a sanitizer's report, and a program
# with errors must leave no KAM code. The changes are drawn from a fixed
# seed, so a failure repeats.
# usage: mutations.sh CORPUS_DIR   (environment: MINIPAS)
set -u
corpus=$(cd "$1" && pwd)
support=$(cd "$(dirname "$0")/support" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1

# mutate SEED < program: one changed copy of the program
mutate() {
  awk -v seed="$1" -f "$support/mutate.awk"
}

failed=0
runs=0
for source in "$corpus"/*.pas; do
  name=$(basename "$source" .pas)
  seed=1
  while [ $seed -le 8 ]; do
    mutate "$seed$runs" <"$source" >"$name.pas"
    "$MINIPAS" "$name.pas" >out 2>err
    status=$?
    runs=$((runs + 1))
    # The exit status counts the errors (up to 255), so a high one is no
    # sign of a crash: a run that ended by itself has written its summary.
    if ! tail -n 1 err | grep -q '^- errors' || grep -q -e Sanitizer -e "runtime error" err; then
      echo "$name, change $seed$runs: exit status $status"; head -n 20 err
      echo "the changed program:"; cat "$name.pas"
      failed=1
    elif [ $status -gt 0 ] && [ -f "$name.kam" ]; then
      echo "$name, change $seed$runs: errors, but KAM code written"; failed=1
    fi
    rm -f "$name.kam" "$name.lst"
    seed=$((seed + 1))
  done
done
echo "$runs changed programs compiled"
exit $failed
