# Sourced: balls_display_start gives this shell a display, starting one Xvfb
# when none is set; balls_display_new starts one more, for a wine slot of its
# own; balls_display_stop stops every one that was started.
BALLS_XVFB_PIDS=()
# balls_display_new: starts an Xvfb; BALLS_DISPLAY_NEW names it.
balls_display_new() {
  local fifo number
  fifo=$(mktemp -u) && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  BALLS_XVFB_PIDS+=($!)
  read -r number <"$fifo"
  rm -f "$fifo"
  BALLS_DISPLAY_NEW=":$number"
}
balls_display_start() {
  [ -n "${DISPLAY:-}" ] && return 0
  balls_display_new
  export DISPLAY=$BALLS_DISPLAY_NEW
  echo "display: no DISPLAY set, using a virtual one (Xvfb $DISPLAY, 1280x1024)"
}
balls_display_started() { [ ${#BALLS_XVFB_PIDS[@]} -gt 0 ]; }
balls_display_stop() {
  local pid
  for pid in "${BALLS_XVFB_PIDS[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  BALLS_XVFB_PIDS=()
  return 0
}
