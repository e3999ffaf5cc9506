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
# A wine session of its own, in a hard-linked copy of the prefix: a process
# without a display may start the session's desktop process, which would
# then have no display either, and no later program of a shared session
# could make a window.
lonely=$WINEPREFIX-without-display
[ -d "$lonely" ] || cp -al "$WINEPREFIX" "$lonely"
trap 'WINEPREFIX=$lonely "$WINESERVER" -k 2>/dev/null; balls_binfmt_release' EXIT
status=0
timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY WINEPREFIX="$lonely" LANG="$BALLS_WINE_LOCALE" LC_ALL="$BALLS_WINE_LOCALE" \
  "$WINE" "$1" </dev/null >/dev/null 2>&1 || status=$?
if [ "$status" -ne 4 ]; then
  echo "balls.exe without a display ended with status $status (124: still waiting after 20 s); want 4" >&2
  exit 1
fi
echo "ended with the window-unavailable code 4"
