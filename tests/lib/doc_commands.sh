#!/bin/sh
# Runs the commands that one section of a document shows, in a scratch
# folder, one after the other in one shell, with the tools of this build on
# the PATH, ZEDRA naming the sources and ZEDRA_TARGET the support files of
# translated programs, and compares what each prints
# (standard output and error) with the lines the document shows below it.
#
# In the section, an indented line "$ command" is a command; the indented
# lines right after it, up to a blank or unindented line, are its output. A
# line that is just a file name in backquotes followed by a colon
# ("`calc.inp`:") introduces the file: the indented block behind it is
# written into the scratch folder before the commands run (it ends at its
# first blank line). Other indented
# blocks (excerpts, code) are not run.
# usage: doc_commands.sh DOCUMENT SECTION   (SECTION: its "## " heading)
# Environment: ZEDRA_SOURCE_DIR, SGEN, PGEN, KAMRUN, K2C.
set -u
document=$ZEDRA_SOURCE_DIR/$1
section=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/run"

awk -v dir="$scratch" -v section="$section" '
  /^## / { inside = ($0 == section); output = 0; file = ""; next }
  !inside { next }
  /^`[^`]+`:$/ { file = dir "/run/" substr($0, 2, length($0) - 3); printf "" >file; written = 0; next }
  /^    / && file != "" { print substr($0, 5) >file; written = 1; next }
  file != "" && written { file = "" }
  /^    \$ / {
    n++
    print substr($0, 7) >(dir "/command." n)
    printf "" >(dir "/expected." n)
    output = 1
    next
  }
  /^    / && output { print substr($0, 5) >(dir "/expected." n); next }
  NF { file = "" }
  { output = 0 }
  END { print n + 0 >(dir "/count") }
' "$document"
count=$(cat "$scratch/count")
[ "$count" -gt 0 ] || { echo "no commands in '$section' of $1"; exit 1; }

i=1
while [ $i -le "$count" ]; do
  printf '{ %s\n} >"%s/printed.%d" 2>&1\n' "$(cat "$scratch/command.$i")" "$scratch" $i
  i=$((i + 1))
done >"$scratch/script"

tools=$(dirname "$SGEN"):$(dirname "$PGEN"):$(dirname "$KAMRUN"):$(dirname "$K2C")
(cd "$scratch/run" && PATH="$tools:$PATH" ZEDRA=$ZEDRA_SOURCE_DIR \
  ZEDRA_TARGET=$ZEDRA_SOURCE_DIR/kamtrans/target sh "$scratch/script")

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
[ $failed = 0 ] && echo "$count commands of '$section' in $1 print what it shows"
exit $failed
