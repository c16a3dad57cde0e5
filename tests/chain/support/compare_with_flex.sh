#!/bin/sh
# Differential tokenisation: the scanner sgen generates from NAME.inp and the
# scanner flex generates from NAME.l list the tokens of the same random
# programs; the two lists must be equal, kind and lexeme, token by token.
# usage: compare_with_flex.sh NAME "TOKEN ..."   (in the case's scratch folder)
name=$1
support=$ZEDRA_SOURCE_DIR/tests/chain/support
"$SGEN" "$name.inp" >sgen.out || { cat sgen.out; exit 1; }
# shellcheck disable=SC2086
$CC $ZEDRA_TEST_CFLAGS -Werror -I"$ZEDRA_RUNTIME_DIR" -I. -DSCANNER_H="\"$name.h\"" \
  -o zedra_scanner "$support/token_list.c" "$name.c" || exit 1
flex -o flex_scanner.c "$name.l" || exit 1
# flex's own code is not ours to keep free of warnings.
$CC -w -o flex_scanner flex_scanner.c "$support/flex_main.c" || exit 1
for seed in 1 2 3 4 5 6 7 8; do
  WORDS=$2 awk -v seed=$seed -v lines=400 -f "$support/random_tokens.awk" >program.txt
  ./zedra_scanner program.txt >zedra.tokens 2>zedra.err || { cat zedra.err; exit 1; }
  ./flex_scanner program.txt >flex.tokens || exit 1
  if cmp -s zedra.tokens flex.tokens; then
    echo "seed $seed: same tokens"
  else
    echo "seed $seed: token streams differ"
    diff zedra.tokens flex.tokens | head -5
  fi
done
