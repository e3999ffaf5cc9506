#!/usr/bin/env bash
# ime_typing.sh PROMPT_ECHO_EXE: Japanese typed through a real X input
# method into a real window. On a display of its own, uim's XIM server with
# the anthy engine takes the keys that xdotool types into prompt-echo:
# "nihongo" must show as its kana at the caret, underlined, while it is
# composed; Space converts it; Enter commits it, and the line then shows the
# same characters as typed text, with nothing of the composition left.
# The window is photographed at each step (kept in the build tree beside
# this test's output). Without uim, anthy, xdotool or the ja_JP.UTF-8
# locale the test is skipped (exit code 77).
set -uo pipefail
exe=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/wine-env.sh"
source "$here/../../tools/virtual-display.sh"

skip() { echo "skipped: $*"; exit 77; }
command -v uim-xim >/dev/null || skip "no uim-xim (tools/setup.sh installs it)"
[ -f /usr/share/uim/anthy.scm ] || skip "no uim-anthy"
command -v xdotool >/dev/null || skip "no xdotool"
command -v xprop >/dev/null || skip "no xprop"
locale -a 2>/dev/null | grep -qix 'ja_JP.utf8' || skip "the ja_JP.UTF-8 locale is not generated"

balls_wine_use "$(balls_pe_bits "$exe")" || skip "$BALLS_WINE_MISSING"
balls_binfmt_hold || skip "$BALLS_WINE_MISSING"
balls_wine_prefix || { echo "no wine prefix" >&2; exit 1; }
photos=${BALLS_IME_PHOTOS:-$(dirname "$exe")/ime_typing}
mkdir -p "$photos"

# A display, a wine session and an input method server of the test's own:
# the input method takes every key typed on its display.
ime_prefix=$WINEPREFIX-ime
[ -d "$ime_prefix" ] || cp -al "$WINEPREFIX" "$ime_prefix"
export WINEPREFIX=$ime_prefix
balls_display_new
export DISPLAY=$BALLS_DISPLAY_NEW
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 XMODIFIERS=@im=uim
pids=()
finish() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  "$WINESERVER" -k 2>/dev/null
  balls_display_stop
  balls_binfmt_release
}
trap finish EXIT

uim-xim --engine=anthy >"$photos/uim-xim.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
  xprop -root XIM_SERVERS 2>/dev/null | grep -q '@server=uim' && break
  sleep 0.2
done
xprop -root XIM_SERVERS | grep -q '@server=uim' || { echo "uim-xim did not start" >&2; exit 1; }

"$WINE" "$exe" >/dev/null 2>&1 &
pids+=($!)
window=
for _ in $(seq 120); do
  window=$(xdotool search --name '^BASIC PROMPT$' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.5
done
[ -n "$window" ] || { echo "prompt-echo showed no window" >&2; exit 1; }

photo() { import -window "$window" "$photos/$1.png"; }
# The box around every pixel that differs between two photographs: WxH+X+Y.
changed_box() {
  convert "$photos/$1.png" "$photos/$2.png" -compose difference -composite -threshold 0 -format '%@' info:
}
# How many pixels of a box of a photograph are white.
white_count() {
  convert "$photos/$1.png" -crop "$2" +repage -colorspace gray -threshold 99% -format '%[fx:round(mean*w*h)]' info:
}
# The composition's underline along the bottom line of what changed: white
# but for the caret, which may stand beside it, never on it.
underlined() { [ "$(white_count "$1" "$2")" -ge "$3" ]; }
# Photographs the window until it shows something new after a key (up to
# 20 s), and once more half a second later; box is what changed.
await_change() {
  local since=$1 name=$2
  for _ in $(seq 40); do
    sleep 0.5
    photo "$name"
    box=$(changed_box "$since" "$name")
    [ "${box%%x*}" != 0 ] && sleep 0.5 && photo "$name" && box=$(changed_box "$since" "$name") && return 0
  done
  echo "the window did not change after $name" >&2
  exit 1
}
read_box() {  # sets W H X Y from WxH+X+Y
  IFS='x+' read -r W H X Y <<<"$1"
}

sleep 2  # the prompt drawn and INPUT waiting
xdotool windowfocus --sync "$window"
photo before
xdotool key shift+space  # the input method on
sleep 1
photo ready
xdotool type --delay 150 nihongo
await_change ready composing
read_box "$box"
echo "composing: changed $box"
[ "$H" -le 24 ] || { echo "the composition should stay in one row: changed $box" >&2; exit 1; }
# Four kana: at least 8 cells of at least 4 pixels.
underlined composing "${W}x1+$X+$((Y + H - 1))" 32 ||
  { echo "no underline along the bottom of the composition ($box)" >&2; exit 1; }

xdotool key space
await_change composing converted
read_box "$(changed_box ready converted)"
echo "converted: changed ${W}x$H+$X+$Y"
underline="${W}x1+$X+$((Y + H - 1))"
underlined converted "$underline" 24 || { echo "the converted text is not underlined" >&2; exit 1; }

xdotool key Return
await_change converted committed
underlined committed "$underline" 12 && { echo "the underline stayed after Enter" >&2; exit 1; }
# Above the caret's lines, the committed text is drawn as the composition was.
glyphs="${W}x$((H - 8))+$X+$Y"
convert "$photos/converted.png" -crop "$glyphs" +repage "$photos/converted-glyphs.png"
convert "$photos/committed.png" -crop "$glyphs" +repage "$photos/committed-glyphs.png"
same=$(compare -metric AE "$photos/converted-glyphs.png" "$photos/committed-glyphs.png" null: 2>&1)
[ "$same" = 0 ] || { echo "the committed text differs from the converted composition in $same pixels" >&2; exit 1; }

# A composition taken back with Escape leaves at most the caret's blinking.
underline_y=$((Y + H - 1))
xdotool type a
await_change committed composing-again
xdotool key Escape
sleep 1.5
photo cancelled
read_box "$(changed_box committed cancelled)"
if [ "$W" != 0 ] && [ $((Y + H - 1)) -ge "$underline_y" ]; then
  echo "something of the cancelled composition stayed: changed ${W}x$H+$X+$Y" >&2
  exit 1
fi

xdotool key Return  # the line ends
sleep 2
xdotool key Return  # an empty line ends prompt-echo
for _ in $(seq 40); do
  kill -0 "${pids[1]}" 2>/dev/null || break
  sleep 0.5
done
kill -0 "${pids[1]}" 2>/dev/null && { echo "prompt-echo did not end" >&2; exit 1; }
echo "typed through uim and anthy: composed, converted and committed at the caret (photos in $photos)"
