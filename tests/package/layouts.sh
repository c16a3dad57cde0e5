#!/bin/sh
# The project of project/ in the other layouts a project may have, against
# a scratch installation: built in its source folder (the user's own header
# handed over through ACTIONS already stands where the generated files go),
# with scanner and parser in two sibling folders (the parser's folder knows
# the scanner by its name alone), and with a header of a generator run by
# hand left in the source folder, which configuring warns of.
# usage: layouts.sh SCRATCH_DIR   (environment: ZEDRA_BINARY_DIR, CMAKE)
set -u
here=$(cd "$(dirname "$0")" && pwd)
scratch=$1
# shellcheck source=scratch_install.sh
. "$here/scratch_install.sh"

# configure SOURCE BUILD LOG [GENERATOR]: configures against the scratch
# installation, with the generator given or the default one.
configure() {
  if [ $# -ge 4 ]; then
    run "$3" "$cmake" -S "$1" -B "$2" -G "$4" -DCMAKE_PREFIX_PATH="$prefix" \
      -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON
  else
    # shellcheck disable=SC2086
    run "$3" "$cmake" -S "$1" -B "$2" $generator -DCMAKE_PREFIX_PATH="$prefix" \
      -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON
  fi
}

# The sums of project/sums.tly, computed by the compiler TALLY.
check_tally() {
  "$1" -q "$here/project/sums.tly" >"$scratch/sums.kam" 2>"$scratch/tally.err" ||
    { cat "$scratch/tally.err"; fail "$2: tally failed"; }
  "$prefix/bin/kamrun" -s "$scratch/sums.kam" >"$scratch/sums.out" 2>&1 &&
    [ "$(tr '\n' ' ' <"$scratch/sums.out")" = "-7 42 1 " ] ||
    { cat "$scratch/sums.out"; fail "$2: the KAM code of tally computes other sums"; }
}

# In the source folder, with make and with Ninja: the second build has
# nothing to do.
for kind in make $(command -v ninja >/dev/null 2>&1 && echo ninja); do
  inside=$scratch/inside_$kind
  cp -R "$here/project" "$inside" || exit 1
  case $kind in
    make) configure "$inside" "$inside" inside.log "Unix Makefiles" ;;
    *) configure "$inside" "$inside" inside.log Ninja ;;
  esac
  run inside.log "$cmake" --build "$inside"
  run inside2.log "$cmake" --build "$inside"
  if grep -q -i "Generating\|circular" "$scratch/inside2.log"; then
    cat "$scratch/inside2.log"
    fail "$kind: a second build in the source folder generated again"
  fi
  check_tally "$inside/tally" "$kind in the source folder"
done

# Scanner and parser in sibling folders, wired as the README says.
siblings=$scratch/siblings
mkdir -p "$siblings/scanner" "$siblings/parser" || exit 1
cp "$here/project/tallylex.inp" "$here/project/tallydef.c" "$siblings/scanner" &&
  cp "$here/project/tally.inp" "$here/project/tallyact.c" "$here/project/tallyext.h" \
    "$here/project/tallyext.inc" "$siblings/parser" || exit 1
cat >"$siblings/CMakeLists.txt" <<'END'
cmake_minimum_required(VERSION 3.25)
project(tally LANGUAGES C)
find_package(ZEDRA 2.8 CONFIG REQUIRED)
add_subdirectory(scanner)
add_subdirectory(parser)
END
cat >"$siblings/scanner/CMakeLists.txt" <<'END'
zedra_scanner(tallylex tallylex.inp ACTIONS tallydef.c)
add_custom_target(tallylex_files DEPENDS ${ZEDRA_tallylex_OUTPUTS})
END
cat >"$siblings/parser/CMakeLists.txt" <<'END'
zedra_parser(tally tally.inp SCANNER tallylex ACTIONS tallyact.c tallyext.h DEPENDS tallyext.inc)
add_executable(tally ${ZEDRA_tallylex_SOURCES} ${ZEDRA_tally_SOURCES})
target_include_directories(tally PRIVATE ${ZEDRA_tally_INCLUDE_DIRS})
target_link_libraries(tally PRIVATE ZEDRA::runtime)
add_dependencies(tally tallylex_files)
END
configure "$siblings" "$siblings/build" siblings.log
run siblings.log "$cmake" --build "$siblings/build"
check_tally "$siblings/build/parser/tally" "in sibling folders"

# A scanner header left in the source folder by a run of sgen there.
stale=$scratch/stale
cp -R "$here/project" "$stale" || exit 1
(cd "$stale" && "$prefix/bin/sgen" tallylex.inp >/dev/null) || fail "sgen in the source folder"
configure "$stale" "$stale/build" stale.log
# (CMake breaks the lines of a warning)
warnings=$(tr -s ' \n' '  ' <"$scratch/stale.log")
for header in tallylex.h tallydef.h; do
  case $warnings in
    *"/stale/$header hides the header that the build writes into $stale/build"*) ;;
    *) cat "$scratch/stale.log"; fail "no warning of $header in the source folder" ;;
  esac
done
echo "project layouts: in the source folder, in sibling folders, with stale headers"
