#!/bin/sh
# The two shapes of generated code side by side: the MiniPas compiler of
# the default shape ($MINIPAS) and the one that sgen --fast and pgen --fast
# generated from the same specifications ($MINIPAS_FAST) compile the same
# programs, and everything they produce must be the same: standard output
# and error, exit status, listing and KAM code. The programs: the corpus,
# with and without the scanner and parser tests (-ts -tp), eight broken
# variants of each program (a word or symbol dropped, doubled or swapped, a
# line dropped; a fixed seed), and inputs that make the fast scanner give
# tokens to the default one: tokens and comments longer than the lexeme
# buffer, comments across the refills of the input buffer, NUL and other
# bytes no rule takes, unfinished comments, strings and characters at the
# end of the input, CR LF line ends, an empty input; keywords in capitals
# and names that begin with a keyword across the refills.
# The same once more with MiniPas given seven keywords more, 68 tokens in
# all, whose fast parser takes marker sets of two words (built here with
# SGEN, PGEN and CC).
# usage: shapes.sh CORPUS_DIR
#   (environment: MINIPAS, MINIPAS_FAST, SGEN, PGEN, CC, ZEDRA_TEST_CFLAGS,
#   ZEDRA_SOURCE_DIR, ZEDRA_RUNTIME_DIR)
set -u
corpus=$(cd "$1" && pwd)
support=$(cd "$(dirname "$0")/support" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
mkdir default fast inputs
cp "$MINIPAS" default/minipas
cp "$MINIPAS_FAST" fast/minipas

# mutate SEED < program: one changed copy of the program
mutate() {
  awk -v seed="$1" -f "$support/mutate.awk"
}

# The programs.
for source in "$corpus"/*.pas; do
  name=$(basename "$source" .pas)
  cp "$source" "inputs/$name.pas"
  seed=1
  while [ $seed -le 8 ]; do
    mutate "$seed$name" <"$source" >"inputs/${name}_m$seed.pas"
    seed=$((seed + 1))
  done
done
awk 'BEGIN { printf "program l; var "; for (i = 0; i < 300; i++) printf "a"; print " : integer; begin end." }' \
  >inputs/long_name.pas
awk 'BEGIN { printf "program n; const c = "; for (i = 0; i < 300; i++) printf "1"; print "; begin end." }' \
  >inputs/long_number.pas
awk 'BEGIN { printf "program s; begin write(\""; for (i = 0; i < 400; i++) printf "x"; print "\") end." }' \
  >inputs/long_string.pas
# Comments of every length around the refills of the input buffer (64 KB),
# names and numbers across them, and a long comment of each kind.
awk 'BEGIN {
  print "program refill; const limit = 10; var i, total : integer;"
  print "begin"
  for (n = 0; n < 2600; n++) {
    printf "  total := total + %d; {", n
    for (k = 0; k < n % 37; k++) printf "c"
    printf "} (* %d *) i := i + 1;\n", n
  }
  printf "  {"; for (k = 0; k < 70000; k++) printf "%s", (k % 50 ? "z" : "\n"); print "}"
  printf "  (*"; for (k = 0; k < 70000; k++) printf "%s", (k % 61 ? "*" : "\n"); print "*)"
  print "  i := total"
  print "end."
}' >inputs/refills.pas
# Keywords in capitals and mixed case, names that begin or extend
# keywords, and numbers too large for a KAM word (a message in the middle
# of a line), across the refills of the input buffer.
awk 'BEGIN {
  print "PROGRAM Keys; VAR beginx, Ends, doo, i : Integer;"
  print "Begin"
  for (n = 0; n < 4000; n++) {
    for (k = 0; k < n % 11; k++) printf " "
    if (n % 97 == 0) { print "  i := 99999999999; doo := $123456789;"; continue }
    printf "IF beginx < %d THEN BeGiN Ends := ENDS + doo eND ElSe doo := I; WHILE i > 0 DO i := i - 1;\n", n
  }
  print "END."
}' >inputs/keywords.pas
printf 'program z; begin { a \000 b } i := 1; \000 j := 2 end.\n' >inputs/nul.pas
printf 'program q; var i : integer; begin i := @1 # 2; i := 3 \001 + \377 4 end.\n' >inputs/stray.pas
printf 'program c; begin i := 1 (* never closed\n  i := 2\n' >inputs/open_comment.pas
printf 'program c; begin i := 1 { never closed\n' >inputs/open_brace.pas
printf 'program c; begin write("never closed\nend.\n' >inputs/open_string.pas
printf "program c; begin write('a\nend.\n" >inputs/open_char.pas
printf 'program c; const h = $; g = $1g; begin i := 1. .2 end.' >inputs/odd_numbers.pas
printf 'program crlf;\r\nvar i : integer;\r\nbegin\r\n  i := 1;\tWriteLn(i)\f\r\nEND.\r\n' >inputs/crlf.pas
printf 'program t; begin i := 1 end' >inputs/no_end.pas
: >inputs/empty.pas
printf '   \n\n  ' >inputs/blanks.pas
printf '(*' >inputs/only_open.pas

# wide FOLDER FLAG: MiniPas with seven keywords more, generated with FLAG
# ("" or --fast) and compiled into FOLDER/minipas.
wide() {
  mkdir -p "$1/build" && (
    cd "$1/build" || exit 1
    cp "$ZEDRA_SOURCE_DIR"/examples/pascal/*.inp "$ZEDRA_SOURCE_DIR"/examples/pascal/*.[ch] .
    awk '{ print } /^KEYWORDS$/ { for (k = 1; k <= 7; k++) printf "  tMore%d : more%d .\n", k, k }' \
      "$ZEDRA_SOURCE_DIR/examples/pascal/passcan.inp" >passcan.inp
    # shellcheck disable=SC2086
    "$SGEN" $2 passcan.inp >/dev/null && "$PGEN" $2 minipas.inp >/dev/null &&
      $CC $ZEDRA_TEST_CFLAGS -I. -I"$ZEDRA_RUNTIME_DIR" -o ../minipas ./*.c
  ) || { echo "MiniPas with more keywords: the $1 shape does not build"; exit 1; }
}
wide wide_default ""
wide wide_fast --fast
grep -q "i_wide_bits i_markers" wide_fast/build/minipas.c ||
  { echo "the fast parser of 68 tokens has no masks of two words"; exit 1; }

failed=0
runs=0
# run SHAPE PROGRAM OPTIONS...: the compiler of SHAPE on a copy of PROGRAM
# in the folder of SHAPE, leaving its outputs there.
run() {
  shape=$1
  program=$2
  shift 2
  (
    cd "$shape" || exit 1
    rm -f ./*.pas ./*.lst ./*.kam
    cp "../inputs/$program" .
    ./minipas "$@" "$program" >stdout 2>stderr
    echo $? >status
  )
}
# compare DEFAULT FAST: the compilers in the two folders on every input.
compare() {
  for input in inputs/*.pas; do
    program=$(basename "$input")
    name=${program%.pas}
    for options in "" "-ts -tp"; do
      # shellcheck disable=SC2086
      run "$1" "$program" $options
      # shellcheck disable=SC2086
      run "$2" "$program" $options
      runs=$((runs + 1))
      for file in stdout stderr status "$name.lst" "$name.kam"; do
        if [ -f "$1/$file" ] || [ -f "$2/$file" ]; then
          if ! cmp -s "$1/$file" "$2/$file"; then
            echo "$2: $program ${options:-(no options)}: $file differs"
            diff "$1/$file" "$2/$file" | head -n 10
            failed=1
          fi
        fi
      done
    done
  done
}
compare default fast
compare wide_default wide_fast
echo "$runs runs of each shape compared"
exit $failed
