# Sourced by tests that need a program from outside the project.
#
# need_tool COMMAND PACKAGE
#   Returns when COMMAND can be run. When it is missing and the test runs as
#   root on a system with apt-get, PACKAGE is installed first (quietly; the
#   package lists are refreshed once if the first attempt fails). When the
#   command is still missing, the test is skipped: a line "skipped: ..." on
#   standard error and exit status 77.
need_tool() {
  command -v "$1" >/dev/null 2>&1 && return 0
  if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    apt_log=${TMPDIR:-/tmp}/zedra-apt-$$.log
    install="apt-get install -y -q -o DPkg::Lock::Timeout=600 --no-install-recommends $2"
    if ! DEBIAN_FRONTEND=noninteractive $install >"$apt_log" 2>&1; then
      apt-get update -q >>"$apt_log" 2>&1 && DEBIAN_FRONTEND=noninteractive $install >>"$apt_log" 2>&1
    fi
    rm -f "$apt_log"
    command -v "$1" >/dev/null 2>&1 && return 0
    echo "skipped: '$1' is not installed and installing '$2' failed" >&2
    exit 77
  fi
  echo "skipped: '$1' is not installed (package '$2'; installing it needs root and apt-get)" >&2
  exit 77
}
