#!/usr/bin/env bash
# quobrix --convert reproduces a chart byte for byte and fails clearly on bad input.
set -u
q=${QUOBRIX_PROGRAM:?}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

printf '[Quobrix Sheme v.1.0]\r\n[SHEME DATA]\r\nAuthor=\xc0\r\nDescription=\r\nOrganization=\r\nDocumentPages=2\r\nSheetColor=16777215\r\nSheetWidth=21000\r\nSheetHeight=29700\r\nZoomPercents=100\r\n[END]\r\n[BLOCK DATA]\r\nX=1000\r\nY=2000\r\nW=3000\r\nH=1500\r\nBT=9\r\nMC=16777215\r\nSC=0\r\nFS=0\r\nGF=0\r\nBC=0\r\nBW=1\r\nBS=0\r\nText=\xcd\xe0\xf7\xe0\xeb\xee||x\r\nTF=Arial|-16777208|10|0000\r\nTA=2\r\nTP=0\r\nCompl=0\r\nOwner=0\r\nHyperlink=\r\nLineArrows=0\r\n[END]\r\n[SHEME END]\r\n' > "$dir/a.qbs"

"$q" --convert "$dir/a.qbs" "$dir/b.QBS" || fail "convert exited $?"
cmp -s "$dir/a.qbs" "$dir/b.QBS" || fail "converted chart differs"

expect_failure() {  # args: expected-words... -- command args
  local want=$1; shift
  local err
  err=$("$q" "$@" 2>&1 >/dev/null) && fail "'$*' succeeded"
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "'$*' printed more than one line: $err"
  [[ "$err" == *"$want"* ]] || fail "'$*' said '$err', expected '$want'"
}
expect_failure "no such file" --convert "$dir/missing.qbs" "$dir/x.qbs"
printf 'not a chart\r\n' > "$dir/bad.qbs"
expect_failure "not a chart file" --convert "$dir/bad.qbs" "$dir/x.qbs"
sed 's/SheetWidth=21000/SheetWidth=wide/' "$dir/a.qbs" > "$dir/damaged.qbs"
expect_failure "damaged" --convert "$dir/damaged.qbs" "$dir/x.qbs"
expect_failure "cannot write" --convert "$dir/a.qbs" "$dir/no/such/dir/x.qbs"
expect_failure "cannot write" --convert "$dir/a.qbs" "$dir/x.unknown"
expect_failure "unknown verb" --frobnicate
"$q" --help | grep -q -- "--convert" || fail "--help does not list --convert"
echo "1 passed, 0 failed"
