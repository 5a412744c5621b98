#!/usr/bin/env bash
# The real editor under a virtual display, started with a picture given by
# mistake: it says the file is not a chart, opens no window for it and leaves
# the picture as it was. Started with the toolkit's own options and a
# relative path, it takes the options, opens the chart and keeps its full
# path.
set -u
q=${QUOBRIX_PROGRAM:?}
xlib="$(cd "$(dirname "$0")/../support" && pwd)/x_windows.sh"
source "$xlib"
need_tools xvfb-run xdotool xprop xwininfo
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/charts" "$dir/elsewhere"
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\1\0\0\0\1\10\2\0\0\0' > "$dir/photo.png"
cp "$dir/photo.png" "$dir/photo.orig"
"$q" --convert "${QUOBRIX_SOURCE_DIR:?}/Templates/Цикл.qbs" "$dir/charts/loop.qbs" || { echo "FAIL: no chart to open"; exit 1; }

cat > "$dir/session.sh" <<'SESSION'
set -u
source "$XLIB"
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }
quit() {  # "Выход" (Alt+F4) in the given window; nothing is modified, so nothing is asked
  xdotool windowfocus --sync "$1" key alt+F4
  wait_exit "$pid"
}
unset QT_QPA_PLATFORM
cd "$DIR"
QUOBRIX_HOME="$DIR/home" "$Q" photo.png &
pid=$!
box=$(wait_window --onlyvisible --name '^Quobrix$') || fail "no message"
wait_focus "$box" || fail "the message has no focus"
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
xdotool windowfocus --sync "$box" key Return
main=$(wait_window --onlyvisible --name 'Quobrix 1\.50$') || fail "no main window"
xdotool search --name 'photo' >/dev/null && fail "a window was opened for the picture"
# Saving with no chart open does nothing: "Выход" then ends the program.
xdotool windowfocus --sync "$main" key ctrl+s
quit "$main"

cd "$DIR/elsewhere"
QUOBRIX_HOME="$DIR/home" "$Q" -style Windows ../charts/loop.qbs &
pid=$!
chart=$(wait_window --onlyvisible --name '^Quobrix - \[ loop\.qbs \]$') ||
  fail "the chart did not open"
xdotool search --onlyvisible --name '^Quobrix$' >/dev/null && fail "an error was shown"
quit "$chart"
SESSION

XLIB="$xlib" DIR="$dir" Q="$q" timeout 90 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$dir/session.sh" || exit 1
cmp -s "$dir/photo.png" "$dir/photo.orig" || { echo "FAIL: the picture was changed"; exit 1; }
# The recent-files list keeps the chart's full path, not the one typed.
iconv -f cp1251 -t utf-8 "$dir/home/quobrix.ini" | tr -d '\r' | grep -qx "Recent0=$dir/charts/loop.qbs" ||
  { echo "FAIL: the recent files hold no full path"; cat "$dir/home/quobrix.ini"; exit 1; }
echo "1 passed, 0 failed"
