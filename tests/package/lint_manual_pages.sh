#!/bin/sh
# Lints the manual pages: mandoc -T lint at its strictest level must find
# nothing; without mandoc (installed when missing and possible) groff's
# checks through man --warnings must stay silent. Skipped when neither can
# be had. The pages of sgen and pgen name every long option of the
# programs' --help.
# usage: lint_manual_pages.sh MAN_DIR   (environment: SGEN, PGEN)
set -u
dir=$1
pages="sgen.1 pgen.1 kamrun.1 k2c.1 k2s.1 k2a.1"
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$dir" || exit 1
for page in $pages; do
  [ -f "$page" ] || { echo "FAIL: no manual page $page"; exit 1; }
done
if ! command -v mandoc >/dev/null 2>&1 && ! command -v man >/dev/null 2>&1; then
  sh "$here/lib/ensure_tool.sh" mandoc mandoc || exit $?
fi
status=0
if command -v mandoc >/dev/null 2>&1; then
  # shellcheck disable=SC2086
  out=$(mandoc -T lint -W style $pages 2>&1) || status=1
  [ -z "$out" ] || status=1
  echo "mandoc -T lint -W style: ${out:-clean}"
else
  for page in $pages; do
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=all -l "$page" 2>&1 >/dev/null)
    [ -z "$out" ] || { echo "$page: $out"; status=1; }
  done
  [ $status = 0 ] && echo "man --warnings: clean"
fi
# Every page names its program and has the sections a user looks for.
for page in $pages; do
  name=${page%.1}
  grep -q "^\.TH $(echo "$name" | tr a-z A-Z) 1 " "$page" || { echo "FAIL: $page: .TH"; status=1; }
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" ENVIRONMENT EXAMPLES; do
    grep -q "^\.SH \"*$section\"*\$" "$page" || { echo "FAIL: $page: no section $section"; status=1; }
  done
done
# Every long option that a generator's --help names is in its page (the
# programs of the build, when the test environment names them).
for program in ${SGEN:-} ${PGEN:-}; do
  page=$(basename "$program").1
  for option in $("$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    spelled=$(echo "$option" | sed 's/-/\\\\-/g')
    grep -q -- "$spelled" "$page" || { echo "FAIL: $page does not name $option"; status=1; }
  done
done
exit $status
