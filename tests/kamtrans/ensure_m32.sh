#!/bin/sh
# Makes sure that "gcc -m32" can build 32-bit programs; on a Debian machine
# where we are root it installs gcc-multilib once when missing.
# Exit status 0: 32-bit programs build and run; 2: they build but cannot run
# on this machine (the message says so); 77: they cannot be built.
set -u
dir=$(mktemp -d) || exit 77
trap 'rm -rf "$dir"' EXIT
printf 'int main(void) { return sizeof(void *) == 4 ? 0 : 1; }\n' >"$dir/p.c"
builds() { gcc -m32 -o "$dir/p" "$dir/p.c" >/dev/null 2>&1; }

if ! builds && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
  # Several tests may ask at once: one installs, the others wait for it.
  exec 9>/tmp/zedra-gcc-multilib.lock
  command -v flock >/dev/null 2>&1 && flock 9
  if ! builds; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y gcc-multilib >/dev/null 2>&1 ||
      { apt-get update >/dev/null 2>&1 && apt-get install -y gcc-multilib >/dev/null 2>&1; }
  fi
fi
if ! builds; then
  echo "skipped: 'gcc -m32' cannot build 32-bit programs (install gcc-multilib)"
  exit 77
fi
if ! "$dir/p" >/dev/null 2>&1; then
  echo "32-bit programs cannot run on this machine (no i386 execution support)"
  exit 2
fi
exit 0
