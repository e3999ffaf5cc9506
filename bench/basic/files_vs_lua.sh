#!/usr/bin/env bash
# Figure (f) of basic_bench beside Lua 5.4 in the same minutes: the bench's
# file figures and Lua's (file_numbers.lua) in turn, ROUNDS times each.
#   bench/basic/files_vs_lua.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/../.."
rounds=${1:-3}
lua=$(command -v lua5.4 || true)
for ((round = 1; round <= rounds; ++round)); do
  tools/wine-exec build/win64/bin/basic_bench.exe files | grep -E '^(file|using)'
  if [ -n "$lua" ]; then
    "$lua" bench/basic/file_numbers.lua "$(mktemp)"
  else
    echo "lua: Lua 5.4 is missing (Debian's lua5.4, tools/setup.sh installs it): no yardstick"
  fi
done
