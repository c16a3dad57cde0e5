#!/bin/sh
# The two shapes of a generated scanner side by side: for every scanner
# specification of the golden cases below the given folders that sgen turns
# into a scanner which compiles on its own (with the C files beside it),
# the scanner of the default shape and the one of sgen --fast read the same
# random texts, made mostly of the characters of the specification itself
# and some other bytes (fixed seeds), with and without the scanner test
# -ts; the first text of each, read without -ts, is long enough to cross
# the runtime's input blocks, so that tokens meet the end of the buffer.
# Their token lists (tests/chain/support/token_list.c), messages, exit
# statuses and listings must be the same.
# usage: shapes.sh CASES_DIR...   (environment: SGEN, CC, ZEDRA_TEST_CFLAGS,
#                                  ZEDRA_RUNTIME_DIR, ZEDRA_SOURCE_DIR)
set -u
lister=$ZEDRA_SOURCE_DIR/tests/chain/support/token_list.c
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
texts=25
specs=0
runs=0
failed=0

# text SEED ALPHABET [LENGTH]: a random text of up to 300 bytes, or of
# LENGTH bytes
text() {
  awk -v seed="$1" -v alpha="$2" -v length_wanted="${3:-0}" 'BEGIN {
    srand(seed)
    n = length_wanted > 0 ? length_wanted : int(rand() * 300)
    for (k = 0; k < n; k++) {
      r = rand()
      if (r < 0.85) printf "%s", substr(alpha, 1 + int(rand() * length(alpha)), 1)
      else if (r < 0.95) printf "%c", 32 + int(rand() * 95)
      else printf "%c", int(rand() * 256)
    }
  }'
}

# build SHAPE SPEC FOLDER [--fast]: the scanner of SHAPE and its lister in
# FOLDER/SHAPE; gives the name of its header, or fails.
build() {
  shape=$1 spec=$2 folder=$3
  shift 3
  mkdir "$folder/$shape" && cp "$folder"/input/* "$folder/$shape/" || return 1
  cd "$folder/$shape" || return 1
  sources=$(ls ./*.c 2>/dev/null)
  "$SGEN" "$@" "$(basename "$spec")" >sgen.out 2>&1 || return 1
  module=$(basename "$spec" .inp | cut -c1-8)
  [ -f "$module.c" ] || return 1
  # shellcheck disable=SC2086
  $CC $ZEDRA_TEST_CFLAGS -w -I"$ZEDRA_RUNTIME_DIR" -I. -DSCANNER_H="\"$module.h\"" -o tokens \
    "$lister" "$module.c" $sources >cc.out 2>&1
}

for cases in "$@"; do
  for spec in "$cases"/*/input/*.inp; do
    [ -f "$spec" ] || continue
    folder=$scratch/$specs
    mkdir "$folder" && cp -R "$(dirname "$spec")" "$folder/input" || exit 1
    if ! (build default "$spec" "$folder") || ! (build fast "$spec" "$folder" --fast); then
      rm -rf "$folder"
      continue
    fi
    specs=$((specs + 1))
    alphabet=$(tr -cd 'a-zA-Z0-9 :=<>(){}*."+;,\n' <"$spec" | head -c 400)
    i=0
    while [ $i -lt $texts ]; do
      length_wanted=0
      [ $i -eq 0 ] && length_wanted=70000
      text "$i$specs" "$alphabet" $length_wanted >"$folder/in.txt"
      for shape in default fast; do
        (
          cd "$folder/$shape" && cp ../in.txt .
          # (-ts scans with the default scanner in both shapes: not on the long text)
          if [ $length_wanted -eq 0 ]; then
            { ./tokens -ts in.txt; echo "status $?"; } >ts.out 2>&1 && mv in.lst ts.lst
          fi
          { ./tokens in.txt; echo "status $?"; } >plain.out 2>&1
        )
      done
      runs=$((runs + 1))
      for file in ts.out ts.lst plain.out in.lst; do
        [ -f "$folder/default/$file" ] || [ -f "$folder/fast/$file" ] || continue
        if ! cmp -s "$folder/default/$file" "$folder/fast/$file"; then
          echo "$spec, text $i: $file differs"
          diff "$folder/default/$file" "$folder/fast/$file" | head -n 10
          failed=1
        fi
      done
      i=$((i + 1))
    done
    rm -rf "$folder"
  done
done
echo "$specs specifications, $runs texts read by both shapes"
[ $specs -gt 0 ] || { echo "no specification gave a scanner"; exit 1; }
exit $failed
