#!/bin/sh
# Gathers the seed corpus of one fuzz target into the folder DEST from the
# inputs of the test suite and the examples, at the time of the run, so that
# new tests and examples become seeds without copies kept here:
#
#   pgen     parser specifications and include files: the inputs of the pgen
#            tests, and every other specification of the tree (tests,
#            examples, kamtrans, bench) in the parser dialect; a
#            specification that includes one file of its folder also comes
#            as one input with that file behind the include marker
#   sgen     scanner specifications: the inputs of the sgen tests and every
#            other specification of the tree in the scanner dialect
#   kam      KAM code: examples/kam (with its input file behind a NUL byte),
#            the kamrun test cases and the translators' corpus
#   minipas  MiniPas programs: examples/pascal and the chain tests
#   minipas_fast, minipas_shapes  the same, and the inputs in
#            fuzz/regressions/minipas
#   k2s, k2c, k2a  KAM code as the translators read it: examples/kam and
#            the KAM files of the kamrun and translator tests
#
# Hand-written seeds in fuzz/seeds/TARGET are added for every target. With
# BUILD, the build folder, a specification that includes a file generated
# there (minipas.inp and passcan.inc) comes with it behind the marker too.
#
#   sh fuzz/corpus.sh TARGET DEST [BUILD]
set -eu
target=$1
dest=$2
build=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
marker='(*=include=*)'

mkdir -p "$dest"

# Copies FILE into the corpus under a name made from its path.
add() {
  name=$(printf '%s' "${1#"$root"/}" | tr '/' '_')
  cp "$1" "$dest/$name"
}

# The dialect of a specification, by the section keywords it uses: scanner
# specifications have symbols, keywords or character sets; what has rules
# or terminals besides is a parser specification; anything else (a source
# program of a test compiler) is neither.
dialect() {
  if grep -Eq '(^|[^A-Za-z_])(SYMBOLS|KEYWORDS|CHARSETS)([^A-Za-z_]|$)' "$1"; then
    echo sgen
  elif grep -Eq '(^|[^A-Za-z_])(RULES|TERMINALS|ROOT)([^A-Za-z_]|$)' "$1"; then
    echo pgen
  else
    echo none
  fi
}

# A parser specification whose include clause names a single file that is
# found in one of the folders given: the specification with that clause
# changed to "INCLUDE part." and the file behind the marker.
add_with_include() {
  spec=$1
  shift
  clause=$(grep -E '^[[:space:]]*INCLUDE[[:space:]]+[A-Za-z][A-Za-z0-9_]*[[:space:]]*\.' "$spec" | head -n 1) || return 0
  [ -n "$clause" ] || return 0
  included=$(printf '%s\n' "$clause" | sed -E 's/^[[:space:]]*INCLUDE[[:space:]]+([A-Za-z0-9_]+).*/\1/')
  for folder in "$@"; do
    if [ -f "$folder/$included.inc" ]; then
      name=$(printf '%s' "${spec#"$root"/}" | tr '/' '_')
      {
        sed -E "s/^([[:space:]]*)INCLUDE[[:space:]]+$included[[:space:]]*\./\1INCLUDE part./" "$spec"
        printf '%s' "$marker"
        cat "$folder/$included.inc"
      } > "$dest/with_include_$name"
      return 0
    fi
  done
}

specifications() {
  find "$root/tests" "$root/examples" "$root/kamtrans" "$root/bench" \
       -name '*.inp' -type f -not -path "$root/tests/pgen/*" -not -path "$root/tests/sgen/*" | sort
}

case $target in
  pgen)
    find "$root/tests/pgen" -path '*/input/*' -type f \( -name '*.inp' -o -name '*.inc' \) | sort |
      while read -r file; do
        add "$file"
        case $file in *.inp) add_with_include "$file" "$(dirname "$file")" ;; esac
      done
    specifications | while read -r file; do
      if [ "$(dialect "$file")" = pgen ]; then
        add "$file"
        add_with_include "$file" "$(dirname "$file")" ${build:+"$build/examples/pascal"}
      fi
    done
    ;;
  sgen)
    find "$root/tests/sgen" -path '*/input/*' -type f -name '*.inp' | sort |
      while read -r file; do add "$file"; done
    specifications | while read -r file; do
      if [ "$(dialect "$file")" = sgen ]; then add "$file"; fi
    done
    ;;
  kam)
    for file in "$root"/examples/kam/*.kam; do
      input=${file%.kam}.in
      if [ -f "$input" ]; then
        name=$(printf '%s' "${file#"$root"/}" | tr '/' '_')
        { cat "$file"; printf '\000'; cat "$input"; } > "$dest/$name"
      else
        add "$file"
      fi
    done
    find "$root/tests/kamrun" "$root/tests/kamtrans" -name '*.kam' -type f | sort |
      while read -r file; do add "$file"; done
    ;;
  k2s | k2c | k2a)
    find "$root/examples/kam" "$root/tests/kamrun" "$root/tests/kamtrans" -name '*.kam' -type f |
      sort | while read -r file; do add "$file"; done
    ;;
  minipas | minipas_fast | minipas_shapes)
    find "$root/examples/pascal" "$root/tests/chain" -name '*.pas' -type f | sort |
      while read -r file; do add "$file"; done
    # The inputs that once broke the default shape are tried on the fast one.
    if [ "$target" != minipas ]; then
      for file in "$here/regressions/minipas"/*; do
        [ -f "$file" ] && add "$file"
      done
    fi
    ;;
  *)
    echo "corpus.sh: unknown target $target" >&2
    exit 1
    ;;
esac

if [ -d "$here/seeds/$target" ]; then
  for file in "$here/seeds/$target"/*; do
    [ -f "$file" ] && add "$file"
  done
fi
exit 0
