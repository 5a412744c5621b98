# Window lookups and program ends for the end-to-end sessions under a virtual display. The
# sessions start it with -noreset: a program starting while the server resets
# after the last client left is refused.

# Prints the first window the xdotool search arguments find, waiting up to
# 20 s for it. A search that meets a window closing under it (a menu, a
# dialog) fails with BadWindow; that try is simply repeated.
wait_window() {
  local found
  for _ in $(seq 100); do
    found=$(xdotool search "$@" 2>/dev/null | head -1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.2
  done
  return 1
}

# Waits up to 5 s for the program started as job PID to end, and fails the
# session unless it ended with status 0.
wait_exit() {
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$1" 2>/dev/null && { echo "FAIL: the program did not exit"; kill "$1"; exit 1; }
  wait "$1" || { echo "FAIL: the program exited with $?"; exit 1; }
}

# Draws the context menu's first new symbol on the empty chart window WIN,
# dragged from 200,150 inside it, and leaves it the active block. The menu
# items down to "Новый символ" on an empty canvas with nothing to undo and
# an empty clipboard: Повторить символ, Линия, Последовательность линий.
draw_first_symbol() {
  local X Y WIDTH HEIGHT SCREEN WINDOW x0 y0
  xdotool windowfocus --sync "$1"
  eval "$(xdotool getwindowgeometry --shell "$1")"
  x0=$((X + 200)); y0=$((Y + 150))
  xdotool mousemove "$x0" "$y0" click 3
  sleep 1
  xdotool key --delay 50 Down Down Down Down Right Return
  sleep 0.3
  xdotool mousemove "$x0" "$y0" mousedown 1
  for step in 1 2 3 4 5; do xdotool mousemove $((x0 + step * 30)) $((y0 + step * 15)); sleep 0.05; done
  xdotool mouseup 1
  sleep 0.3
}
