#!/usr/bin/env bash
# The real editor under a virtual display, ended by signals as a desktop
# session or a terminal ends it. The first run starts from a settings file
# whose every placement is out of range (2147483647, -2147483648): it must
# come up with every window on the screen at a size the screen can hold,
# and SIGTERM ends it with status 0 and a sane layout written. The second
# run draws a block, keeps it in the user library (on disk at once, before
# any end) and changes it again; SIGTERM then ends it without a question,
# writing the settings and keeping the unsaved chart's copy. The third run
# offers that copy, and SIGHUP ends it although the offer is still open.
set -u
q=${QUOBRIX_PROGRAM:?}
xlib="$(cd "$(dirname "$0")/../support" && pwd)/x_windows.sh"
source "$xlib"
need_tools xvfb-run xdotool xprop xwininfo
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/home"

cat > "$dir/session.sh" <<'SESSION'
set -u
source "$XLIB"
fail() { echo "FAIL: $*"; [ -n "${SHOT:-}" ] && import -window root "$SHOT"; kill -9 "$pid" 2>/dev/null; exit 1; }
unset QT_QPA_PLATFORM
export QUOBRIX_HOME="$DIR/home"
ini() { tr -d '\r' < "$QUOBRIX_HOME/quobrix.ini" | grep -x "$1" >/dev/null; }
ini_value() { tr -d '\r' < "$QUOBRIX_HOME/quobrix.ini" | sed -n "s/^$1=//p"; }
kept_on_disk() { grep -qa 'Kept' "$QUOBRIX_HOME/userlib.dll" 2>/dev/null; }
big=2147483647 small=-2147483648

# ----- first run: every placement out of range
{
  printf '[Main]\r\nLanguage=\r\nAutoSaveSeconds=0\r\n[WinPos]\r\n'
  printf 'MainX=%s\r\nMainY=%s\r\n' $big $small
  printf 'ChartX=%s\r\nChartY=%s\r\nChartW=%s\r\nChartH=%s\r\n' $small $big $big $big
  printf 'Library=1\r\nLibraryX=%s\r\nLibraryY=0\r\nLibraryW=%s\r\nLibraryH=%s\r\n' $small $big $big
  printf 'UserLib=1\r\nUserLibX=%s\r\nUserLibY=%s\r\nUserLibW=%s\r\nUserLibH=%s\r\n' $big $big $big $small
  printf 'Palette=1\r\nPaletteX=%s\r\nPaletteY=%s\r\nInspector=1\r\nInspectorX=%s\r\nInspectorY=%s\r\n' \
    $small $small $big $big
} > "$QUOBRIX_HOME/quobrix.ini"
"$Q" &
pid=$!
for name in 'Построитель схем Quobrix 1\.50' 'Без имени' 'Библиотека символов' 'Библиотека пользователя' Палитра \
            'Редактор свойств'; do
  wait_window --all --onlyvisible --pid "$pid" --name "^$name\$" >/dev/null ||
    fail "no window '$name' at a start with placements out of range"
done
for window in $(xdotool search --all --onlyvisible --pid "$pid" --name .); do
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" -le 1280 ] && [ "$HEIGHT" -le 800 ] && [ "$X" -lt 1280 ] && [ "$Y" -lt 800 ] &&
    [ $((X + WIDTH)) -gt 0 ] && [ "$Y" -ge 0 ] || fail "window $window is at $X,$Y,$WIDTH,$HEIGHT"
done
kill -TERM "$pid"
wait_exit "$pid"
[ "$(ini_value ChartW)" -le 1280 ] && [ "$(ini_value UserLibW)" -le 1280 ] ||
  fail "the layout written is ChartW=$(ini_value ChartW) UserLibW=$(ini_value UserLibW)"

# ----- second run: a block kept in the user library, then changed unsaved
printf '[Main]\r\nLanguage=\r\nAutoSaveSeconds=0\r\n' > "$QUOBRIX_HOME/quobrix.ini"
"$Q" &
pid=$!
win=$(wait_window --all --onlyvisible --pid "$pid" --name '^Без имени$') || fail "no chart window"
library=$(wait_window --all --onlyvisible --pid "$pid" --name '^Библиотека пользователя$') || fail "no user library"
draw_first_symbol "$win" || fail "no rectangle drawn"
xdotool type --delay 30 "Kept"
eval "$(xdotool getwindowgeometry --shell "$library")"
xdotool mousemove $((X + 16)) $((Y + 16)) click 1  # the plus of its tool bar
wait_until 20 kept_on_disk || fail "the kept block is not on disk"
xdotool windowfocus --sync "$win"
xdotool type --delay 30 "More"
# The chart window's "Файл" menu opens only once the keys typed before it
# are handled; the signal must not overtake them.
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + 56)) $((Y + 9)) click 1
wait_menus 1 || fail "no Файл menu"
xdotool key Escape
wait_menus 0 || fail "the Файл menu stayed open"
kill -TERM "$pid"
wait_exit "$pid"
ini 'MainX=.*' || fail "the settings were not written at SIGTERM"
grep -ls '^Text=KeptMore' "$QUOBRIX_HOME"/recovery/*/chart-*.qbs >/dev/null || fail "no copy of the unsaved chart"
kept_on_disk || fail "the user library lost the kept block"

# ----- third run: the copy is offered; SIGHUP ends the program with the offer open
"$Q" &
pid=$!
wait_window --all --onlyvisible --pid "$pid" --name '^Восстановление несохранённых схем$' >/dev/null || fail "the copy was not offered"
kill -HUP "$pid"
wait_exit "$pid"
SESSION

XLIB="$xlib" DIR="$dir" Q="$q" timeout 120 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$dir/session.sh" || exit 1
echo "1 passed, 0 failed"
