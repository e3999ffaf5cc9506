#!/usr/bin/env bash
# on_display.sh BASIC_EXE BALLS_BAS: what the watcher sees while a program
# pauses. The X display itself is photographed (the window's own device
# context already holds every figure, shown or not):
#  - a circle drawn after a pause appears on the display while the program
#    sleeps on, and soon after it is drawn;
#  - examples/balls.bas, paused before its END, shows on the display exactly
#    what it shows after a PRINT has woken the window.
set -uo pipefail
source "$(dirname "$0")/../../../tools/wine-env.sh"
source "$(dirname "$0")/../../../tools/virtual-display.sh"
balls_wine_use "$(balls_pe_bits "$1")" || { echo "$BALLS_WINE_MISSING" >&2; exit 1; }
balls_binfmt_hold || { echo "$BALLS_WINE_MISSING" >&2; exit 1; }
balls_wine_prefix
balls_display_start >/dev/null
work=$(mktemp -d)
program_pid=
trap '[ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null; balls_display_stop; balls_binfmt_release; rm -rf "$work"' EXIT

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Starts basic.exe on the program and waits (up to a minute) for its window;
# sets program_pid and window_area (WxH+X+Y on the root window).
start_program() {
  (exec env LANG="$BALLS_WINE_LOCALE" LC_ALL="$BALLS_WINE_LOCALE" "$WINE" "$BASIC_EXE" "$1" </dev/null >/dev/null 2>&1) &
  program_pid=$!
  local tries info
  for tries in $(seq 600); do
    info=$(xwininfo -name "BASIC PROMPT" 2>/dev/null) && break
    sleep 0.1
  done
  [ -n "$info" ] || { echo "no BASIC PROMPT window appeared" >&2; exit 1; }
  window_area=$(awk '/Width:/ {w=$2} /Height:/ {h=$2} /Absolute upper-left X:/ {x=$4}
                     /Absolute upper-left Y:/ {y=$4} END {print w "x" h "+" x "+" y}' <<<"$info")
}
# basic.exe keeps its window after END until it is closed: ends it.
stop_program() {
  kill "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
  program_pid=
}

# The window's top left corner, or all of it with `whole`.
photograph() {
  local area=$window_area
  [ "${2:-}" = whole ] || area="420x420+${window_area#*+}"
  import -silent -window root -crop "$area" +repage "$1"
}
# Pixels that differ between two photographs.
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

BASIC_EXE=$1
status=0

# The circle (radius 100: about 31 000 pixels) is drawn a second after a
# PRINT (itself a second after the start, to be seen arriving), whose text reaches the display at once (the window thread shows
# it before PRINT returns): the display is photographed, as often as it can
# be, until it shows the circle, and the circle's lateness is measured from
# the text's arrival.
printf 'CLS: SLEEP 1000: PRINT "*": SLEEP 1000: CIRCLE (200, 200), 100, 2, , , , F: SLEEP 5000: END\n' >"$work/circle.bas"
start_program "$work/circle.bas"
appeared=$(now_ms)
photograph "$work/last.ppm"
text_at= circle_at=
while [ -z "$circle_at" ] && [ $(($(now_ms) - appeared)) -lt 7000 ]; do
  photograph "$work/now.ppm"
  changed=$(differing "$work/last.ppm" "$work/now.ppm")
  if [ "$changed" -gt 25000 ]; then
    circle_at=$(now_ms)
  elif [ "$changed" -gt 0 ]; then
    text_at=$(now_ms)  # the text, or the first paint before it
  fi
  mv "$work/now.ppm" "$work/last.ppm"
done
stop_program
if [ -z "$circle_at" ]; then
  echo "the circle never reached the display while the program slept" >&2
  status=1
elif [ -z "$text_at" ]; then
  echo "the display showed the circle but never the text before it" >&2
  status=1
else
  # Both times are those of photographs, each a fraction of a second apart.
  late=$((circle_at - text_at - 1000))
  echo "the circle reached the display about ${late} ms after it was drawn (give or take a photograph)"
  if [ "$late" -gt 400 ]; then
    echo "that is too late: want it within a photograph's time" >&2
    status=1
  fi
fi

# balls.bas with a pause before its END, and a PRINT (which wakes the
# window) between two photographs: nothing may change on the display.
sed 's/^END$/SLEEP 4000: PRINT: SLEEP 4000: END/' "$2" >"$work/paused.bas"
start_program "$work/paused.bas"
sleep 3
photograph "$work/paused.ppm" whole
sleep 2.5
photograph "$work/woken.ppm" whole
stop_program
changed=$(differing "$work/paused.ppm" "$work/woken.ppm")
if [ "$changed" != 0 ]; then
  echo "balls.bas paused: $changed pixels of its picture reached the display only when the window was woken" >&2
  status=1
else
  echo "balls.bas paused: its whole picture was on the display"
fi
exit $status
