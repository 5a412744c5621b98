#!/usr/bin/env bash
# Installs the build into a fresh prefix and runs the installed program: it
# finds its read-only files under the prefix's share/quobrix and keeps what it
# writes in the user's XDG folders, not beside the program.
set -u
q=${QUOBRIX_PROGRAM:?}
build=$(dirname "$q")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
prefix="$dir/prefix"

cmake --install "$build" --prefix "$prefix" > "$dir/install.log" || { cat "$dir/install.log"; fail "install"; }
for f in bin/quobrix share/quobrix/lang/English.lng "share/quobrix/Templates/Цикл.qbs" share/quobrix/help/ru/index.html \
         share/quobrix/lessons/uk/tools.html share/quobrix/site.url share/applications/quobrix.desktop \
         share/mime/packages/quobrix.xml share/icons/hicolor/scalable/apps/quobrix.svg; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done

out=$("$prefix/bin/quobrix" --info "$prefix/share/quobrix/Templates/Цикл.qbs") || fail "--info failed"
echo "$out" | grep -q ": 13 blocks, 1 page(s)" || fail "--info said '$out'"

xlib="$(cd "$(dirname "$0")/../support" && pwd)/x_windows.sh"
source "$xlib"
need_tools xvfb-run xdotool
mkdir "$dir/bin" "$dir/home"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s/opened"\n' "$dir" > "$dir/bin/xdg-open"
chmod +x "$dir/bin/xdg-open"
cat > "$dir/session.sh" <<'SESSION'
set -u
source "$XLIB"
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }
unset QT_QPA_PLATFORM QUOBRIX_HOME XDG_CONFIG_HOME XDG_CURRENT_DESKTOP
export PATH="$DIR/bin:$PATH" HOME="$DIR/home" XDG_DATA_HOME="$DIR/home/data"
"$P" &
pid=$!
wait_window --name '^Без имени$' >/dev/null || fail "no chart window"
main=$(wait_window --name '^Построитель схем Quobrix') || fail "no main window"
xdotool windowfocus --sync "$main" key F1
wait_window --name '^Вызов справки$' >/dev/null || fail "F1 opened no help window"
[ ! -e "$DIR/opened" ] || fail "F1 asked the browser for $(cat "$DIR/opened")"
xdotool key alt+F4
wait_exit "$pid"
SESSION
XLIB="$xlib" DIR="$dir" P="$prefix/bin/quobrix" xvfb-run -a -s -noreset bash "$dir/session.sh" || exit 1
[ -f "$dir/home/.config/quobrix/quobrix.ini" ] || fail "the settings are not in ~/.config/quobrix"
[ -z "$(ls "$prefix/bin" | grep -v '^quobrix$')" ] || fail "the program wrote beside itself: $(ls "$prefix/bin")"
echo "PASS"
