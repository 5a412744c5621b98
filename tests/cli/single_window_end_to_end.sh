#!/usr/bin/env bash
# The single-window workspace under a virtual display, its widgets found
# through the desktop's accessibility interface: two charts open as tabs of
# the main window, the docked property inspector follows the tab in front,
# closing the changed tab asks about that chart by name, and the layout of
# the docks is kept in the settings file. The inspector runs without its
# "safe" mode, so it empties for a chart without an active block.
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
mkdir -p "$dir/home"
printf '[Main]\r\nLanguage=Русский\r\nSingleWindow=1\r\nShowSplash=0\r\nInspectorSaveMode=0\r\n' > "$dir/home/quobrix.ini"

cat > "$dir/session.sh" <<'SESSION'
set -u
source "$SUPPORT/x_windows.sh"
fail() { echo "FAIL: $*"; [ -n "${SHOT:-}" ] && import -window root "$SHOT-failed.png"; kill "$pid" 2>/dev/null; exit 1; }
at() { "$PY" "$SUPPORT/atspi.py" "$@"; }
# Clicks the tab bar over the charts at the given eighth of its width.
click_tab() {
  local x y w h
  read -r x y w h <<<"$(at extents 'layered pane')" || return 1
  xdotool windowfocus --sync "$main" mousemove $((x + w * $1 / 8)) $((y + 8)) click 1
}
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QUOBRIX_HOME="$DIR/home"

"$Q" &
pid=$!
main=$(wait_window --name 'Quobrix 1\.50$') || fail "no main window"
at shown frame 'Без имени' || fail "the first chart is no tab"
first_window --name '^Без имени' && fail "a chart opened in a window of its own"
xdotool windowfocus --sync "$main" key ctrl+n
at shown frame 'Без имени 2' || fail "no second tab"
xdotool windowfocus --sync "$main" key F11
at sensitive text 'Позиция X:' no || fail "no inspector docked, or it shows a block of an empty chart"

# A rectangle drawn on the second chart is what the inspector shows.
read -r x y w h <<<"$(at extents 'layered pane')"
at press "Прямоугольник" || fail "no rectangle button"
drag $((x + 150)) $((y + 150)) $((x + 300)) $((y + 225))
at sensitive text 'Позиция X:' yes || fail "the inspector does not show a rectangle drawn"
[ -n "${SHOT:-}" ] && import -window root "$SHOT-1.png"

click_tab 1 || fail "no tab bar"
at sensitive text 'Позиция X:' no || fail "the inspector did not follow the first tab"
click_tab 5
at sensitive text 'Позиция X:' yes || fail "the inspector did not follow the second tab back"

xdotool windowfocus --sync "$main" key ctrl+F4
at says '«Без имени 2»' || fail "closing the changed tab did not ask about it by name"
[ -n "${SHOT:-}" ] && import -window root "$SHOT-2.png"
at answer 'Нет' || fail "no button to close without saving"
at gone frame 'Без имени 2' || fail "the tab stayed"
at shown frame 'Без имени' || fail "the unchanged tab went too"
at sensitive text 'Позиция X:' no || fail "the inspector still shows the closed chart"

xdotool windowfocus --sync "$main" key alt+F4
wait_exit "$pid"

# The next start reads the docks back as they were: the tabs begin where
# they began.
"$Q" &
pid=$!
main=$(wait_window --name 'Quobrix 1\.50$') || fail "no main window at the second start"
at shown frame 'Без имени' || fail "no tab at the second start"
read -r x2 y2 w2 h2 <<<"$(at extents 'layered pane')"
[ "$y2" -le $((y + 10)) ] || fail "the tabs begin at $y2 at the second start, at $y before"
xdotool windowfocus --sync "$main" key alt+F4
wait_exit "$pid"
SESSION

SUPPORT="$support" DIR="$dir" Q="$q" PY="$py" timeout 120 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" dbus-run-session -- bash "$dir/session.sh" 2>"$dir/stderr" ||
  { cat "$dir/stderr"; exit 1; }
grep -q '^SingleWindowDocks=.' "$dir/home/quobrix.ini" || { echo "FAIL: the layout of the docks was not kept"; exit 1; }
echo "1 passed, 0 failed"
