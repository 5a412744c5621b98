#!/usr/bin/env bash
# Takes the help's pictures from the real program under a virtual display, in
# each interface language, into help/<ru|en|uk>/images/. Run it by hand after
# a window changes and commit the pictures:
#   scripts/help_screenshots.sh [PROGRAM]     (default: build/quobrix)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/quobrix}")
[[ -x "$program" ]] || { echo "no program at $program: run make run first" >&2; exit 1; }
for tool in xvfb-run xdotool import convert iconv; do
  command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done

session=$(mktemp)
trap 'rm -f "$session"' EXIT
cat > "$session" <<'SESSION'
set -euo pipefail
unset QT_QPA_PLATFORM
export QUOBRIX_NO_SPLASH=1 XDG_DATA_HOME="$HOME_DIR/data"

# The visible top-level windows, one id a line.
windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
# Waits for a window that was not in the list $1, and prints its id.
new_window() {
  for _ in $(seq 50); do
    local id
    id=$(comm -13 <(echo "$1") <(windows) | head -1)
    if [[ -n "$id" ]]; then sleep 0.5; echo "$id"; return; fi
    sleep 0.1
  done
  echo "no new window" >&2; exit 1
}
shoot() { import -window "$1" -resize '900x700>' "$OUT/$2.png"; }
# Drops down menu `index` of the main window's bar. Moving right from a menu
# whose first item opens a sub-menu would enter the sub-menu, so the last
# menus are reached leftwards from the first. A menu reached by the keyboard
# has its first item selected.
open_menu() {
  xdotool mousemove 14 10 click 1
  sleep 0.3
  case $1 in
    4) xdotool key Left Left ;;
    5) xdotool key Left ;;
    *) for _ in $(seq "$1"); do xdotool key Right; done ;;
  esac
  sleep 0.4
}
shoot_menu() {
  open_menu "$1"
  import -window root -crop 600x400+0+0 +repage "$OUT/$2.png"
  xdotool key Escape Escape
  sleep 0.2
}
# Opens the item that the keys `steps` select in menu `index`, and shoots the window it opens.
shoot_dialog() {
  local before
  before=$(windows)
  open_menu "$1"
  xdotool key $2 Return
  local id
  id=$(new_window "$before")
  shoot "$id" "$3"
  xdotool key Escape
  sleep 0.3
}
# Shows a tool window by its shortcut on the main window, shoots it and hides
# it again. A window shown at start is hidden by the first press and comes
# back with the second; a window the program does not have yet is left out.
shoot_tool() {
  local before id
  xdotool windowfocus --sync "$main"
  before=$(windows)
  xdotool key "$1"
  if ! id=$(new_window "$before"); then
    xdotool windowfocus --sync "$main"
    before=$(windows)
    xdotool key "$1"
    if ! id=$(new_window "$before"); then echo "$2: not shown, left out" >&2; return; fi
  fi
  shoot "$id" "$2"
  xdotool windowfocus --sync "$main" key "$1"
  sleep 0.3
}

"$PROGRAM" "$TEMPLATE" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
chart=$(timeout 20 xdotool search --sync --onlyvisible --name "$CHART_TITLE" | head -1)
main=$(xdotool search --onlyvisible --name '^Quobrix|Quobrix 1' | head -1)
xdotool windowmove "$chart" 420 0 windowsize "$chart" 760 560
sleep 1
shoot "$main" MainForm
# The tool windows that lie over the chart window step off the screen while
# it is shot: the picture would hold their area, black where they are not
# drawn yet.
declare -A places
for id in $(comm -23 <(windows) <(printf '%s\n' "$main" "$chart" | sort)); do
  places[$id]=$(xdotool getwindowgeometry --shell "$id" | awk -F= '/^[XY]=/ {printf "%s ", $2}')
  xdotool windowmove "$id" 2000 0
done
sleep 0.5
shoot "$chart" HolderForm
for id in "${!places[@]}"; do xdotool windowmove "$id" ${places[$id]}; done
sleep 0.3

# The chart window's context menu with its "new symbol" list.
xdotool mousemove 700 110 click 3
sleep 0.5
xdotool key Down Down Down Down Down Right
sleep 0.5
import -window root -crop 760x560+420+0 +repage "$OUT/ContextMenu.png"
xdotool key Escape Escape Escape
sleep 0.3

# The menus drop down over the chart window, which lies under the main window.
xdotool windowmove "$chart" 0 0 windowsize "$chart" 1200 700
xdotool windowraise "$main"
sleep 0.5
menus=(mFile mEdit mView mFormat mWizards mHelp)
for i in "${!menus[@]}"; do shoot_menu "$i" "${menus[$i]}"; done

shoot_dialog 0 "Up Up" SettingsForm
shoot_dialog 4 "" WizLSForm
shoot_dialog 4 "Down" WizProcForm
shoot_dialog 4 "Down Down" WizIFForm
shoot_dialog 4 "Down Down Down" WizForForm
shoot_dialog 5 "Up" AboutForm
shoot_dialog 0 "Up Up Up Up" SheetSizeForm
shoot_dialog 0 "Up Up Up Up Up Up" PreviewForm
shoot_dialog 1 "Up" ShemeInfoForm
shoot_dialog 1 "Up Up" SearchForm
# The inspector shows the first symbol of the chart, centred in its window.
xdotool mousemove 605 150 click 1
sleep 0.3
shoot_tool F11 PropertyEditor
shoot_tool alt+F11 LibraryForm
shoot_tool shift+F11 UserLibForm
shoot_tool ctrl+F11 ColorForm
kill $pid
SESSION

shoot_language() {
  local code=$1 language=$2 template=$3 title=$4
  local home out
  home=$(mktemp -d)
  out="help/$code/images"
  mkdir -p "$out"
  printf '[Main]\r\nLanguage=%s\r\nShowSplash=0\r\nSaveWindowsPos=0\r\n' "$language" | iconv -f utf-8 -t cp1251 > "$home/quobrix.ini"
  QUOBRIX_HOME="$home" HOME_DIR="$home" OUT="$out" PROGRAM="$program" TEMPLATE="$PWD/Templates/$template" \
    CHART_TITLE="$title" xvfb-run -a -s "-screen 0 1200x700x24 -noreset" bash "$session"
  rm -rf "$home"
  # Flat interface pictures: a palette of 256 colours keeps them small.
  for f in "$out"/*.png; do convert "$f" -strip -colors 256 -define png:compression-level=9 "$f"; done
}
# Each language's pictures show the loop template of that language.
shoot_language ru "Русский" "Цикл.qbs" "Цикл"
shoot_language en "English" "English/Loop.qbs" "Loop"
shoot_language uk "Украинский" "Украинский/Цикл.qbs" "Цикл"
du -ch help/*/images/*.png | tail -1
