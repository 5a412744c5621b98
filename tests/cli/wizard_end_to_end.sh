#!/usr/bin/env bash
# The linear wizard in the real program under a virtual display: open it from
# the "Мастера" menu, fill its sections with the keyboard, finish, save the new
# chart and read its blocks back from the file.
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
wait_window --name '^Без имени$' >/dev/null || fail "no start-up chart window"
main=$(wait_window --name 'Quobrix 1\.50$') || fail "no main window"
eval "$(xdotool getwindowgeometry --shell "$main")"  # X, Y
xdotool windowfocus --sync "$main"
# Open "Файл", step left past "?" to "Мастера"; its first item is highlighted.
xdotool mousemove $((X + 15)) $((Y + 10)) click 1
wait_menus 1 || fail "no Файл menu"
xdotool key --delay 100 Left Left Return
wizard=$(wait_window --onlyvisible --name '^Мастер линейных блок-схем$') ||
  fail "no wizard dialog"
xdotool windowfocus --sync "$wizard"
# The focus starts on the first check box: its edit, the calculation memo, the output edit.
xdotool key Tab
xdotool type --delay 20 "A, B"
xdotool key Tab Tab
xdotool type --delay 20 "Y := A + B"
xdotool key Return
xdotool type --delay 20 "Z := 1"
xdotool key Tab Tab
xdotool type --delay 20 "Y"
xdotool key Return
# The built chart is not saved yet: its title carries the modified mark, and
# the number of the second chart never saved.
chart=$(wait_window --onlyvisible --name '^Без имени 2\*$') || fail "no chart window from the wizard"
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
xdotool windowfocus --sync "$chart" key ctrl+s
save_as "$DIR/linear.qbs" || fail "nothing saved"
kill "$pid"
SESSION

XLIB="$xlib" DIR="$dir" Q="$q" timeout 90 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$dir/session.sh" || exit 1
file=$dir/linear.qbs
fail() { echo "FAIL: $*"; iconv -f cp1251 -t utf-8 "$file" | tr -d '\r'; exit 1; }
# One line per block: type, X, Y, W, H and text, in list order.
blocks=$(iconv -f cp1251 -t utf-8 "$file" | tr -d '\r' | awk -F= '
  /^\[BLOCK DATA\]/ { inblock = 1; next }
  inblock && $1 == "X" { x = $2 } inblock && $1 == "Y" { y = $2 } inblock && $1 == "W" { w = $2 }
  inblock && $1 == "H" { h = $2 } inblock && $1 == "BT" { bt = $2 } inblock && $1 == "Text" { t = substr($0, 6) }
  inblock && /^\[END\]/ { print bt, x, y, w, h, t; inblock = 0 }')
expected="9 8000 3000 5000 1500 Начало
2 10500 4500 0 1500 
11 8000 6000 5000 1500 Ввод||A, B
2 10500 7500 0 1500 
3 8000 9000 5000 2500 Вычисление||Y := A + B||Z := 1
2 10500 11500 0 1500 
11 8000 13000 5000 1500 Вывод||Y
2 10500 14500 0 1500 
9 8000 16000 5000 1500 Конец"
[ "$blocks" = "$expected" ] || { echo "got:"; echo "$blocks"; fail "the blocks differ"; }
echo "1 passed, 0 failed"
