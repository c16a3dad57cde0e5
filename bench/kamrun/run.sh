#!/bin/sh
# Times kamrun on the hot loop of loop.kam and the same loop in lua5.4.
# usage: run.sh BUILD_DIR BENCH_DIR
build=$1
here=$2
kamrun=$build/kamrun/kamrun
# Instructions the loop executes: 7 before it, 13 per round, 4 at the exit
# test and 5 after it (n = 100000000 rounds).
rounds=100000000
instructions=$((7 + 13 * rounds + 4 + 5))

now() { date +%s.%N; }

start=$(now)
result=$("$kamrun" -s "$here/loop.kam") || { echo "kamrun failed"; exit 1; }
end=$(now)
kam_time=$(awk "BEGIN { printf \"%.3f\", $end - $start }")
echo "kamrun: $kam_time s (result $result)"
awk "BEGIN { printf \"kamrun: %.0f million KAM instructions per second\n\", $instructions / ($end - $start) / 1e6 }"

if ! command -v lua5.4 >/dev/null 2>&1 && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
  echo "installing lua5.4 ..."
  apt-get install -y lua5.4 >/dev/null 2>&1 || echo "(apt-get install lua5.4 failed)"
fi
if ! command -v lua5.4 >/dev/null 2>&1; then
  echo "lua5.4: not available, comparison skipped"
  exit 0
fi
start=$(now)
lua_result=$(lua5.4 "$here/loop.lua")
end=$(now)
lua_time=$(awk "BEGIN { printf \"%.3f\", $end - $start }")
echo "lua5.4: $lua_time s (result $lua_result)"
awk "BEGIN { printf \"ratio kamrun/lua5.4: %.2f\n\", $kam_time / $lua_time }"
