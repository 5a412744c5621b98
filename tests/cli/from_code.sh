#!/usr/bin/env bash
# quobrix --from-code draws a program's flowchart without a display and
# names the line and column of a fault in one line.
set -u
q=${QUOBRIX_PROGRAM:?}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

cat > "$dir/sum.pas" <<'PROGRAM'
program Sum;
var n, i: integer; s: real;
begin
  readln(n);
  s := 0;
  for i := 1 to n do
    s := s + 1 / (i * i);
  writeln('Сумма = ', s:8:4)
end.
PROGRAM
"$q" --from-code "$dir/sum.pas" "$dir/sum.qbs" 2>"$dir/err" || fail "--from-code exited $?: $(cat "$dir/err")"
[ ! -s "$dir/err" ] || fail "--from-code wrote to standard error: $(cat "$dir/err")"
"$q" --info "$dir/sum.qbs" | grep -q ": 20 blocks, 1 page(s)" || fail "chart: $("$q" --info "$dir/sum.qbs")"
grep -q $'^Text=||\xc2\xfb\xe2\xee\xe4 \'\xd1\xf3\xec\xec\xe0 = \', s\r$' "$dir/sum.qbs" ||
  fail "the output symbol does not read \"Вывод 'Сумма = ', s\" in code page 1251"

printf 'def f(x):\n    return x * 2\n\nprint(f(2))\n' > "$dir/double.PY"
"$q" --from-code "$dir/double.PY" "$dir/double.png" || fail "--from-code to a picture exited $?"
file "$dir/double.png" | grep -q "PNG image data, 793 x 1122" || fail "picture: $(file "$dir/double.png")"

expect_failure() {  # args: expected-words... -- command args
  local want=$1; shift
  local err
  err=$("$q" "$@" 2>&1 >/dev/null) && fail "'$*' succeeded"
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "'$*' printed more than one line: $err"
  [[ "$err" == *"$want"* ]] || fail "'$*' said '$err', expected '$want'"
}
printf 'begin\n  if a > 0\n    b := 1\nend.\n' > "$dir/bad.pas"
expect_failure 'bad.pas: line 3, column 5: expected "then", found "b"' --from-code "$dir/bad.pas" "$dir/bad.qbs"
[ ! -e "$dir/bad.qbs" ] || fail "a faulty program left a chart behind"
printf 'print("x ≤ y")\n' > "$dir/sign.py"
expect_failure 'line 1, column 10: the character "≤" (U+2264) cannot be written into a chart' \
  --from-code "$dir/sign.py" "$dir/sign.qbs"
# A text longer than any program is refused before it is read (sparse: takes no disk).
truncate -s 1900M "$dir/huge.pas"
expect_failure "huge.pas: the text is longer than 16 MiB" --from-code "$dir/huge.pas" "$dir/huge.qbs"
expect_failure "use .pas or .py" --from-code "$dir/sum.txt" "$dir/x.qbs"
expect_failure "cannot read" --from-code "$dir/missing.py" "$dir/x.qbs"
expect_failure "cannot write" --from-code "$dir/sum.pas" "$dir/no/such/dir/x.qbs"
"$q" --help | grep -q -- "--from-code" || fail "--help does not list --from-code"
echo "1 passed, 0 failed"
