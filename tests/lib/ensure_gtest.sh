#!/bin/sh
# Installs GoogleTest and GoogleMock when this runs as root on a Debian
# machine; the build folder is configured again afterwards.
set -u
[ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1 || exit 0
export DEBIAN_FRONTEND=noninteractive
apt-get install -y libgtest-dev libgmock-dev >/dev/null 2>&1 ||
  { apt-get update >/dev/null 2>&1 && apt-get install -y libgtest-dev libgmock-dev >/dev/null 2>&1; }
exit 0
