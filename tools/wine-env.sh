# Sourced by the wine scripts: the project's own wine prefix, inside the
# build tree of the win64 configuration, created once and quietly.
BALLS_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${BALLS_WINEPREFIX:-$BALLS_ROOT/build/win64/wineprefix}
export WINEDEBUG=-all
# No .NET or HTML engine: nothing here needs them, and wine would offer to
# download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# A Japanese system, the program's own: code page 932 with its double-byte
# characters (wine needs no generated Linux locale for this).
BALLS_WINE_LOCALE=${BALLS_WINE_LOCALE:-ja_JP.UTF-8}
WINE=$(command -v wine || echo /usr/lib/wine/wine64)

balls_wine() { env LANG="$BALLS_WINE_LOCALE" LC_ALL="$BALLS_WINE_LOCALE" "$WINE" "$@"; }

# Keeps one wine session alive until balls_wine_session_stop: the server and
# wine's own background processes, started with their streams on /dev/null
# so that they never hold a caller's pipes open.
balls_wine_session_start() {
  balls_wine_prefix
  wineserver -p </dev/null >/dev/null 2>&1
  balls_wine cmd /c exit </dev/null >/dev/null 2>&1
}
balls_wine_session_stop() { wineserver -k 2>/dev/null; return 0; }

balls_wine_prefix() {
  [ -f "$WINEPREFIX/.balls-ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.balls-ready" ]; then
      echo "wine: creating the prefix $WINEPREFIX (once)" >&2
      balls_wine wineboot -i >/dev/null 2>&1 </dev/null
      # Without a window manager, every destroyed window would wait for one.
      balls_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
      wineserver -w
      touch "$WINEPREFIX/.balls-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
}
