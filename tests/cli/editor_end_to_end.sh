#!/usr/bin/env bash
# The real editor under a virtual display: draw a rectangle from the context
# menu with real mouse events, type its text, copy and paste it through the
# desktop's clipboard, save with Ctrl+S and read the blocks back from the file.
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
draw_first_symbol "$win" || fail "no rectangle drawn"
xdotool type --delay 30 "Hello"
xdotool key ctrl+c ctrl+v ctrl+s
save_as "$DIR/drawn.qbs" || fail "nothing saved"
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
# "Выход" of the chart window ends the program: the saved chart asks nothing.
xdotool windowfocus --sync "$win" key alt+F4
wait_exit "$pid"
SESSION

XLIB="$xlib" DIR="$dir" Q="$q" timeout 90 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$dir/session.sh" || exit 1
file=$dir/drawn.qbs
block=$(tr -d '\r' < "$file" | sed -n '/^\[BLOCK DATA\]/,/^\[END\]/{p;/^\[END\]/q}')
fail() { echo "FAIL: $*"; tr -d '\r' < "$file"; exit 1; }
[ "$(tr -d '\r' < "$file" | grep -c '^Text=Hello$')" -eq 2 ] || fail "the copy was not pasted"
grep -qx 'BT=3' <<<"$block" || fail "no rectangle block"
grep -qx 'Text=Hello' <<<"$block" || fail "the typed text is missing"
w=$(sed -n 's/^W=//p' <<<"$block"); h=$(sed -n 's/^H=//p' <<<"$block")
# Dragged 150 x 75 pixels at zoom 100: about 39.7 x 19.8 mm.
[ "$w" -gt 3500 ] && [ "$w" -lt 4500 ] && [ "$h" -gt 1500 ] && [ "$h" -lt 2500 ] || fail "size $w x $h"
echo "1 passed, 0 failed"
