# Sourced by the tests that build projects against an installation of this
# build: makes the scratch folder SCRATCH (emptied; an absolute path
# afterwards), installs the build below $scratch/prefix and gives fail and
# run. GENERATOR is "-G Ninja" where ninja is found.
# (environment: ZEDRA_BINARY_DIR, CMAKE)
cmake=${CMAKE:-cmake}
rm -rf "$scratch"
mkdir -p "$scratch" || exit 1
scratch=$(cd "$scratch" && pwd)
prefix=$scratch/prefix
generator=
command -v ninja >/dev/null 2>&1 && generator="-G Ninja"

fail() {
  echo "FAIL: $*"
  exit 1
}

# Runs a command with its output in LOG; shows it when the command fails.
run() {
  log=$1
  shift
  "$@" >"$scratch/$log" 2>&1 || { cat "$scratch/$log"; fail "$* (exit status $?)"; }
}

run install.log "$cmake" --install "$ZEDRA_BINARY_DIR" --prefix "$prefix"
