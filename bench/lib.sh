# Helpers shared by the benchmark scripts. measure writes into $scratch,
# which the script sets before it measures.

# measure NAME COMMAND...: runs the command, leaves "wall user" in $scratch/NAME
# (user is "-" without /usr/bin/time) and the command's output in
# $scratch/NAME.out.
measure() {
  name=$1
  shift
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -f "%e %U" -o "$scratch/$name" "$@" >"$scratch/$name.out" || return 1
  else
    start=$(date +%s.%N)
    "$@" >"$scratch/$name.out" || return 1
    end=$(date +%s.%N)
    awk "BEGIN { printf \"%.2f -\n\", $end - $start }" >"$scratch/$name"
  fi
}

# want COMMAND [PACKAGE]: whether COMMAND can be run, installed first when
# it is missing and that is possible (the tests' ensure_tool.sh; PACKAGE
# defaults to the command's name). Every script runs as bench/NAME/run.sh
# and sources this file before it changes its folder.
ensure_tool=$(cd "$(dirname "$0")/../../tests/lib" && pwd)/ensure_tool.sh
want() {
  sh "$ensure_tool" "$@" 2>/dev/null
}

# make_cputime DIR: builds cputime.c, a timer that writes what
# /usr/bin/time -f "%U %S %e %M" writes (and the exit status) in
# microseconds, as DIR/cputime; fails without a C compiler.
bench_dir=$(cd "$(dirname "$0")/.." && pwd)
make_cputime() {
  cc -O2 -o "$1/cputime" "$bench_dir/cputime.c"
}
