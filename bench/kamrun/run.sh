#!/bin/sh
# Times kamrun on the hot loop of loop.kam and the same loop in lua5.4, and
# prints both times, kamrun's KAM instructions per second and the ratio.
# Wall-clock time is what a user waits; CPU time (user) is shown beside it
# because the machine may be busy with other work.
# usage: run.sh BUILD_DIR BENCH_DIR
build=$(cd "$1" && pwd)
here=$2
kamrun=$build/kamrun/kamrun
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Instructions the loop executes: 7 before it, 13 per round, 4 at the exit
# test and 5 after it (n = 100000000 rounds).
rounds=100000000
instructions=$((7 + 13 * rounds + 4 + 5))

. "$here/../lib.sh"

measure kamrun "$kamrun" -s "$here/loop.kam" || { echo "kamrun failed"; exit 1; }
read -r kam_wall kam_user < "$scratch/kamrun"
echo "kamrun: ${kam_wall} s wall, ${kam_user} s CPU (result $(cat "$scratch/kamrun.out"))"
awk "BEGIN { printf \"kamrun: %.0f million KAM instructions per second (wall)\n\", $instructions / $kam_wall / 1e6 }"
[ "$kam_user" != "-" ] && awk "BEGIN { if ($kam_user > 0) printf \"kamrun: %.0f million KAM instructions per second (CPU)\n\", $instructions / $kam_user / 1e6 }"

if ! want lua5.4; then
  echo "lua5.4: not available, comparison skipped"
  exit 0
fi
measure lua lua5.4 "$here/loop.lua" || { echo "lua5.4 failed"; exit 0; }
read -r lua_wall lua_user < "$scratch/lua"
echo "lua5.4: ${lua_wall} s wall, ${lua_user} s CPU (result $(cat "$scratch/lua.out"))"
awk "BEGIN { printf \"ratio kamrun/lua5.4: %.2f (wall)\n\", $kam_wall / $lua_wall }"
[ "$lua_user" != "-" ] && awk "BEGIN { if ($lua_user > 0) printf \"ratio kamrun/lua5.4: %.2f (CPU)\n\", $kam_user / $lua_user }"
exit 0
