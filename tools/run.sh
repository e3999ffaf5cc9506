#!/usr/bin/env bash
# run.sh [--32]: installs what is missing, builds the program and runs it
# under wine: the x86_64 build, or with --32 the 32-bit one (under the
# emulated 32-bit wine where this machine cannot run 32-bit code). It runs on
# $DISPLAY when one is set, otherwise on a virtual display. Reports the
# program's exit code and exits with it. On a virtual display, where nobody
# sees the window (which vanishes at END anyway), it also runs the snapshot
# tool and leaves the finished picture as build/balls.png.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/virtual-display.sh

preset=win64 bits=64
case "${1:-}" in
  "") ;;
  --32) preset=win32 bits=32 ;;
  *) echo "usage: tools/run.sh [--32]" >&2; exit 2 ;;
esac

tools/setup.sh || exit 1
cmake --preset "$preset" --log-level=WARNING >/dev/null || exit 1
cmake --build --preset "$preset" --target balls balls-snapshot || exit 1
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
balls_wine "build/$preset/bin/balls.exe"
code=$?
echo "balls.exe ($bits-bit) exited with code $code"
if [ "$virtual" = yes ]; then
  snapshot=build/balls-snapshot.bmp
  if balls_wine "build/$preset/bin/balls-snapshot.exe" "$snapshot" >/dev/null &&
     /usr/bin/convert "$snapshot" -crop 640x400+0+0 +repage build/balls.png; then
    echo "the finished picture: $(pwd)/build/balls.png"
  fi
fi
exit "$code"
