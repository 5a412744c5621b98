# Window lookups for the end-to-end sessions under a virtual display. The
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
