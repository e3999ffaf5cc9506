#!/usr/bin/env bash
# on_display.sh BASIC_EXE BALLS_BAS: what is drawn reaches the X display while
# the program pauses. The display itself is photographed: the window's own
# device context holds every figure, shown or not.
set -uo pipefail
source "$(dirname "$0")/../../../tools/wine-env.sh"
source "$(dirname "$0")/../../../tools/virtual-display.sh"
balls_wine_use "$(balls_pe_bits "$1")" && balls_binfmt_hold || { echo "$BALLS_WINE_MISSING" >&2; exit 1; }
balls_wine_prefix
balls_display_start >/dev/null
# A wine server left running in this slot keeps the display it started
# with, and would put the window there: this test's server starts afresh.
balls_wine_session_stop && "$WINESERVER" -w </dev/null >/dev/null 2>&1
work=$(mktemp -d) pid=
trap '[ -z "$pid" ] || kill $pid; balls_wine_session_stop; balls_display_stop; balls_binfmt_release; rm -rf "$work"' EXIT
now_ms() { echo $(($(date +%s%N) / 1000000)); }
fail() { echo "$*" >&2; exit 1; }

# basic.exe on a program, until its window (WxH+X+Y on the root) is there.
start() {
  (exec env LANG="$BALLS_WINE_LOCALE" LC_ALL="$BALLS_WINE_LOCALE" "$WINE" "$1" "$2" </dev/null >/dev/null 2>&1) &
  pid=$! info=
  for _ in $(seq 1200); do info=$(xwininfo -name "BASIC PROMPT" 2>/dev/null) && break || sleep 0.1; done
  [ -n "$info" ] || fail "no BASIC PROMPT window appeared"
  area=$(awk '/Width:/ {w=$2} /Height:/ {h=$2} /Absolute upper-left X:/ {x=$4}
              /Absolute upper-left Y:/ {y=$4} END {print w "x" h "+" x "+" y}' <<<"$info")
}
# basic.exe keeps its window after END until it is closed.
stop() { kill $pid; wait $pid 2>/dev/null; pid=; }
# The window's top left corner, or all of it with `whole`.
photograph() { import -silent -window root -crop "$([ $# -gt 1 ] && echo "$area" || echo "420x420+${area#*+}")" +repage "$1"; }
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

# The circle (about 31 000 pixels) comes a second after a PRINT, whose text
# is shown before PRINT returns; the display is photographed as often as it
# can be until it shows the circle.
echo 'CLS: SLEEP 1: PRINT "*": SLEEP 1: CIRCLE (200, 200), 100, 2, , , , F: SLEEP 5: END' >"$work/circle.bas"
start "$1" "$work/circle.bas"
appeared=$(now_ms) text_at= circle_at= longest=0
photograph "$work/last.ppm"
while [ -z "$circle_at" ] && [ $(($(now_ms) - appeared)) -lt 7000 ]; do
  taken=$(now_ms)
  photograph "$work/now.ppm"
  longest=$(( $(now_ms) - taken > longest ? $(now_ms) - taken : longest ))
  changed=$(differing "$work/last.ppm" "$work/now.ppm")
  [ "$changed" -gt 25000 ] && circle_at=$(now_ms)
  [ "$changed" -gt 0 ] && [ -z "$circle_at" ] && text_at=$(now_ms)
  mv "$work/now.ppm" "$work/last.ppm"
done
stop
[ -n "$circle_at" ] || fail "the circle never reached the display while the program slept"
[ -n "$text_at" ] || fail "the display showed the circle but never the text before it"
late=$((circle_at - text_at - 1000))
echo "the circle reached the display about $late ms after it was drawn (give or take a photograph: at most $longest ms here)"
# Each time is a photograph's end, so each may be late by one photograph;
# on a busy machine a photograph alone takes hundreds of milliseconds.
[ "$late" -le $((400 + longest)) ] || fail "too late: want it within a photograph's time"

# balls.bas paused before its END shows what it shows once a PRINT has woken
# the window.
sed 's/^END$/SLEEP 4: PRINT: SLEEP 4: END/' "$2" >"$work/paused.bas"
start "$1" "$work/paused.bas"
sleep 3
photograph "$work/paused.ppm" whole
sleep 2.5
photograph "$work/woken.ppm" whole
stop
changed=$(differing "$work/paused.ppm" "$work/woken.ppm")
[ "$changed" = 0 ] || fail "balls.bas paused: $changed pixels reached the display only when the window was woken"
echo "balls.bas paused: its whole picture was on the display"
