#!/usr/bin/env bash
# package-check.sh [win32|win64]: builds the release zip of the preset (win32
# by default), unpacks it into a scratch folder and checks it as a user gets
# it: exactly the expected files under one top folder, programs without
# debug sections, a plain ASCII README with CR LF line ends, and, from the
# unpacked folder, basic.exe --make of an example and the made program, both
# under wine and both ending with exit code 0. Also checks that tools/run.sh
# refuses a wrong command line before building anything. Prints one line per
# check; exits non-zero when any fails.
#
# tools/test.sh runs it inside its wine session; run alone, each wine process
# starts a server of its own, which costs a few seconds more.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/virtual-display.sh

preset=${1:-win32}
case $preset in
  win32) bits=32 ;;
  win64) bits=64 ;;
  *) echo "usage: tools/package-check.sh [win32|win64]" >&2; exit 2 ;;
esac
# A short example that draws and ends at END by itself, waiting for no key.
example=arcs

failures=0
check() {  # check DESCRIPTION COMMAND...: one line, ok or FAILED
  local description=$1; shift
  if "$@"; then
    echo "package: ok: $description"
  else
    echo "package: FAILED: $description"
    failures=$((failures + 1))
  fi
}

scratch=$(mktemp -d)
unpacked=$scratch/unpacked
cleanup() {
  rm -rf "$scratch"
  # Run alone, on a display of its own: wine's background processes end
  # before that display goes.
  balls_display_started && [ -n "${WINESERVER:-}" ] && timeout 30 "$WINESERVER" -w
  balls_binfmt_release
  balls_display_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# --- run.sh's command line: each mistake is refused with exit code 2 before
# anything is installed or built.
refused() { tools/run.sh "$@" >/dev/null 2>"$scratch/run.err"; [ $? -eq 2 ] && grep -q '^usage:' "$scratch/run.err"; }
check "run.sh refuses an unknown option" refused --64
check "run.sh refuses a file that does not exist" refused "$scratch/none.bas"
check "run.sh refuses a second file" refused examples/arcs.bas examples/balls.bas

# --- The zip.
cmake --build --preset "$preset" --target package >"$scratch/build.log" 2>&1 ||
  { cat "$scratch/build.log"; echo "package: FAILED: cmake --build --preset $preset --target package"; exit 1; }
name=$(sed -nE 's/^set\(CPACK_PACKAGE_FILE_NAME "(.*)"\)$/\1/p' "build/$preset/CPackConfig.cmake")
zip=$PWD/build/$preset/$name.zip
echo "package: build/$preset/$name.zip, $(stat -c %s "$zip") bytes:"
(mkdir "$unpacked" && cd "$unpacked" && cmake -E tar xf "$zip") || { echo "package: FAILED: unpacking $zip"; exit 1; }
top=$unpacked/$name
(cd "$unpacked" && find . -type f -printf '%P (%s bytes)\n' | sort | sed 's/^/package:   /')

expected_files() {
  printf '%s\n' "$name/balls.exe" "$name/basic.exe" "$name/basic.md" "$name/README.txt"
  for f in examples/*.bas; do echo "$name/$f"; done
}
exactly_the_expected_files() {
  diff <(expected_files | sort) <(cd "$unpacked" && find . -type f -printf '%P\n' | sort) >&2 &&
    [ -z "$(cd "$unpacked" && find . -mindepth 1 -maxdepth 1 ! -name "$name")" ]
}
check "one folder $name, holding exactly the programs, the examples, basic.md and README.txt" \
  exactly_the_expected_files

objdump=$(sed -nE 's/^CMAKE_OBJDUMP:FILEPATH=(.*)$/\1/p' "build/$preset/CMakeCache.txt")
no_debug_sections() { ! "$objdump" -h "$top/$1" | grep -q '\.debug'; }
check "balls.exe carries no debug sections" no_debug_sections balls.exe
check "basic.exe carries no debug sections" no_debug_sections basic.exe

plain_text() {
  [ -s "$top/README.txt" ] &&
    [ "$(tr -d '\000-\177' <"$top/README.txt" | wc -c)" -eq 0 ] &&
    ! grep -q $'[^\r]$' "$top/README.txt" && [ "$(tail -c 2 "$top/README.txt" | od -An -tx1 | tr -d ' ')" = 0d0a ]
}
check "README.txt is plain ASCII with CR LF line ends" plain_text

# --- basic.exe --make, from the unpacked folder, and the made program.
balls_wine_use "$bits" && balls_binfmt_hold || { echo "package: FAILED: $BALLS_WINE_MISSING"; exit 1; }
balls_display_start >/dev/null
balls_wine_prefix || { echo "package: FAILED: the wine prefix"; exit 1; }
in_top() { (cd "$top" && timeout -k 5 120 env LANG="$BALLS_WINE_LOCALE" LC_ALL="$BALLS_WINE_LOCALE" "$WINE" "$@"); }
# An icon of one red pixel (a 32-bit DIB and its mask), for --icon.
zeros='\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
printf "\0\0\1\0\1\0\1\1\0\0\1\0\40\0\60\0\0\0\26\0\0\0\50\0\0\0\1\0\0\0\2\0\0\0\1\0\40\0$zeros\0\0\377\377\0\0\0\0" \
  >"$top/red.ico"
check "basic.exe --make $example.exe --icon red.ico examples/$example.bas exits with 0" \
  in_top basic.exe --make "$example.exe" --icon red.ico "examples/$example.bas"
rm -f "$top/red.ico"
made=$top/$example.exe
# The resources --make adds: the version (type 16), the icon (3) and its group (14).
has_resource() { "$objdump" -p "$made" | grep -Eq "^0[0-9a-f]+ +Entry: ID: 0x0000$1,"; }
if [ -f "$made" ]; then
  made_size=$(stat -c %s "$made")
  limit=$(($(stat -c %s "$top/basic.exe") + $(stat -c %s "$top/examples/$example.bas") + 16384))
  echo "package: $example.exe: $made_size bytes (basic.exe plus $example.bas and 16 KB of resources: $limit)"
  check "$example.exe is no larger than basic.exe plus $example.bas and its resources" [ "$made_size" -le "$limit" ]
  check "$example.exe carries a version resource" has_resource 10
  check "$example.exe carries the icon and its group" eval 'has_resource 03 && has_resource 0e'
  check "$example.exe is a $bits-bit program" [ "$(balls_pe_bits "$made")" = "$bits" ]
  check "$example.exe runs and exits with 0" in_top "$example.exe"
else
  check "basic.exe --make wrote $example.exe" false
fi

[ "$failures" -eq 0 ]
