# Helpers shared by the benchmark scripts; source it after setting $scratch.

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
