#!/usr/bin/env bash
# The real editor under a virtual display, started twice with one settings
# folder: the first run opens a chart, moves and resizes its window, switches
# the language from Russian to English in the settings dialog, looks at the
# about window and quits through the menu; the second run must start in
# English with the chart window placed as it was and the chart in the
# recent-files list. Applied options reach the settings file at once.
set -u
q=${QUOBRIX_PROGRAM:?}
src=${QUOBRIX_SOURCE_DIR:?}
xlib="$(cd "$(dirname "$0")/../support" && pwd)/x_windows.sh"
source "$xlib"
need_tools xvfb-run xdotool xprop xwininfo
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$(ls "$src"/Templates/*.qbs | head -1)" "$dir/plan.qbs"

cat > "$dir/session.sh" <<'SESSION'
set -u
source "$XLIB"
fail() { echo "FAIL: $*"; [ -n "${SHOT:-}" ] && import -window root "$SHOT"; kill "$pid" 2>/dev/null; exit 1; }
ini() { iconv -f cp1251 -t utf-8 "$DIR/home/quobrix.ini" | tr -d '\r' | grep -x "$1" >/dev/null; }
placed_at() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  [ "$X,$Y,$WIDTH,$HEIGHT" = "$2" ]
}
unset QT_QPA_PLATFORM
export QUOBRIX_HOME="$DIR/home"
# Opens the main window's first menu and picks an item counted from the end
# of that menu (Up) or of the last menu (Left, then Up).
main_menu() {
  xdotool mousemove 20 10 click 1
  wait_menus 1 || fail "no menu of the main window"
  xdotool key --delay 100 "$@" Return
}
quit_and_wait() {
  main_menu Up
  wait_exit "$pid"
}

# ----- first run: Russian, as the desktop speaks it
"$Q" &
pid=$!
untitled=$(wait_window --name '^Без имени$') || fail "no chart window"
ini 'Language=Русский' || fail "the first start did not write the desktop's language"
xdotool windowfocus --sync "$untitled" key ctrl+o
open=$(wait_window --onlyvisible --name '^Открытие схемы$') || fail "no open dialog"
wait_focus "$open" || fail "the open dialog has no focus"
xdotool type --delay 10 "$DIR/plan.qbs"
xdotool key Return
plan=$(wait_window --name '^Quobrix - \[ plan\.qbs \]$') || fail "the chart did not open"
xdotool windowmove --sync "$plan" 150 120 windowsize --sync "$plan" 640 480

main_menu Up Up  # Настройки
dialog=$(wait_window --onlyvisible --name '^Настройки$') || fail "no settings dialog"
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + 278)) $((Y + 246)) click 1  # the language list
wait_menus 1 || fail "the language list did not open"
xdotool key Up Return  # English
wait_menus 0 || fail "the language list did not close"
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
xdotool mousemove $((X + 287)) $((Y + 283)) click 1  # Применить
wait_window --name '^Quobrix Flowchart Builder 1\.50$' >/dev/null || fail "the language did not switch"
ini 'Language=English' || fail "the language was not written at once"
ini 'ShowSplash=1' || fail "the options were not written when applied"

main_menu Left Up  # About
about=$(wait_window --onlyvisible --name '^Quobrix$') || fail "no about window"
eval "$(xdotool getwindowgeometry --shell "$about")"
[ "$WIDTH" = 404 ] && [ "$HEIGHT" = 252 ] || fail "the about window is $WIDTH x $HEIGHT"
xdotool mousemove $((X + 100)) $((Y + 100)) click 1
wait_window_gone "$about" || fail "a click did not close the about window"
quit_and_wait
for line in ChartX=150 ChartY=120 ChartW=640 ChartH=480 "Recent0=$DIR/plan.qbs"; do
  ini "$line" || fail "no $line after the first run"
done

# ----- second run: the same language, placement and recent files; what a
# save killed long ago left beside the settings goes
printf half > "$DIR/home/.quobrix.Killed"
touch -d '1 hour ago' "$DIR/home/.quobrix.Killed"
"$Q" &
pid=$!
untitled=$(wait_window --name '^Untitled$') || fail "no chart window at the second start"
wait_until 30 test ! -e "$DIR/home/.quobrix.Killed" || fail "the killed save's temporary file is still there"
xdotool search --name '^Quobrix Flowchart Builder 1\.50$' >/dev/null || fail "the second start forgot the language"
wait_until 20 placed_at "$untitled" 150,120,640,480 || fail "the chart window is at $X,$Y,$WIDTH,$HEIGHT"
quit_and_wait
# The list read at the start is what the second run saved.
ini "Recent0=$DIR/plan.qbs" || fail "the recent file was lost"
SESSION

XLIB="$xlib" DIR="$dir" Q="$q" timeout 120 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$dir/session.sh" || exit 1
echo "1 passed, 0 failed"
