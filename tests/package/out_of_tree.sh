#!/bin/sh
# Installs this build into a scratch prefix and builds the project of
# project/ against it, as a project of its own would: find_package(ZEDRA 2.8
# CONFIG) with CMAKE_PREFIX_PATH, zedra_scanner() and zedra_parser(). Then
# runs the compiler it built (its KAM code on the installed kamrun) and the
# program that k2c translated, checks that the build regenerates what an
# edited specification needs and nothing else, that the installed MiniPas
# example builds on its own, and that the package answers version requests
# as the banners say.
# usage: out_of_tree.sh SCRATCH_DIR   (environment: ZEDRA_BINARY_DIR, CMAKE)
set -u
here=$(cd "$(dirname "$0")" && pwd)
scratch=$1
# shellcheck source=scratch_install.sh
. "$here/scratch_install.sh"
project=$scratch/project
build=$scratch/build
cp -R "$here/project" "$project" || exit 1

# The project builds warning-free with the compiler of this build; the
# sanitizers of a sanitizer build are left out.
# shellcheck disable=SC2086
run configure.log "$cmake" -S "$project" -B "$build" $generator \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS="-Wall -Wextra -Werror"
grep -q "ZEDRA 2.8 in $prefix/lib/cmake/ZEDRA" "$scratch/configure.log" ||
  { cat "$scratch/configure.log"; fail "the package was not found in the scratch prefix"; }
run build.log "$cmake" --build "$build"
for step in "Generating the scanner tallylex" "Generating the parser tally" "Translating answer.kam"; do
  grep -q "$step" "$scratch/build.log" || { cat "$scratch/build.log"; fail "no step '$step'"; }
done

# The compiler: tally translates print statements into KAM code.
cd "$scratch" || exit 1
run tally.log "$build/tally" "$project/sums.tly"
printf '%s\n' -7 42 1 >expected
"$build/tally" -q "$project/sums.tly" >sums.kam 2>tally.err || { cat tally.err; fail "tally failed"; }
"$prefix/bin/kamrun" -s sums.kam >sums.out 2>&1 || { cat sums.out; fail "kamrun on the code of tally"; }
diff -u expected sums.out || fail "the KAM code of tally computes other sums"
printf 'print 1 +;\n' >bad.tly
"$build/tally" -q bad.tly >/dev/null 2>bad.err
status=$?
[ "$status" = 1 ] || { cat bad.err; fail "tally on a syntax error: exit status $status, not 1"; }
[ "$("$build/answer")" = 42 ] || fail "the program translated by k2c does not answer 42"

# Dependencies. Nothing to do after a build; an edited scanner specification
# regenerates the scanner and, through its include file, the parser; an
# edited parser specification or include file of its own only the parser;
# an edited action module nothing.
touch_newer() {
  touch "$1"
  if [ -z "$(find "$1" -newer "$build/tally")" ]; then
    sleep 1
    touch "$1"
  fi
}
rebuild() {
  run rebuild.log "$cmake" --build "$build"
  generated=$(grep -o "Generating the [a-z]* [a-z]*" "$scratch/rebuild.log" | tr '\n' ',')
  [ "$generated" = "$1" ] || { cat "$scratch/rebuild.log"; fail "$2: generated '$generated', not '$1'"; }
}
rebuild "" "a second build"
touch_newer "$project/tallylex.inp"
rebuild "Generating the scanner tallylex,Generating the parser tally," "after tallylex.inp"
touch_newer "$project/tally.inp"
rebuild "Generating the parser tally," "after tally.inp"
touch_newer "$project/tallyext.inc"
rebuild "Generating the parser tally," "after tallyext.inc"
touch_newer "$project/tallyact.c"
rebuild "" "after tallyact.c"
grep -q "tallyact.c" "$scratch/rebuild.log" || { cat "$scratch/rebuild.log"; fail "tallyact.c not compiled again"; }
"$build/tally" -q "$project/sums.tly" >sums.kam 2>/dev/null && "$prefix/bin/kamrun" -s sums.kam >sums.out 2>&1 &&
  diff -u expected sums.out || fail "tally after the rebuilds"

# A source in ACTIONS whose module the specification gives no actions gets
# no header from the generator: the build step says so and fails, every
# time, instead of running the generator again on every build; without it
# the build settles again.
cp "$project/CMakeLists.txt" CMakeLists.saved
printf 'int tally_helper(void) { return 1; }\n' >"$project/tallyhlp.c"
sed 's/ACTIONS tallydef.c)/ACTIONS tallydef.c tallyhlp.c)/' CMakeLists.saved >"$project/CMakeLists.txt"
for attempt in 1 2; do
  "$cmake" --build "$build" >unpromised.log 2>&1 && { cat unpromised.log; fail "a build with tallyhlp.c in ACTIONS passed"; }
  grep -q "gives the module tallyhlp no actions" unpromised.log ||
    { cat unpromised.log; fail "build $attempt with tallyhlp.c in ACTIONS: no message about the module"; }
done
cp CMakeLists.saved "$project/CMakeLists.txt"
run rebuild.log "$cmake" --build "$build"
rebuild "" "after tallyhlp.c left ACTIONS"

# find_package: 2.8 and 2 are served, 2.9, 3 and 1.0 are not; the version is
# the one the banners print.
mkdir -p version
cat >version/CMakeLists.txt <<'END'
cmake_minimum_required(VERSION 3.25)
project(zedra_version NONE)
find_package(ZEDRA ${WANT} CONFIG)
message(STATUS "found ${ZEDRA_FOUND} ${ZEDRA_VERSION}")
END
for want in 2.8 2 2.9 3 1.0; do
  rm -rf version/build
  run version.log "$cmake" -S version -B version/build -DWANT="$want" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON
  case $want in 2.8 | 2) expected_line="found 1 2.8" ;; *) expected_line="found 0" ;; esac
  grep -q -- "-- $expected_line" "$scratch/version.log" ||
    { cat "$scratch/version.log"; fail "find_package(ZEDRA $want): not '$expected_line'"; }
done
# The installed MiniPas example builds on its own against the installation,
# in both shapes, and its compilers agree on a program that kamrun runs.
example=$scratch/minipas
cp -R "$prefix/share/zedra/examples/pascal" "$example" || exit 1
# shellcheck disable=SC2086
run example-configure.log "$cmake" -S "$example" -B "$example/build" $generator \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON \
  -DCMAKE_C_FLAGS="-Wall -Wextra -Werror"
run example-build.log "$cmake" --build "$example/build"
(cd "$example" && build/minipas -q -o default.kam sum.pas && build/fast/minipas -q -o fast.kam sum.pas) ||
  fail "the installed MiniPas example's compilers on sum.pas"
cmp "$example/default.kam" "$example/fast.kam" || fail "the two shapes of the installed example differ"
"$prefix/bin/kamrun" -s "$example/default.kam" <"$example/sum.in" >"$scratch/sum.out" 2>&1 ||
  { cat "$scratch/sum.out"; fail "kamrun on the code of the installed MiniPas example"; }

banner=$("$prefix/bin/sgen" --version)
[ "$banner" = "ZEDRA scanner generator v2.8" ] || fail "the banner is '$banner', the package 2.8"
echo "out-of-tree project: built, run and rebuilt against $prefix"
