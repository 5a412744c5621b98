#!/usr/bin/env bash
# quobrix --export and --print-pdf write every picture format without a
# display and fail in one clear line on bad input.
set -u
q=${QUOBRIX_PROGRAM:?}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

block() {  # x y text-in-cp1251
  printf '[BLOCK DATA]\r\nX=%s\r\nY=%s\r\nW=6000\r\nH=2000\r\nBT=9\r\nMC=16777215\r\nSC=0\r\nFS=0\r\nGF=0\r\nBC=0\r\nBW=1\r\nBS=0\r\nText=%b\r\nTF=Arial|-16777208|10|0000\r\nTA=2\r\nTP=0\r\nCompl=0\r\nOwner=0\r\nHyperlink=\r\nLineArrows=0\r\n[END]\r\n' "$1" "$2" "$3"
}
header() {
  printf '[Quobrix Sheme v.1.0]\r\n[SHEME DATA]\r\nAuthor=\r\nDescription=\r\nOrganization=\r\nDocumentPages=3\r\nSheetColor=16777215\r\nSheetWidth=21000\r\nSheetHeight=29700\r\nZoomPercents=100\r\n[END]\r\n'
}
{
  header
  block 3000 3000 '\xcd\xe0\xf7\xe0\xeb\xee'          # "Начало" on page 1
  block 3000 33000 'Second'                            # page 2
  block 3000 63000 '\xca\xee\xed\xe5\xf6'             # "Конец" on page 3
  printf '[SHEME END]\r\n'
} > "$dir/chart.qbs"

for ext in emf bmp png jpg JPEG svg pdf; do
  "$q" --export "$dir/chart.qbs" "$dir/out.$ext" 2>"$dir/err" || fail "--export to .$ext exited $?: $(cat "$dir/err")"
  [ -s "$dir/out.$ext" ] || fail "--export wrote no .$ext file"
  [ ! -s "$dir/err" ] || fail "--export to .$ext wrote to standard error: $(cat "$dir/err")"
done
file "$dir/out.bmp" | grep -q "793 x 1122 x 24" || fail "bitmap: $(file "$dir/out.bmp")"
file "$dir/out.png" | grep -q "793 x 1122" || fail "png: $(file "$dir/out.png")"
file "$dir/out.jpg" | grep -q "JPEG" || fail "jpg: $(file "$dir/out.jpg")"
grep -q 'viewBox="0 0 793 3367"' "$dir/out.svg" || fail "svg does not stack three pages"
pdfinfo "$dir/out.pdf" | grep -Eq '^Pages: +3$' || fail "pdf export does not have three pages"

"$q" --print-pdf "$dir/chart.qbs" "$dir/print.pdf" --from 2 --to 3 --copies 2 || fail "--print-pdf exited $?"
pdfinfo "$dir/print.pdf" | grep -Eq '^Pages: +4$' || fail "two copies of pages 2 to 3 are not four sheets"
order=$(for p in 1 2 3 4; do pdftotext -f $p -l $p "$dir/print.pdf" - | tr -d '\f\n '; echo; done | tr '\n' ' ')
[ "$order" = "Second Second Конец Конец " ] || fail "print order was '$order'"
"$q" --print-pdf "$dir/chart.qbs" "$dir/all.pdf" || fail "--print-pdf without options exited $?"
pdftotext "$dir/all.pdf" - | grep -q "Начало" || fail "printout has no extractable text"

expect_failure() {  # expected-words command-args...
  local want=$1; shift
  local err
  err=$("$q" "$@" 2>&1 >/dev/null) && fail "'$*' succeeded"
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "'$*' printed more than one line: $err"
  [[ "$err" == *"$want"* ]] || fail "'$*' said '$err', expected '$want'"
}
expect_failure "not a picture format" --export "$dir/chart.qbs" "$dir/out.gif"
expect_failure "no such file" --export "$dir/missing.qbs" "$dir/out.png"
expect_failure "cannot write" --export "$dir/chart.qbs" "$dir/no/such/dir/out.emf"
expect_failure "must be a .pdf" --print-pdf "$dir/chart.qbs" "$dir/print.png"
expect_failure "nothing to print" --print-pdf "$dir/chart.qbs" "$dir/p.pdf" --from 3 --to 2
expect_failure "no pages 1 to 4" --print-pdf "$dir/chart.qbs" "$dir/p.pdf" --to 4
expect_failure "whole number" --print-pdf "$dir/chart.qbs" "$dir/p.pdf" --copies two
expect_failure "--copies must be" --print-pdf "$dir/chart.qbs" "$dir/p.pdf" --copies 0
expect_failure "unknown option" --print-pdf "$dir/chart.qbs" "$dir/p.pdf" --collate
expect_failure "needs a number" --print-pdf "$dir/chart.qbs" "$dir/p.pdf" --from
[ ! -e "$dir/p.pdf" ] || fail "a failed --print-pdf left a file"
# A sheet without width or height has no picture, whatever the format.
sed 's/^SheetWidth=21000/SheetWidth=0/; s/^SheetHeight=29700/SheetHeight=0/' "$dir/chart.qbs" > "$dir/empty.qbs"
for ext in png bmp svg emf pdf; do
  expect_failure "is empty" --export "$dir/empty.qbs" "$dir/empty.$ext"
  [ ! -e "$dir/empty.$ext" ] || fail "an empty sheet left a .$ext file"
done
# A disk that fills up (here a file-size limit of 1 KiB) fails the export in
# one line and leaves the previous picture as it was, with no temporary file.
{
  header
  for i in $(seq 1 40); do block 3000 $((i * 2000)) "Step $i"; done
  printf '[SHEME END]\r\n'
} > "$dir/big.qbs"
for ext in svg pdf emf; do
  printf 'previous' > "$dir/full.$ext"
  err=$( (trap '' XFSZ; ulimit -f 1; exec "$q" --export "$dir/big.qbs" "$dir/full.$ext") 2>&1 >/dev/null) &&
    fail "--export to a full disk (.$ext) succeeded"
  [[ "$err" == *"cannot write"* && "$(printf '%s\n' "$err" | wc -l)" -eq 1 ]] || fail "full disk (.$ext) said '$err'"
  [ "$(cat "$dir/full.$ext")" = previous ] || fail "a failed .$ext export replaced the previous file"
  [ -z "$(find "$dir" -name ".quobrix.*")" ] || fail "a failed .$ext export left its temporary file"
done
"$q" --help | grep -q -- "--print-pdf" || fail "--help does not list --print-pdf"
echo "1 passed, 0 failed"
