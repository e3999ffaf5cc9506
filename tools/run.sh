#!/usr/bin/env bash
# run.sh [--32] [PROGRAM.bas]: installs what is missing, builds what is
# needed and runs under wine the x86_64 build, or with --32 the 32-bit one
# (under the emulated 32-bit wine where this machine cannot run 32-bit code):
# without a file the scene, balls.exe; with one, basic.exe on that file. It
# runs on $DISPLAY when one is set, otherwise on a virtual display. Reports
# the program's exit code and exits with it.
#
# On a virtual display nobody sees the window, so the run leaves the finished
# picture: build/balls.png for the scene (the snapshot tool draws it again),
# build/NAME.png for PROGRAM.bas (basic.exe --snapshot, which ends at END).
# There the terminal stands in for the window: what the program prints is
# echoed to it, and INPUT reads the lines typed into it (or the script's
# standard input), so that no program waits for keys nobody can press.
set -uo pipefail

usage() { echo "usage: tools/run.sh [--32] [PROGRAM.bas]" >&2; exit 2; }
preset=win64 bits=64 file=
for arg in "$@"; do
  case $arg in
    --32) preset=win32 bits=32 ;;
    -*) usage ;;
    *) [ -z "$file" ] || usage; file=$arg ;;
  esac
done
if [ -n "$file" ] && [ ! -f "$file" ]; then
  echo "run: $file: no such file" >&2
  usage
fi
# basic.exe runs in the caller's directory, so that messages name the file as
# it was given.
caller_dir=$PWD
[ -n "$file" ] && file_path=$(realpath -- "$file")

cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/virtual-display.sh

targets=(balls balls-snapshot)
[ -n "$file" ] && targets=(basic)
tools/setup.sh || exit 1
cmake --preset "$preset" --log-level=WARNING >/dev/null || exit 1
cmake --build --preset "$preset" --target "${targets[@]}" || exit 1
balls_wine_use "$bits" || { echo "run: $BALLS_WINE_MISSING" >&2; exit 1; }

cleanup() {
  balls_wine_session_stop
  balls_binfmt_release
  balls_display_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
balls_binfmt_hold || { echo "run: $BALLS_WINE_MISSING" >&2; exit 1; }

virtual=no
[ -z "${DISPLAY:-}" ] && virtual=yes
balls_display_start
balls_wine_session_start || { echo "run: the wine session did not start" >&2; exit 1; }

# The scene: balls.exe in the window, then on a virtual display the snapshot
# tool's picture of it.
run_scene() {
  balls_wine "build/$preset/bin/balls.exe"
  code=$?
  echo "balls.exe ($bits-bit) exited with code $code"
  [ "$virtual" = yes ] || return
  local snapshot=build/balls-snapshot.bmp
  if balls_wine "build/$preset/bin/balls-snapshot.exe" "$snapshot" >/dev/null; then
    save_picture "$snapshot" 640x400 "$PWD/build/balls.png"
  fi
}

# PROGRAM.bas under basic.exe: in the window, which stays open until it is
# closed, or on a virtual display up to END, with its picture saved.
run_program() {
  local basic_exe=$PWD/build/$preset/bin/basic.exe name picture options=()
  name=$(basename "$file")
  picture=$PWD/build/${name%.[bB][aA][sS]}
  if [ "$virtual" = yes ]; then
    rm -f "$picture.bmp" "$picture.png"
    options=(--snapshot "$(balls_windows_path "$picture.bmp")" --echo --input -)
  fi
  (cd "$caller_dir" && balls_wine "$basic_exe" "${options[@]}" "$file")
  code=$?
  echo "basic.exe ($bits-bit) on $file exited with code $code"
  [ "$virtual" = yes ] && [ -f "$picture.bmp" ] || return 0
  # SCREEN 12 is the one mode taller than the 640 x 400 picture.
  local size=640x400
  grep -qiE '\bSCREEN[[:space:]]*12\b' "$file_path" && size=640x480
  save_picture "$picture.bmp" "$size" "$picture.png"
}

# save_picture BMP WIDTHxHEIGHT PNG: the top left of the back buffer.
save_picture() {
  /usr/bin/convert "$1" -crop "$2+0+0" +repage "$3" && echo "the finished picture: $3"
}

code=0
if [ -n "$file" ]; then run_program; else run_scene; fi
exit "$code"
