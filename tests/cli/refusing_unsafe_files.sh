#!/usr/bin/env bash
# The verbs refuse what is not a chart, say where a damaged chart stopped
# being read, never replace a file its owner may not write, follow links,
# take the longest legal names, and fail in one line when a file is too large
# or memory runs out.
set -u
q=${QUOBRIX_PROGRAM:?}
dir=$(mktemp -d)
trap 'chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

block() {  # args: x, width
  printf '[BLOCK DATA]\r\nX=%s\r\nY=1000\r\nW=%s\r\nH=1000\r\nBT=3\r\nMC=16777215\r\nSC=0\r\nFS=0\r\nGF=0\r\nBC=0\r\nBW=1\r\nBS=0\r\nText=\r\nTF=Arial|-16777208|10|0000\r\nTA=2\r\nTP=0\r\nCompl=0\r\nOwner=0\r\nHyperlink=\r\nLineArrows=0\r\n[END]\r\n' "$1" "$2"
}
chart() {  # args: the width of block 2; 50 blocks
  printf '[Quobrix Sheme v.1.0]\r\n[SHEME DATA]\r\nAuthor=\r\nDescription=\r\nOrganization=\r\nDocumentPages=1\r\nSheetColor=16777215\r\nSheetWidth=21000\r\nSheetHeight=29700\r\nZoomPercents=100\r\n[END]\r\n'
  for i in $(seq 50); do block $((i * 100)) "$([ "$i" -eq 2 ] && echo "$1" || echo 2000)"; done
  printf '[SHEME END]\r\n'
}
chart 2000 > "$dir/good.qbs"
chart 20O0 > "$dir/damaged.qbs"

one_line_failure() {  # args: expected words, then the command's arguments
  local want=$1; shift
  local err
  err=$("$q" "$@" 2>&1 >/dev/null) && fail "'$*' succeeded"
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "'$*' printed more than one line: $err"
  [[ "$err" == *"$want"* ]] || fail "'$*' said '$err', expected '$want'"
}

# Not a chart: every verb refuses it, and writes nothing.
printf '# Notes\n' > "$dir/README.md"
printf '\x89PNG\r\n\x1a\n' > "$dir/photo.png"
one_line_failure "not a chart file: $dir/README.md" --info "$dir/README.md"
one_line_failure "not a chart file" --export "$dir/README.md" "$dir/x.png"
one_line_failure "not a chart file" --print-pdf "$dir/photo.png" "$dir/x.pdf"
one_line_failure "not a chart file" --convert "$dir/photo.png" "$dir/x.qbs"
[ ! -e "$dir/x.png" ] && [ ! -e "$dir/x.pdf" ] && [ ! -e "$dir/x.qbs" ] || fail "a refused input wrote a file"

# Damage in block 2 of 50: the verb still works on block 1, and says so.
out=$("$q" --info "$dir/damaged.qbs" 2>"$dir/err") || fail "--info of a damaged chart exited $?"
[[ "$out" == *": 1 blocks,"* ]] || fail "--info said '$out'"
[ "$(wc -l < "$dir/err")" -eq 1 ] || fail "expected one warning line, got: $(cat "$dir/err")"
grep -q "warning: .*damaged.qbs: damaged at line 37, .* 1 block(s) read" "$dir/err" || fail "warning: $(cat "$dir/err")"
"$q" --info "$dir/good.qbs" 2>"$dir/err" >/dev/null && [ ! -s "$dir/err" ] || fail "a whole chart gave a warning"

# A file its owner may not write stays as it was, for a save and an export.
cp "$dir/damaged.qbs" "$dir/locked.qbs"; printf 'picture' > "$dir/locked.png"
chmod 0444 "$dir/locked.qbs" "$dir/locked.png"
one_line_failure "cannot write" --convert "$dir/good.qbs" "$dir/locked.qbs"
one_line_failure "cannot write" --export "$dir/good.qbs" "$dir/locked.png"
cmp -s "$dir/damaged.qbs" "$dir/locked.qbs" && [ "$(cat "$dir/locked.png")" = picture ] || fail "a read-only file was replaced"

# Through a link the target is written and the link stays.
mkdir "$dir/real"; cp "$dir/damaged.qbs" "$dir/real/chart.qbs"; ln -s real/chart.qbs "$dir/link.qbs"
"$q" --convert "$dir/good.qbs" "$dir/link.qbs" || fail "saving through a link exited $?"
[ -L "$dir/link.qbs" ] && cmp -s "$dir/good.qbs" "$dir/real/chart.qbs" || fail "the link was replaced or its target not written"

# The longest legal file name.
long="$dir/$(printf 'n%.0s' $(seq 251)).qbs"
"$q" --convert "$dir/good.qbs" "$long" && cmp -s "$dir/good.qbs" "$long" || fail "a 255-byte name could not be saved"

# Too large to read, and too little memory: one line and exit 1, never an abort.
truncate -s 3G "$dir/huge.qbs"
one_line_failure "too large" --info "$dir/huge.qbs"
# (AddressSanitizer needs more address space than any limit leaves.)
if [ -z "${QUOBRIX_SANITIZED:-}" ]; then
  truncate -s 1G "$dir/big.qbs"
  err=$( (ulimit -v 400000; "$q" --info "$dir/big.qbs") 2>&1 >/dev/null); code=$?
  [ "$code" -eq 1 ] || fail "out of memory exited $code: $err"
  [[ "$err" == "quobrix: out of memory"* ]] || fail "out of memory said '$err'"
  # What fits the limit to read but not the blocks it would make is refused
  # before reading, not found to be no chart after it.
  printf '[Quobrix Sheme v.1.0]\r\n' > "$dir/large.qbs"; truncate -s 200M "$dir/large.qbs"
  err=$( (ulimit -v 400000; "$q" --info "$dir/large.qbs") 2>&1 >/dev/null); code=$?
  [ "$code" -eq 1 ] || fail "a chart too large for the memory left exited $code: $err"
  [[ "$err" =~ ^"quobrix: out of memory: reading $dir/large.qbs needs about 600 MiB, "[0-9]+" MiB are available"$ ]] ||
    fail "a chart too large for the memory left said '$err'"
fi
echo "1 passed, 0 failed"
