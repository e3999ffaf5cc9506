#!/usr/bin/env bash
# conformance.sh DIR: runs every .BAS/.bas program in DIR under basic.exe (the
# win64 build, under wine on a virtual display when no display is set) and
# prints one line per program: its exit code and how many verdict lines it
# printed that pass and that fail, then a summary line.
#
# DIR/inputs/NAME.in, where present, holds the lines the program's INPUT
# reads (basic.exe --input); a program without one gets no lines, so that an
# INPUT ends it at once (exit code 5) instead of waiting for a user. A program
# still running after BASIC_CONFORMANCE_SECONDS (default 20) is ended and
# reported as "timeout". What each program wrote is kept in
# build/conformance/NAME.out and NAME.err.
#
# A verdict line is a banner such as "*** TEST PASSED ***" or "***  TEST
# FAILED  ***", or a row of results that ends in PASS, PASSES, FAIL,
# FAILS and the like; prose that merely mentions a failure ("THE TEST FAILS.", "RESULT
# (OK OR FAILED)") is not a verdict.
set -uo pipefail
if [ $# -ne 1 ] || [ ! -d "$1" ]; then
  echo "usage: tools/conformance.sh DIR" >&2
  exit 2
fi
dir=$(cd "$1" && pwd)
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/virtual-display.sh
limit=${BASIC_CONFORMANCE_SECONDS:-20}
exe=build/win64/bin/basic.exe
results=build/conformance

if [ ! -x "$exe" ]; then
  echo "building $exe" >&2
  { [ -d build/win64 ] || cmake --preset win64 --log-level=WARNING >/dev/null; } &&
    cmake --build --preset win64 --target basic >/dev/null || { echo "conformance: cannot build $exe" >&2; exit 2; }
fi
balls_wine_use 64 || { echo "conformance: $BALLS_WINE_MISSING" >&2; exit 125; }
trap 'balls_wine_session_stop; balls_display_stop' EXIT
trap 'exit 130' INT TERM HUP
balls_display_start >&2
# One wine session for the whole run, so that each program starts quickly.
balls_wine_session_start || { echo "conformance: the wine session did not start" >&2; exit 125; }

mkdir -p "$results"
no_lines=$results/no-lines.in
: >"$no_lines"

# The verdict lines of a program's output saying $2 (PASS or FAIL).
verdicts() { grep -cE "TEST +$2ED|(^|[^A-Z])$2(ED|ES|S)?[[:space:]]*\$" "$1"; }

programs=0 all_passed=0 timeouts=0 total_passed=0 total_failed=0
declare -A codes=()
shopt -s nullglob nocaseglob
for file in "$dir"/*.bas; do
  name=$(basename "$file")
  name=${name%.*}
  input=$no_lines
  for candidate in "$dir/inputs/$name.in" "$dir/inputs/$name.IN"; do
    [ -f "$candidate" ] && input=$candidate && break
  done
  out=$results/$name.out err=$results/$name.err
  timeout -k 5 "$limit" env LANG="$BALLS_WINE_LOCALE" LC_ALL="$BALLS_WINE_LOCALE" "$WINE" "$exe" \
    --exit --echo --input "$(balls_windows_path "$input")" "$(balls_windows_path "$file")" </dev/null >"$out" 2>"$err"
  code=$?
  [ "$code" -eq 124 ] || [ "$code" -eq 137 ] && code=timeout && timeouts=$((timeouts + 1))
  passed=$(verdicts "$out" PASS)
  failed=$(verdicts "$out" FAIL)
  printf '%-12s exit %-7s passed %3d  failed %3d\n' "$name" "$code" "$passed" "$failed"
  programs=$((programs + 1))
  codes[$code]=$((${codes[$code]:-0} + 1))
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  [ "$code" = 0 ] && [ "$passed" -gt 0 ] && [ "$failed" -eq 0 ] && all_passed=$((all_passed + 1))
done
by_code=
for code in $(printf '%s\n' "${!codes[@]}" | sort); do by_code+=" exit $code: ${codes[$code]},"; done
echo "summary: $programs programs,$by_code $all_passed ended with only passing verdicts;" \
  "verdict lines: $total_passed passed, $total_failed failed"
