#!/usr/bin/env bash
# The real editor under a virtual display: draw a line, give it a filled
# arrow head through Формат > Окончания линии with the keyboard, save, and
# read the line end back from the file.
set -u
q=${QUOBRIX_PROGRAM:?}
xlib="$(cd "$(dirname "$0")/../support" && pwd)/x_windows.sh"
source "$xlib"
need_tools xvfb-run xdotool xprop xwininfo
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

cat > "$dir/session.sh" <<'SESSION'
set -u
source "$XLIB"
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }
unset QT_QPA_PLATFORM
QUOBRIX_HOME="$DIR/home" "$Q" &
pid=$!
win=$(wait_window --name '^Без имени$') || fail "no chart window"
xdotool windowfocus --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"  # X, Y, WIDTH, HEIGHT
# The context menu's enabled items down to "Линия": Повторить символ, Линия
# (paste is disabled while the clipboard holds no fragment).
x0=$((X + 200)); y0=$((Y + 150))
xdotool mousemove "$x0" "$y0" click 3
wait_menus 1 || fail "no context menu"
xdotool key --delay 50 Down Down Return
wait_menus 0 || fail "the context menu stayed open"
drag "$x0" "$y0" $((x0 + 150)) $((y0 + 50))
wait_title "$win" '\*$' || fail "no line drawn"
# "Файл" of the chart window's menu bar sits right of its window icon; from
# there the arrow keys reach "Формат", its eighth item "Окончания линии" and
# the eleventh line end, the filled arrow at the end.
xdotool mousemove $((X + 56)) $((Y + 9)) click 1
wait_menus 1 || fail "no Файл menu"
xdotool key --delay 80 Right Right Right Down Down Down Down Down Down Down Right
wait_menus 2 || fail "no line end submenu"
xdotool key --delay 80 Down Down Down Down Down Down Down Down Down Down
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
xdotool key Return
wait_menus 0 || fail "the menus stayed open"
xdotool key ctrl+s
save_as "$DIR/line.qbs" || fail "nothing saved"
xdotool windowfocus --sync "$win" key alt+F4
wait_exit "$pid"
SESSION

XLIB="$xlib" DIR="$dir" Q="$q" timeout 90 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$dir/session.sh" || exit 1
file=$dir/line.qbs
block=$(tr -d '\r' < "$file" | sed -n '/^\[BLOCK DATA\]/,/^\[END\]/{p;/^\[END\]/q}')
fail() { echo "FAIL: $*"; tr -d '\r' < "$file"; exit 1; }
grep -qx 'BT=2' <<<"$block" || fail "no line block"
grep -qx 'LineArrows=10' <<<"$block" || fail "the line has no filled arrow at its end"
echo "1 passed, 0 failed"
