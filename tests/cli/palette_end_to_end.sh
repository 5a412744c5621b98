#!/usr/bin/env bash
# The real editor under a virtual display, its buttons found through the
# desktop's accessibility interface by their names: press "Rectangle" in the
# symbol palette, drag on the sheet, save and read the block back from the
# file; keep the rectangle in the user library, restart, find it there and
# drag it onto the new chart.
set -u
q=${QUOBRIX_PROGRAM:?}
py=/usr/bin/python3
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null && command -v dbus-run-session >/dev/null &&
  "$py" -c "import gi; gi.require_version('Atspi', '2.0')" 2>/dev/null ||
  { echo "SKIP: no xvfb-run, xdotool, dbus-run-session or AT-SPI for Python"; exit 0; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# press NAME | count NAME [N] | centre NAME: the first push button of that name
# in the program's accessible tree, the number of items of a list (waiting for
# N), the centre of a list's first item.
cat > "$dir/atspi.py" <<'PY'
import sys, time
import gi
gi.require_version('Atspi', '2.0')
from gi.repository import Atspi, GLib

def nodes(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from nodes(child)

def find(role, name):
    for _ in range(80):
        try:
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                for node in nodes(desktop.get_child_at_index(i)):
                    if node.get_role_name() == role and node.get_name() == name:
                        return node
        except GLib.Error:
            pass  # a window closed while the tree was walked: walk it again
        time.sleep(0.25)
    sys.exit(f"no {role} named {name!r}")

verb, name = sys.argv[1], sys.argv[2]
if verb == 'press':
    button = find('push button', name)
    button.do_action(0)
elif verb == 'count':  # waits up to 20 s for the number given after the name
    want = int(sys.argv[3]) if len(sys.argv) > 3 else None
    for _ in range(80):
        count = find('list', name).get_child_count()
        if count == want or want is None:
            break
        time.sleep(0.25)
    print(count)
elif verb == 'centre':
    extents = find('list', name).get_child_at_index(0).get_extents(Atspi.CoordType.SCREEN)
    print(extents.x + extents.width // 2, extents.y + extents.height // 2)
PY

cat > "$dir/session.sh" <<'SESSION'
set -u
source "$XLIB"
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }
at() { "$PY" "$DIR/atspi.py" "$@"; }
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QUOBRIX_HOME="$DIR/home"
drag() {  # from x y to x y, in steps
  xdotool mousemove "$1" "$2" mousedown 1
  for step in 1 2 3 4 5 6; do
    xdotool mousemove $(($1 + ($3 - $1) * step / 6)) $(($2 + ($4 - $2) * step / 6)); sleep 0.1
  done
  xdotool mouseup 1
  sleep 0.5
}

"$Q" &
pid=$!
win=$(wait_window --name '^Untitled$') || fail "no chart window"
xdotool windowfocus --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"  # X, Y, WIDTH, HEIGHT
at press Rectangle || fail "no Rectangle button"
sleep 0.3
x0=$((X + 200)); y0=$((Y + 150))
drag "$x0" "$y0" $((x0 + 150)) $((y0 + 75))
at press "Добавить" || fail "no add button"
sleep 0.3
[ "$(at count 'Библиотека пользователя' 1)" = 1 ] || fail "the rectangle is not in the user library"
xdotool windowfocus --sync "$win" key ctrl+s
wait_window --onlyvisible --name '^(Save As|Сохранить как)$' >/dev/null || fail "no save dialog"
sleep 0.3
xdotool type --delay 10 "$DIR/drawn.qbs"
xdotool key Return
for i in $(seq 50); do [ -s "$DIR/drawn.qbs" ] && break; sleep 0.1; done
[ -n "${SHOT:-}" ] && import -window root "$SHOT-1.png"
[ -s "$DIR/drawn.qbs" ] || fail "nothing saved"
xdotool windowfocus --sync "$win" key alt+F4
wait_exit "$pid"

# The next run finds the rectangle in the user library and drags it onto its chart.
"$Q" &
pid=$!
win=$(wait_window --name '^Untitled$') || fail "no chart window after the restart"
[ "$(at count 'Библиотека пользователя' 1)" = 1 ] || fail "the user library came back empty"
read -r ix iy <<<"$(at centre 'Библиотека пользователя')"
eval "$(xdotool getwindowgeometry --shell "$win")"
drag "$ix" "$iy" $((X + 300)) $((Y + 300))
[ -n "${SHOT:-}" ] && import -window root "$SHOT-2.png"
xdotool windowfocus --sync "$win" key ctrl+s
wait_window --onlyvisible --name '^(Save As|Сохранить как)$' >/dev/null || fail "no save dialog after the drag"
sleep 0.3
xdotool type --delay 10 "$DIR/dropped.qbs"
xdotool key Return
for i in $(seq 50); do [ -s "$DIR/dropped.qbs" ] && break; sleep 0.1; done
xdotool windowfocus --sync "$win" key alt+F4
wait_exit "$pid"
SESSION

XLIB="$(cd "$(dirname "$0")/../support" && pwd)/x_windows.sh" DIR="$dir" Q="$q" PY="$py" timeout 120 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" dbus-run-session -- bash "$dir/session.sh" 2>"$dir/stderr" ||
  { cat "$dir/stderr"; exit 1; }
block() { tr -d '\r' < "$1" | sed -n '/^\[BLOCK DATA\]/,/^\[END\]/{p;/^\[END\]/q}'; }
fail() { echo "FAIL: $*"; exit 1; }
drawn=$(block "$dir/drawn.qbs")
grep -qx 'BT=3' <<<"$drawn" || fail "no rectangle block: $drawn"
w=$(sed -n 's/^W=//p' <<<"$drawn"); h=$(sed -n 's/^H=//p' <<<"$drawn")
# Dragged 150 x 75 pixels at zoom 100: about 39.7 x 19.8 mm.
[ "$w" -gt 3500 ] && [ "$w" -lt 4500 ] && [ "$h" -gt 1500 ] && [ "$h" -lt 2500 ] || fail "size $w x $h"
[ -s "$dir/dropped.qbs" ] || fail "the chart with the dropped rectangle was not saved"
dropped=$(block "$dir/dropped.qbs")
grep -qx 'BT=3' <<<"$dropped" || fail "the dragged fragment was not dropped: $dropped"
[ "$(sed -n 's/^W=//p' <<<"$dropped")" = "$w" ] || fail "the dropped rectangle changed its size"
echo "1 passed, 0 failed"
