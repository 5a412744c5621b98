#!/usr/bin/env bash
# The real editor under a virtual display, its buttons found through the
# desktop's accessibility interface by their names: press "Прямоугольник" (rectangle) in the
# symbol palette, drag on the sheet, save and read the block back from the
# file; keep the rectangle in the user library, restart, find it there and
# drag it onto the new chart.
set -u
q=${QUOBRIX_PROGRAM:?}
py=/usr/bin/python3
support="$(cd "$(dirname "$0")/../support" && pwd)"
source "$support/x_windows.sh"
need_tools xvfb-run xdotool xprop xwininfo dbus-run-session "$py"
"$py" -c "import gi; gi.require_version('Atspi', '2.0')" 2>/dev/null ||
  { echo "FAIL: no AT-SPI for Python (scripts/setup.sh installs what these tests need)"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

cat > "$dir/session.sh" <<'SESSION'
set -u
source "$SUPPORT/x_windows.sh"
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }
at() { "$PY" "$SUPPORT/atspi.py" "$@"; }
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QUOBRIX_HOME="$DIR/home"

"$Q" &
pid=$!
win=$(wait_window --name '^Без имени$') || fail "no chart window"
xdotool windowfocus --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"  # X, Y, WIDTH, HEIGHT
at press "Прямоугольник" || fail "no rectangle button"
x0=$((X + 200)); y0=$((Y + 150))
drag "$x0" "$y0" $((x0 + 150)) $((y0 + 75))
wait_title "$win" '\*$' || fail "no rectangle drawn"
at press "Добавить" || fail "no add button"
at count 'Библиотека пользователя' 1 || fail "the rectangle is not in the user library"
xdotool windowfocus --sync "$win" key ctrl+s
save_as "$DIR/drawn.qbs" || fail "nothing saved"
[ -n "${SHOT:-}" ] && import -window root "$SHOT-1.png"
xdotool windowfocus --sync "$win" key alt+F4
wait_exit "$pid"

# The next run finds the rectangle in the user library and drags it onto its chart.
"$Q" &
pid=$!
win=$(wait_window --name '^Без имени$') || fail "no chart window after the restart"
at count 'Библиотека пользователя' 1 || fail "the user library came back empty"
read -r ix iy <<<"$(at centre 'Библиотека пользователя')"
eval "$(xdotool getwindowgeometry --shell "$win")"
drag "$ix" "$iy" $((X + 300)) $((Y + 300))
wait_title "$win" '\*$' || fail "nothing dropped on the chart"
[ -n "${SHOT:-}" ] && import -window root "$SHOT-2.png"
xdotool windowfocus --sync "$win" key ctrl+s
save_as "$DIR/dropped.qbs" || fail "the chart with the dropped rectangle was not saved"
xdotool windowfocus --sync "$win" key alt+F4
wait_exit "$pid"
SESSION

SUPPORT="$support" DIR="$dir" Q="$q" PY="$py" timeout 120 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" dbus-run-session -- bash "$dir/session.sh" 2>"$dir/stderr" ||
  { cat "$dir/stderr"; exit 1; }
block() { tr -d '\r' < "$1" | sed -n '/^\[BLOCK DATA\]/,/^\[END\]/{p;/^\[END\]/q}'; }
fail() { echo "FAIL: $*"; exit 1; }
drawn=$(block "$dir/drawn.qbs")
grep -qx 'BT=3' <<<"$drawn" || fail "no rectangle block: $drawn"
w=$(sed -n 's/^W=//p' <<<"$drawn"); h=$(sed -n 's/^H=//p' <<<"$drawn")
# Dragged 150 x 75 pixels at zoom 100: about 39.7 x 19.8 mm.
[ "$w" -gt 3500 ] && [ "$w" -lt 4500 ] && [ "$h" -gt 1500 ] && [ "$h" -lt 2500 ] || fail "size $w x $h"
dropped=$(block "$dir/dropped.qbs")
grep -qx 'BT=3' <<<"$dropped" || fail "the dragged fragment was not dropped: $dropped"
[ "$(sed -n 's/^W=//p' <<<"$dropped")" = "$w" ] || fail "the dropped rectangle changed its size"
echo "1 passed, 0 failed"
