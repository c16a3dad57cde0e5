#!/bin/sh
# Builds the packages of make package (CPack: a Debian package and a
# tarball) from this build and compares them with an installation of the
# build: the Debian package holds below /usr, the tarball below its top
# folder, exactly the files that cmake --install installs, with the same
# contents; the package's name and version are zedra and the project's.
# Skipped without dpkg-deb.
# usage: contents.sh SCRATCH_DIR
#   (environment: ZEDRA_BINARY_DIR, ZEDRA_VERSION, CMAKE, CPACK)
set -u
scratch=$1
cmake=${CMAKE:-cmake}
cpack=${CPACK:-cpack}
if ! command -v dpkg-deb >/dev/null 2>&1; then
  echo "skipped: dpkg-deb is not installed, so the Debian package cannot be read" >&2
  exit 77
fi
rm -rf "$scratch"
mkdir -p "$scratch" || exit 1
scratch=$(cd "$scratch" && pwd)
cd "$scratch" || exit 1

fail() {
  echo "FAIL: $*"
  exit 1
}

"$cmake" --install "$ZEDRA_BINARY_DIR" --prefix "$scratch/installed" >install.log 2>&1 ||
  { cat install.log; fail "cmake --install"; }
"$cpack" --config "$ZEDRA_BINARY_DIR/CPackConfig.cmake" -B "$scratch/packages" >cpack.log 2>&1 ||
  { cat cpack.log; fail "cpack"; }

deb=$(ls packages/*.deb 2>/dev/null)
tarball=$(ls packages/*.tar.gz 2>/dev/null)
[ -n "$deb" ] && [ "$(echo "$deb" | wc -l)" = 1 ] || { cat cpack.log; fail "not one Debian package: '$deb'"; }
[ -n "$tarball" ] && [ "$(echo "$tarball" | wc -l)" = 1 ] || { cat cpack.log; fail "not one tarball: '$tarball'"; }

# The files of the installation, relative to the prefix.
(cd installed && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >installed.list
grep -q '^bin/sgen$' installed.list && grep -q '^lib/cmake/ZEDRA/ZEDRAConfig.cmake$' installed.list &&
  grep -q '^share/man/man1/k2a.1$' installed.list && grep -q '^share/zedra/runtime/scanpars.c$' installed.list &&
  grep -q '^share/zedra/target/rts.h$' installed.list && grep -q '^share/doc/zedra/docs/language.md$' installed.list &&
  grep -q '^share/zedra/examples/pascal/minipas.inp$' installed.list &&
  grep -q '^share/zedra/examples/pascal/README.md$' installed.list &&
  grep -q '^share/zedra/examples/pascal/CMakeLists.txt$' installed.list &&
  grep -q '^share/zedra/examples/kam/factorial.kam$' installed.list &&
  grep -q '^share/doc/zedra/docs/minipas-diagrams.png$' installed.list ||
  fail "the installation lacks files: $(cat installed.list)"

# dpkg-deb -c lists "mode owner size date time ./usr/path"; directories end
# in a slash.
dpkg-deb -c "$deb" >deb.contents || fail "dpkg-deb -c $deb"
awk '{ print $NF }' deb.contents | grep -v '/$' | sed 's|^\./usr/||' | LC_ALL=C sort >deb.list
diff -u installed.list deb.list || fail "the Debian package holds other files than the installation"
[ "$(dpkg-deb -f "$deb" Package)" = zedra ] || fail "the package is not called zedra"
[ "$(dpkg-deb -f "$deb" Version)" = "$ZEDRA_VERSION" ] || fail "the package version is not $ZEDRA_VERSION"
mkdir deb && dpkg-deb -x "$deb" deb || fail "dpkg-deb -x $deb"
diff -r installed deb/usr >/dev/null || fail "files of the Debian package differ from the installation"

tar -tzf "$tarball" | grep -v '/$' | sed 's|^[^/]*/||' | LC_ALL=C sort >tar.list ||
  fail "tar -tzf $tarball"
diff -u installed.list tar.list || fail "the tarball holds other files than the installation"
mkdir tar && tar -xzf "$tarball" -C tar || fail "tar -xzf $tarball"
diff -r installed tar/* >/dev/null || fail "files of the tarball differ from the installation"
echo "$(basename "$deb") and $(basename "$tarball"): the $(wc -l <installed.list) files of the installation"
