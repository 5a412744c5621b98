# Waiting on the display for the end-to-end sessions under a virtual display.
# Every step waits for what the program shows when it has done the last one
# (a window, a menu, the keyboard focus, a title, a file, its end), never for
# a fixed time. The sessions start the display with -noreset: a program
# starting while the server resets after the last client left is refused.

# Fails the test unless every program named is installed: a session that
# cannot run is a failure, not a pass.
need_tools() {
  local tool missing=()
  for tool in "$@"; do command -v "$tool" >/dev/null || missing+=("$tool"); done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "FAIL: ${missing[*]} not installed (scripts/setup.sh installs what these tests need)"
  exit 1
}

# wait_until SECONDS COMMAND [ARGUMENT...]: runs the command until it
# succeeds. After SECONDS in vain it names what it waited for on stderr and
# fails.
wait_until() {
  local seconds=$1
  shift
  local deadline=$((${EPOCHREALTIME//[^0-9]/} + seconds * 1000000))
  until "$@"; do
    if ((${EPOCHREALTIME//[^0-9]/} >= deadline)); then
      echo "waited $seconds s in vain for: $*" >&2
      return 1
    fi
    sleep 0.1
  done
}

# A search that meets a window closing under it (a menu, a dialog) fails with
# BadWindow; the next try simply repeats it.
first_window() {
  found=$(xdotool search "$@" 2>/dev/null | head -1)
  [ -n "$found" ]
}

# Prints the first window the xdotool search arguments find, waiting up to
# 20 s for it.
wait_window() {
  local found
  wait_until 20 first_window "$@" && echo "$found"
}

window_hidden() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# Waits up to 20 s until window WIN is closed or hidden.
wait_window_gone() { wait_until 20 window_hidden "$1"; }

title_matches() { xdotool getwindowname "$1" 2>/dev/null | grep -Eq "$2"; }

# Waits up to 20 s for the title of window WIN to match the extended regular
# expression: a chart changed carries the modified mark, "Untitled*".
wait_title() { wait_until 20 title_matches "$1" "$2"; }

has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# Waits until the window (a dialog just shown) holds the keyboard focus, so
# that what is typed next reaches it.
wait_focus() { wait_until 20 has_focus "$1"; }

# The number of menus and list pop-ups open on the display: the windows
# shown past the window manager, tool tips aside.
open_menus() {
  local window count=0
  for window in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    xwininfo -all -id "$window" 2>/dev/null | grep -q 'Override Redirect State: yes' &&
      ! xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _TOOLTIP && count=$((count + 1))
  done
  echo "$count"
}

menus_open() { [ "$(open_menus)" = "$1" ]; }

# Waits up to 20 s until N menus are open: 1 once a click opened a menu, 2
# once a key opened its submenu, 0 once a chosen item closed them.
wait_menus() { wait_until 20 menus_open "$1"; }

process_ended() { ! kill -0 "$1" 2>/dev/null; }

# Waits up to 20 s for the program started as job PID to end, and fails the
# session unless it ended with status 0.
wait_exit() {
  wait_until 20 process_ended "$1" || { echo "FAIL: the program did not exit"; kill "$1"; exit 1; }
  wait "$1" || { echo "FAIL: the program exited with $?"; exit 1; }
}

# Answers the save dialog just asked for (Qt's own, in the interface
# language) with PATH, and waits up to 20 s for the file.
save_as() {
  local dialog
  dialog=$(wait_window --onlyvisible --name '^Сохранить как$') && wait_focus "$dialog" || return 1
  xdotool type --delay 10 "$1"
  xdotool key Return
  wait_until 20 test -s "$1"
}

# Drags with the left button from x y to x y in six steps.
drag() {
  local step
  xdotool mousemove "$1" "$2" mousedown 1
  for step in 1 2 3 4 5 6; do
    xdotool mousemove $(($1 + ($3 - $1) * step / 6)) $(($2 + ($4 - $2) * step / 6))
  done
  xdotool mouseup 1
}

# Draws the context menu's first new symbol on the empty chart window WIN,
# dragged from 200,150 inside it 150 x 75 pixels, and leaves it the active
# block. The menu items down to "Новый символ" on an empty canvas with
# nothing to undo and an empty clipboard: Повторить символ, Линия,
# Последовательность линий.
draw_first_symbol() {
  local X Y WIDTH HEIGHT SCREEN WINDOW x0 y0
  xdotool windowfocus --sync "$1"
  eval "$(xdotool getwindowgeometry --shell "$1")"
  x0=$((X + 200)); y0=$((Y + 150))
  xdotool mousemove "$x0" "$y0" click 3
  wait_menus 1 || return 1
  xdotool key --delay 50 Down Down Down Down Right Return
  wait_menus 0 || return 1
  drag "$x0" "$y0" $((x0 + 150)) $((y0 + 75))
  wait_title "$1" '\*$'
}
