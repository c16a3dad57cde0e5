#!/bin/sh
# Makes sure that "gcc -m32" can build 32-bit programs, and finds how they
# run: natively, else under qemu-i386. As root on a Debian machine it
# installs gcc-multilib (and qemu-user when the kernel cannot run them) once.
# Prints one line: "native", "qemu-i386" or "none" (built but cannot run)
# and exits 0; exits 77 with a message when 32-bit programs cannot be built.
set -u
dir=$(mktemp -d) || exit 77
trap 'rm -rf "$dir"' EXIT
printf 'int main(void) { return sizeof(void *) == 4 ? 0 : 1; }\n' >"$dir/p.c"
builds() { gcc -m32 -o "$dir/p" "$dir/p.c" >/dev/null 2>&1; }
can_install() { [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; }
install() {
  # Several tests may ask at once: one installs, the others wait for it.
  exec 9>/tmp/zedra-m32-install.lock
  command -v flock >/dev/null 2>&1 && flock 9
  "$1" && return 0
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y "$2" >/dev/null 2>&1 ||
    { apt-get update >/dev/null 2>&1 && apt-get install -y "$2" >/dev/null 2>&1; }
}

if ! builds && can_install; then
  install builds gcc-multilib
fi
if ! builds; then
  echo "skipped: 'gcc -m32' cannot build 32-bit programs (install gcc-multilib)"
  exit 77
fi
if "$dir/p" >/dev/null 2>&1; then
  echo native
  exit 0
fi
emulated() { command -v qemu-i386 >/dev/null 2>&1 && qemu-i386 "$dir/p" >/dev/null 2>&1; }
if ! emulated && can_install; then
  install emulated qemu-user
fi
if emulated; then
  echo qemu-i386
else
  echo none
fi
exit 0
