#!/usr/bin/env bash
# no_display.sh BALLS_EXE: the program started with no display at all (no
# DISPLAY, no virtual one) cannot make its window; it must end within a few
# seconds with exit code 4, the window-unavailable code, and not wait for a
# paint that never comes.
set -uo pipefail
source "$(dirname "$0")/../../tools/wine-env.sh"
balls_wine_use "$(balls_pe_bits "$1")" || { echo "$BALLS_WINE_MISSING" >&2; exit 1; }
trap balls_binfmt_release EXIT
balls_binfmt_hold || { echo "$BALLS_WINE_MISSING" >&2; exit 1; }
balls_wine_prefix
status=0
timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY LANG="$BALLS_WINE_LOCALE" LC_ALL="$BALLS_WINE_LOCALE" \
  "$WINE" "$1" </dev/null >/dev/null 2>&1 || status=$?
if [ "$status" -ne 4 ]; then
  echo "balls.exe without a display ended with status $status (124: still waiting after 20 s); want 4" >&2
  exit 1
fi
echo "ended with the window-unavailable code 4"
