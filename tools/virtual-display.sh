# Sourced: balls_display_start gives this shell a display, starting one Xvfb
# when none is set; balls_display_stop stops what was started.
BALLS_XVFB_PID=
balls_display_start() {
  [ -n "${DISPLAY:-}" ] && return 0
  local fifo number
  fifo=$(mktemp -u) && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  BALLS_XVFB_PID=$!
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
  echo "display: no DISPLAY set, using a virtual one (Xvfb $DISPLAY, 1280x1024)"
}
balls_display_stop() {
  [ -n "$BALLS_XVFB_PID" ] && kill "$BALLS_XVFB_PID" 2>/dev/null && wait "$BALLS_XVFB_PID" 2>/dev/null
  BALLS_XVFB_PID=
  return 0
}
