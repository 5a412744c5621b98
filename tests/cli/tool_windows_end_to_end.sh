#!/usr/bin/env bash
# The editor under a real window manager (openbox on a virtual display): the
# start-up chart window leaves the inspector's place free, the tool windows
# stay above a new chart window, F11 raises the property
# inspector when another tool window covers it, and the next F11 hides it.
set -u
q=${QUOBRIX_PROGRAM:?}
for tool in xvfb-run xdotool xprop openbox; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 0; }
done
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

cat > "$dir/session.sh" <<'SESSION'
set -u
source "$XLIB"
fail() { echo "FAIL: $*"; echo "stacking, bottom up:"; stacking; kill "$pid" "$wm" 2>/dev/null; exit 1; }
# Repeats the command until it succeeds, for up to 20 s.
eventually() {
  for _ in $(seq 100); do "$@" && return 0; sleep 0.2; done
  return 1
}
# The titles of the shown windows as the window manager stacks them, bottom up.
stacking() {
  local w
  for w in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^.*# //; s/,//g'); do
    xprop -id "$w" _NET_WM_NAME | sed -n 's/^.* = "\(.*\)"$/\1/p'
  done
}
place() { stacking | grep -nx -- "$1" | cut -d: -f1; }
shown() { [ -n "$(place "$1")" ]; }
hidden() { [ -z "$(place "$1")" ]; }
above() {
  local upper lower
  upper=$(place "$1"); lower=$(place "$2")
  [ -n "$upper" ] && [ -n "$lower" ] && [ "$upper" -gt "$lower" ]
}
unset QT_QPA_PLATFORM
export QUOBRIX_HOME="$DIR/home"

openbox --sm-disable 2>/dev/null &
wm=$!
managing() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
eventually managing || { echo "FAIL: openbox did not start"; exit 1; }
"$Q" &
pid=$!
first=$(wait_window --name '^Без имени$') || fail "no chart window"
inspector='Редактор свойств' palette='Библиотека символов' userlib='Библиотека пользователя'
xdotool windowfocus --sync "$first" key F11
eventually shown "$inspector" || fail "F11 did not show the inspector"
# The start-up chart window's frame, right border included, ends where the
# inspector's begins.
frame_extent() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/^.* = //p' | cut -d, -f"$2" | tr -d ' '; }
ins=$(wait_window --name "^$inspector\$") || fail "no inspector window"
eval "$(xdotool getwindowgeometry --shell "$first")"
chart_right=$((X + WIDTH + $(frame_extent "$first" 2)))
eval "$(xdotool getwindowgeometry --shell "$ins")"
((chart_right <= X - $(frame_extent "$ins" 1))) || fail "the chart window's right edge $chart_right lies under the inspector at $X"

xdotool windowfocus --sync "$first" key ctrl+n
second=$(wait_window --name '^Без имени 2$') || fail "no second chart window"
for tool in "$inspector" "$palette" "$userlib"; do
  eventually above "$tool" 'Без имени 2' || fail "\"$tool\" fell behind the new chart window"
done

# The user library dragged onto the inspector and used there lies on top of it.
ins=$(wait_window --name "^$inspector\$") && lib=$(wait_window --name "^$userlib\$") || fail "no tool windows"
eval "$(xdotool getwindowgeometry --shell "$ins")"
xdotool windowmove --sync "$lib" "$X" "$Y" windowactivate --sync "$lib"
eventually above "$userlib" "$inspector" || fail "the user library did not come up over the inspector"
xdotool windowfocus --sync "$second" key F11
eventually above "$inspector" "$userlib" || fail "F11 did not raise the covered inspector"
xdotool windowfocus --sync "$second" key F11
eventually hidden "$inspector" || fail "the second F11 did not hide the inspector"
shown "$userlib" && shown "$palette" || fail "a tool window went with the inspector"

kill "$pid"
wait_exit "$pid"
kill "$wm"
SESSION

XLIB="$(cd "$(dirname "$0")/../support" && pwd)/x_windows.sh" DIR="$dir" Q="$q" timeout 120 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$dir/session.sh" 2>"$dir/stderr" ||
  { cat "$dir/stderr"; exit 1; }
echo "1 passed, 0 failed"
