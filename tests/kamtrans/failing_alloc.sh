#!/bin/sh
# Runs a translator as if memory ran out at one request: every malloc and
# calloc of exactly SIZE bytes fails (failalloc.c, preloaded). In its
# messages the source file of the failing allocation is cut to its base name
# and the line number replaced by "#", so that they depend neither on the
# build folder nor on the code around the allocation.
# Exit status 77: the allocator cannot be replaced here (no C compiler for
# the preloaded library, or tools built with a sanitizer, which brings an
# allocator of its own).
# usage: failing_alloc.sh SIZE COMMAND...   (environment: tests/CMakeLists.txt)
set -u
size=$1
shift
case " ${ZEDRA_TEST_CFLAGS:-} " in
  *-fsanitize*) echo "skipped: the tools carry a sanitizer's allocator" >&2; exit 77 ;;
esac
here=$(cd "$(dirname "$0")" && pwd)
"${CC:-cc}" -shared -fPIC -o failalloc.so "$here/failalloc.c" 2>/dev/null ||
  { echo "skipped: the failing allocator does not build" >&2; exit 77; }
LD_PRELOAD=./failalloc.so ZEDRA_FAIL_SIZE=$size "$@" 2>messages
status=$?
rm -f failalloc.so
sed -e 's| in [^ ]*/\([^/ ]*\), | in \1, |' -e 's|at line [0-9]* in |at line # in |' messages >&2
rm -f messages
exit $status
