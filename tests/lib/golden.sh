#!/bin/sh
# Runs one golden case and compares what it produced with what is expected.
#
# usage: golden.sh CASE_DIR SCRATCH_DIR
#
# A case folder holds
#   cmd        shell commands, run by sh in a fresh scratch folder; the tool
#              paths come from the environment ($KAMRUN, $PGEN, $SGEN, ...);
#              a cmd that finds it cannot run here exits with status 77 after
#              a line "skipped: why" on standard error, and the case is skipped
#   input/     files copied into the scratch folder before the run (optional)
#   requires   commands the case needs, one a line, each optionally followed
#              by the Debian package that brings it (default: its name); a
#              missing command is installed when possible (ensure_tool.sh),
#              else the case is skipped with exit status 77 (optional)
#   expected/  the files to compare: "stdout", "stderr" and "status" are the
#              run's own output and exit status, every other name is a file
#              that the run must have left in the scratch folder
#   fast       the expected files that hold generated code, one a line: with
#              ZEDRA_SHAPE=fast (sgen and pgen write the fast shape) the case
#              runs again, and everything else must be the same (optional;
#              the tests of the fast shape take the cases that have it)
#
# With UPDATE=1 the expected files are rewritten from the run instead (never
# from a run in the fast shape).
set -u
case_dir=$1
scratch=$2

if [ -f "$case_dir/requires" ]; then
  while read -r tool package; do
    [ -z "$tool" ] && continue
    sh "$(dirname "$0")/ensure_tool.sh" "$tool" $package 2>&1 || exit 77
  done < "$case_dir/requires"
fi

rm -rf "$scratch"
mkdir -p "$scratch/run"
[ -d "$case_dir/input" ] && cp -R "$case_dir/input/." "$scratch/run/"
(cd "$scratch/run" && sh "$case_dir/cmd" >"$scratch/stdout" 2>"$scratch/stderr" </dev/null)
echo $? >"$scratch/status"
if [ "$(cat "$scratch/status")" = 77 ] && grep -q '^skipped:' "$scratch/stderr"; then
  grep '^skipped:' "$scratch/stderr"
  exit 77
fi

fast_shape=0
[ "${ZEDRA_SHAPE:-}" = fast ] && fast_shape=1
if [ "${UPDATE:-0}" = 1 ] && [ $fast_shape = 1 ]; then
  echo "a run in the fast shape never updates the expected files"
  exit 1
fi

if [ "${UPDATE:-0}" = 1 ]; then
  mkdir -p "$case_dir/expected"
  for name in stdout stderr status; do
    cp "$scratch/$name" "$case_dir/expected/$name"
  done
  for file in "$case_dir"/expected/*; do
    name=$(basename "$file")
    case $name in stdout|stderr|status) continue ;; esac
    cp "$scratch/run/$name" "$file"
  done
  echo "updated $case_dir/expected"
  exit 0
fi

failed=0
for file in "$case_dir"/expected/*; do
  name=$(basename "$file")
  if [ $fast_shape = 1 ] && [ -f "$case_dir/fast" ] && grep -qxF "$name" "$case_dir/fast"; then
    continue                            # generated code: in the fast shape it differs
  fi
  case $name in
    stdout|stderr|status) actual=$scratch/$name ;;
    *) actual=$scratch/run/$name ;;
  esac
  if [ ! -f "$actual" ]; then
    echo "missing output file: $name"
    failed=1
  elif ! diff -u "$file" "$actual"; then
    echo "differs: $name"
    failed=1
  fi
done
if [ $failed -ne 0 ]; then
  echo "--- stdout of the run:"; cat "$scratch/stdout"
  echo "--- stderr of the run:"; cat "$scratch/stderr"
fi
exit $failed
