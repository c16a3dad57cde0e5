#!/bin/sh
# Writes the dictionary of one fuzz target to OUT. The specification
# dialects and KAM code have fixed dictionaries in fuzz/dict; the language
# of the example compiler MiniPas changes with its specification, so its
# dictionary is made from the scanner specification in examples/pascal:
# the representations of its SYMBOLS and KEYWORDS, plus the characters
# that open comments, strings and numbers.
#
#   sh fuzz/dictionary.sh TARGET OUT
set -eu
target=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")

# The translators read KAM code.
case $target in
  k2s | k2c | k2a) target=kam ;;
esac
if [ -f "$here/dict/$target.dict" ]; then
  cp "$here/dict/$target.dict" "$out"
  exit 0
fi
case $target in
  minipas | minipas_fast | minipas_shapes) ;;
  *)
    echo "dictionary.sh: no dictionary for $target" >&2
    exit 1
    ;;
esac

{
  echo "# Made by fuzz/dictionary.sh from the MiniPas scanner specification."
  for spec in "$root"/examples/pascal/*.inp; do
    grep -Eq '^[[:space:]]*(SYMBOLS|KEYWORDS)([[:space:]]|$)' "$spec" || continue
    # A section runs from its keyword to the next section keyword; its
    # entries are "name : representation ." lines.
    awk '
      /^[[:space:]]*[A-Z]+([[:space:]]|$)/ {
        section = $1
        if (section != "SYMBOLS" && section != "KEYWORDS") section = ""
      }
      section != "" && NF == 4 && $2 == ":" && $4 == "." {
        text = $3
        gsub(/\\/, "\\\\", text)
        gsub(/"/, "\\\"", text)
        print "\"" text "\""
      }' "$spec"
  done
  for piece in '(*' '*)' '{' '}' "'" '$' ' ' '0' '$ff'; do printf '"%s"\n' "$piece"; done
  echo 'quote="\""'
  echo 'line_end="\x0a"'
} | awk '!seen[$0]++' > "$out"
