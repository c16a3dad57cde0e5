#!/bin/sh
# make fuzz: builds the fuzz targets with clang and libFuzzer in BUILD and
# runs each of them for SECONDS on its corpus, with its dictionary. The
# corpus of every target grows in BUILD/fuzz-run/TARGET/corpus from run to
# run; the seeds are gathered afresh (corpus.sh), and the regression inputs
# of fuzz/regressions/TARGET are read too (not the open findings in its
# folder open/: they would stop the run at once). Findings (crash-*, timeout-*,
# oom-*, leak-* files) land in BUILD/fuzz-run/TARGET/findings; the summary
# names them, and the status is 1 when there is any.
#
#   sh fuzz/run.sh BUILD SECONDS "TARGETS" "LIBFUZZER ARGUMENTS" JOBS
set -u
build=$1
seconds=$2
targets=$3
extra=$4
jobs=${5:-2}
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")

case $seconds in
  ''|*[!0-9]*) echo "make fuzz: FUZZ_SECONDS must be a number of seconds, not '$seconds'"; exit 2 ;;
esac

# libFuzzer comes with clang: without clang, or without its fuzzer runtime
# (Debian: libclang-rt-<version>-dev), there is nothing to run.
for tool in clang clang++; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "make fuzz: $tool is missing; libFuzzer needs clang (Debian: apt-get install clang)"
    exit 2
  fi
done
probe=$(mktemp -d "${TMPDIR:-/tmp}/zedra-fuzz-probe-XXXXXX")
printf '%s\n' '#include <stddef.h>' '#include <stdint.h>' \
  'int LLVMFuzzerTestOneInput(const uint8_t *d, size_t n) { (void)d; (void)n; return 0; }' > "$probe/probe.c"
if ! clang -fsanitize=fuzzer,address,undefined "$probe/probe.c" -o "$probe/probe" 2> "$probe/log"; then
  echo "make fuzz: clang cannot link libFuzzer here (the fuzzer runtime is missing;"
  echo "Debian: apt-get install libclang-rt-\$(clang -dumpversion | cut -d. -f1)-dev):"
  sed -n 1,5p "$probe/log"
  rm -rf "$probe"
  exit 2
fi
rm -rf "$probe"

if [ ! -f "$build/CMakeCache.txt" ]; then
  generator=
  command -v ninja >/dev/null 2>&1 && generator="-G Ninja"
  # shellcheck disable=SC2086
  cmake -S "$root" -B "$build" $generator -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DZEDRA_FUZZ=ON -DZEDRA_TESTS=OFF || exit 2
fi
build_targets=
for target in $targets; do build_targets="$build_targets fuzz_$target"; done
# shellcheck disable=SC2086
cmake --build "$build" -j "$jobs" --target $build_targets || exit 2

build=$(cd "$build" && pwd)
# The targets make their scratch folders in $TMPDIR: here a private folder,
# in memory where there is /dev/shm, removed at the end, so that runs that
# crashed leave nothing behind.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  TMPDIR=$(mktemp -d /dev/shm/zedra-fuzz-XXXXXX)
else
  TMPDIR=$(mktemp -d "${TMPDIR:-/tmp}/zedra-fuzz-XXXXXX")
fi
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
summary=$build/fuzz-run/summary
mkdir -p "$build/fuzz-run"
: > "$summary"
found=0
for target in $targets; do
  work=$build/fuzz-run/$target
  rm -rf "$work/seeds" "$work/regressions"
  mkdir -p "$work/corpus" "$work/findings" "$work/regressions"
  for file in "$root/fuzz/regressions/$target"/*; do
    [ -f "$file" ] && cp "$file" "$work/regressions/"
  done
  sh "$here/corpus.sh" "$target" "$work/seeds" "$build" || exit 2
  sh "$here/dictionary.sh" "$target" "$work/$target.dict" || exit 2
  before=$(ls "$work/findings" | wc -l)
  echo "== fuzz_$target: $seconds s (log: $work/log)"
  # Paths are absolute: the targets change their working folder while an
  # input runs. Standard output and error of the code under test are
  # closed (-close_fd_mask=3); libFuzzer and the sanitizers still report.
  # shellcheck disable=SC2086
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -close_fd_mask=3 -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
    -dict="$work/$target.dict" -artifact_prefix="$work/findings/" $extra \
    "$work/corpus" "$work/seeds" "$work/regressions" > "$work/log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
  coverage=$(grep -E '^#[0-9]+' "$work/log" | tail -n 1 | sed -n 's/.* cov: \([0-9]*\).* corp: \([0-9]*\).*/\1 edges, corpus \2/p')
  after=$(ls "$work/findings" | wc -l)
  line="fuzz_$target: ${runs:-?} executions in $seconds s (${coverage:-no coverage line}), status $status"
  if [ "$after" -gt "$before" ] || [ "$status" -ne 0 ]; then
    found=1
    line="$line; FINDINGS:"
    for file in $(ls -t "$work/findings" | head -n $((after - before))); do
      line="$line $work/findings/$file"
    done
    tail -n 40 "$work/log"
  fi
  echo "$line"
  echo "$line" >> "$summary"
done
echo "== summary ($summary)"
cat "$summary"
exit $found
