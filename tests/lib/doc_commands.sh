#!/bin/sh
# Runs the commands of the README's tutorial ("Your first compiler with
# ZEDRA") in a scratch folder, one after the other in one shell, with the
# tools of this build on the PATH and ZEDRA naming the sources, and
# compares what each prints (standard output and error) with the lines the
# README shows below it.
#
# In the tutorial, an indented line "$ command" is a command; the indented
# lines right after it, up to a blank or unindented line, are its output.
# Other indented blocks (specification excerpts, code) are not run.
# Environment: ZEDRA_SOURCE_DIR, SGEN, PGEN, KAMRUN, K2C.
set -u
readme=$ZEDRA_SOURCE_DIR/README.md
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/run"

awk -v dir="$scratch" '
  /^## / { inside = ($0 == "## Your first compiler with ZEDRA"); output = 0; next }
  !inside { next }
  /^    \$ / {
    n++
    print substr($0, 7) >(dir "/command." n)
    printf "" >(dir "/expected." n)
    output = 1
    next
  }
  /^    / && output { print substr($0, 5) >(dir "/expected." n); next }
  { output = 0 }
  END { print n + 0 >(dir "/count") }
' "$readme"
count=$(cat "$scratch/count")
[ "$count" -gt 0 ] || { echo "no commands in the tutorial"; exit 1; }

i=1
while [ $i -le "$count" ]; do
  printf '{ %s\n} >"%s/printed.%d" 2>&1\n' "$(cat "$scratch/command.$i")" "$scratch" $i
  i=$((i + 1))
done >"$scratch/script"

tools=$(dirname "$SGEN"):$(dirname "$PGEN"):$(dirname "$KAMRUN"):$(dirname "$K2C")
(cd "$scratch/run" && PATH="$tools:$PATH" ZEDRA=$ZEDRA_SOURCE_DIR sh "$scratch/script")

failed=0
i=1
while [ $i -le "$count" ]; do
  if ! diff -u "$scratch/expected.$i" "$scratch/printed.$i" >"$scratch/diff"; then
    echo "\$ $(cat "$scratch/command.$i")"
    tail -n +3 "$scratch/diff"
    failed=1
  fi
  i=$((i + 1))
done
[ $failed = 0 ] && echo "$count commands of the tutorial print what it shows"
exit $failed
