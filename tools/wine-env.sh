# Sourced by the wine scripts: the project's own wine prefix, inside the
# build tree of the win64 configuration, created once and quietly.
BALLS_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${BALLS_WINEPREFIX:-$BALLS_ROOT/build/win64/wineprefix}
export WINEDEBUG=-all
# No .NET or HTML engine: nothing here needs them, and wine would offer to
# download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=$(command -v wine || echo /usr/lib/wine/wine64)

balls_wine_prefix() {
  [ -f "$WINEPREFIX/.balls-ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.balls-ready" ]; then
      echo "wine: creating the prefix $WINEPREFIX (once)" >&2
      "$WINE" wineboot -i >/dev/null 2>&1 </dev/null
      # Without a window manager, every destroyed window would wait for one.
      "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
      wineserver -w
      touch "$WINEPREFIX/.balls-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
}
