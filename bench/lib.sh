# Helpers shared by the benchmark scripts; source it after setting $scratch
# (measure writes there).

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

# want COMMAND [PACKAGE]: whether COMMAND can be run; when it is missing and
# this runs as root on a Debian machine, PACKAGE (default: the command's
# name) is installed first, and the benchmark says so.
want() {
  command -v "$1" >/dev/null 2>&1 && return 0
  if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    echo "installing ${2:-$1} ..."
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${2:-$1}" >/dev/null 2>&1 ||
      { apt-get update >/dev/null 2>&1 &&
        DEBIAN_FRONTEND=noninteractive apt-get install -y "${2:-$1}" >/dev/null 2>&1; } ||
      echo "(apt-get install ${2:-$1} failed)"
  fi
  command -v "$1" >/dev/null 2>&1
}
