#!/usr/bin/env bash
# The real editor under a virtual display, as a new user meets it: the first
# start tells the desktop that .qbs files are charts of ours, and F1 opens the
# bundled help in a window of the program, asking no browser.
set -u
q=${QUOBRIX_PROGRAM:?}
xlib="$(cd "$(dirname "$0")/../support" && pwd)/x_windows.sh"
source "$xlib"
need_tools xvfb-run xdotool xdg-mime mimetype
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# A browser that records what it is asked to open: F1 must ask it nothing.
mkdir "$dir/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s/opened"\n' "$dir" > "$dir/bin/xdg-open"
chmod +x "$dir/bin/xdg-open"

cat > "$dir/session.sh" <<'SESSION'
set -u
source "$XLIB"
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }
unset QT_QPA_PLATFORM XDG_CURRENT_DESKTOP
export PATH="$DIR/bin:$PATH" XDG_DATA_HOME="$DIR/data" QUOBRIX_HOME="$DIR/home"
"$Q" &
pid=$!
wait_window --name '^Без имени$' >/dev/null || fail "no chart window"
main=$(wait_window --name '^Построитель схем Quobrix') || fail "no main window"
xdotool windowfocus --sync "$main" key F1
wait_window --name '^Вызов справки$' >/dev/null || fail "F1 opened no help window"
[ ! -e "$DIR/opened" ] || fail "F1 asked the browser for $(cat "$DIR/opened")"
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
SESSION
XLIB="$xlib" DIR="$dir" Q="$q" xvfb-run -a -s -noreset bash "$dir/session.sh" || exit 1

fail() { echo "FAIL: $*"; exit 1; }
export XDG_DATA_HOME="$dir/data"
unset XDG_CURRENT_DESKTOP
printf '[Quobrix Sheme v.1.0]\r\n[SHEME DATA]\r\n' > "$dir/plan.qbs"
cp "$dir/plan.qbs" "$dir/plan-without-extension"
for f in plan.qbs plan-without-extension; do
  type=$(xdg-mime query filetype "$dir/$f")
  [ "$type" = application/x-quobrix-chart ] || fail "$f is '$type'"
done
app=$(xdg-mime query default application/x-quobrix-chart)
[ "$app" = quobrix.desktop ] || fail "charts open with '$app'"
grep -qx "Exec=$q %f" "$dir/data/applications/quobrix.desktop" || fail "the desktop entry does not start $q"
echo "PASS"
