#!/bin/sh
# Runs one randomised differential test, SCRIPT (a python3 program of this
# folder), in SCRATCH_DIR, once the reference program REFERENCE (bison or
# flex) is there: installed when it is missing and can be, otherwise the
# test is skipped (status 77 with a line "skipped: ..."), as it is without
# python3.
# usage: run.sh REFERENCE SCRIPT SCRATCH_DIR
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v python3 >/dev/null 2>&1; then
  echo "skipped: 'python3' is not installed" >&2
  exit 77
fi
sh "$here/../lib/ensure_tool.sh" "$1" || exit 77
# -B: no compiled modules written into the source tree
exec python3 -B "$here/$2" "$3"
