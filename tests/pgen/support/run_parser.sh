#!/bin/sh
# Builds a parser from the grammar NAME.inp (which includes "letters") with
# the scanner of letters.inp and the C files in $EXTRA_SOURCES, then runs
# it on every input named after it.
# usage: run_parser.sh NAME INPUT...   (in a case's scratch folder)
name=$1
shift
support=$ZEDRA_SOURCE_DIR/tests/pgen/support
cp "$support/letters.inp" .
"$SGEN" letters >sgen.out || { cat sgen.out; exit 1; }
"$PGEN" "$name" >pgen.out || { cat pgen.out; exit 1; }
# shellcheck disable=SC2086
$CC $ZEDRA_TEST_CFLAGS -Werror -I. -I"$ZEDRA_RUNTIME_DIR" -o "$name" "$name.c" letters.c ${EXTRA_SOURCES:-} || exit 1
for input in "$@"; do
  echo "--- $input: $(tr '\n' ' ' <"$input")"
  "./$name" -q "$input" 2>&1
  echo "status $?"
done
