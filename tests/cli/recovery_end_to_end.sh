#!/usr/bin/env bash
# The real editor killed in the middle of its work, under a virtual display.
# With AutoSaveSeconds=1 a chart drawn and typed with real key and mouse
# events gets its copy in the recovery folder; a second program started
# meanwhile offers nothing and leaves the copy alone; after SIGKILL the next
# start offers the chart, and restoring and saving it gives the edited block.
set -u
q=${QUOBRIX_PROGRAM:?}
xlib="$(cd "$(dirname "$0")/../support" && pwd)/x_windows.sh"
source "$xlib"
need_tools xvfb-run xdotool xprop xwininfo
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/home"
printf '[Main]\r\nLanguage=\r\nAutoSaveSeconds=1\r\n' > "$dir/home/quobrix.ini"

cat > "$dir/session.sh" <<'SESSION'
set -u
source "$XLIB"
fail() { echo "FAIL: $*"; kill -9 ${first:-} ${second:-} ${third:-} 2>/dev/null; exit 1; }
unset QT_QPA_PLATFORM
export QUOBRIX_HOME="$DIR/home"
dialog='^Восстановление несохранённых схем$'
copy_written() { copy=$(grep -ls '^Text=Edited' "$QUOBRIX_HOME"/recovery/*/chart-*.qbs 2>/dev/null); [ -n "$copy" ]; }
chart_of() { wait_window --all --onlyvisible --pid "$1" --name "$2"; }
quit() {  # "Выход" of a chart window ends its program
  xdotool windowfocus --sync "$1" key alt+F4
  wait_until 20 process_ended "$2" || fail "program $2 did not exit"
  wait "$2" || fail "program $2 exited with $?"
}

# The first program: draw a rectangle from the context menu and type into it.
"$Q" &
first=$!
win=$(chart_of "$first" '^Без имени$') || fail "no chart window"
draw_first_symbol "$win" || fail "no rectangle drawn"
xdotool type --delay 30 "Edited"
wait_until 20 copy_written || fail "no autosave copy of the edited chart"

# A second program at the same time: the first one's copy is live, not offered.
"$Q" &
second=$!
other=$(chart_of "$second" '^Без имени$') || fail "the second program shows no chart window"
xdotool search --onlyvisible --name "$dialog" >/dev/null 2>&1 && fail "the second program offered a live copy"
[ -f "$copy" ] || fail "the second program touched the first one's copy"
# An offer shown later would stand modal over the chart window, whose
# "Выход" could then not end the program.
quit "$other" "$second"
[ -f "$copy" ] || fail "the second program's exit took the first one's copy"

kill -9 "$first"
wait "$first" 2>/dev/null

# The next start offers the chart; "Восстановить" is the default button.
"$Q" &
third=$!
offer=$(wait_window --onlyvisible --name "$dialog") || fail "no recovery dialog"
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
xdotool windowfocus --sync "$offer" key Return
restored=$(chart_of "$third" '^Без имени 2\*$') || fail "no restored chart with unsaved changes"
xdotool windowfocus --sync "$restored" key ctrl+s
save_as "$DIR/restored.qbs" || fail "the restored chart was not saved"
quit "$restored" "$third"
left=$(find "$QUOBRIX_HOME/recovery" -mindepth 1 -maxdepth 1 -type d | wc -l)
[ "$left" -eq 0 ] || fail "$left recovery folder(s) left after a normal exit"
SESSION

XLIB="$xlib" DIR="$dir" Q="$q" timeout 150 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$dir/session.sh" || exit 1
file=$dir/restored.qbs
block=$(tr -d '\r' < "$file" | sed -n '/^\[BLOCK DATA\]/,/^\[END\]/{p;/^\[END\]/q}')
fail() { echo "FAIL: $*"; tr -d '\r' < "$file"; exit 1; }
grep -qx 'BT=3' <<<"$block" || fail "no rectangle block"
grep -qx 'Text=Edited' <<<"$block" || fail "the typed text is missing"
echo "1 passed, 0 failed"
