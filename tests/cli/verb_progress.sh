#!/usr/bin/env bash
# The verbs that print or export many pages tell their progress on standard
# error when it is a terminal, and stay silent when it is a file or a pipe.
set -u
q=${QUOBRIX_PROGRAM:?}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
command -v script > /dev/null || fail "script is missing (util-linux)"
chart="$QUOBRIX_SOURCE_DIR/Templates/Цикл.qbs"

# On a terminal (script gives the program one): a line that counts up to 100%
# and ends, once for the printout and once for the picture.
for verb in "--print-pdf $dir/tty.pdf --copies 40" "--export $dir/tty.svg"; do
  set -- $verb
  script -qec "$(printf '%q ' "$q" "$1" "$chart" "${@:2}")" /dev/null > "$dir/tty.log" 2>&1 < /dev/null ||
    { cat "$dir/tty.log"; fail "$1 on a terminal"; }
  tr '\r' '\n' < "$dir/tty.log" | grep -q "^quobrix $1: 100%" || { cat -A "$dir/tty.log"; fail "$1 showed no progress"; }
  tr '\r' '\n' < "$dir/tty.log" | grep -q "^quobrix $1: [1-9][0-9]\?%" || fail "$1 showed no step between the ends"
done
[ "$(pdfinfo "$dir/tty.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')" = 40 ] || fail "the printout on a terminal is not whole"

# Not a terminal: nothing on standard error.
"$q" --print-pdf "$chart" "$dir/file.pdf" --copies 40 2> "$dir/err" || fail "--print-pdf into a log"
[ ! -s "$dir/err" ] || fail "--print-pdf wrote to a log that is no terminal: $(cat "$dir/err")"
echo "PASS"
