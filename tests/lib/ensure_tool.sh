#!/bin/sh
# Makes sure that COMMAND can be run: when it is missing and this runs as
# root on a Debian machine, installs PACKAGE (default: the command's name)
# once, even when several tests ask at the same time.
# usage: ensure_tool.sh COMMAND [PACKAGE ...]
# Exits 0 when the command is there, else prints "skipped: ..." on standard
# error and exits 77, the status with which a test case is skipped.
set -u
tool=$1
shift
[ $# -gt 0 ] || set -- "$tool"
present() { command -v "$tool" >/dev/null 2>&1; }
present && exit 0
if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
  exec 9>/tmp/zedra-install.lock
  command -v flock >/dev/null 2>&1 && flock 9
  if ! present; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y "$@" >/dev/null 2>&1 ||
      { apt-get update >/dev/null 2>&1 && apt-get install -y "$@" >/dev/null 2>&1; }
  fi
fi
present && exit 0
echo "skipped: '$tool' is not installed and could not be installed (Debian package: $*)" >&2
exit 77
