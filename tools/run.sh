#!/usr/bin/env bash
# Installs what is missing, builds the x86_64 program and runs it under wine:
# on $DISPLAY when one is set, otherwise on a virtual display. Reports the
# program's exit code and exits with it. On a virtual display, where nobody
# sees the window (which vanishes at END anyway), it also runs the snapshot
# tool and leaves the finished picture as build/balls.png.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/virtual-display.sh

tools/setup.sh || exit 1
cmake --preset win64 --log-level=WARNING >/dev/null || exit 1
cmake --build --preset win64 --target balls balls-snapshot || exit 1

virtual=no
[ -z "${DISPLAY:-}" ] && virtual=yes
balls_display_start
balls_wine_session_start
balls_wine build/win64/bin/balls.exe
code=$?
echo "balls.exe exited with code $code"
if [ "$virtual" = yes ]; then
  snapshot=build/balls-snapshot.bmp
  if balls_wine build/win64/bin/balls-snapshot.exe "$snapshot" >/dev/null &&
     /usr/bin/convert "$snapshot" -crop 640x400+0+0 +repage build/balls.png; then
    echo "the finished picture: $(pwd)/build/balls.png"
  fi
fi
balls_wine_session_stop
balls_display_stop
exit "$code"
