#!/usr/bin/env bash
# Installs what is missing, builds the x86_64 program and runs it under wine:
# on $DISPLAY when one is set, otherwise on a virtual display. Reports the
# program's exit code and exits with it.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
source tools/virtual-display.sh

tools/setup.sh || exit 1
cmake --preset win64 --log-level=WARNING >/dev/null || exit 1
cmake --build --preset win64 --target balls || exit 1

balls_display_start
balls_wine_session_start
balls_wine build/win64/bin/balls.exe
code=$?
balls_wine_session_stop
balls_display_stop
echo "balls.exe exited with code $code"
exit "$code"
