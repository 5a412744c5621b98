#!/usr/bin/env bash
# quobrix --to-code writes the program a flowchart draws, in the language of
# the output's extension, and names the symbol where a chart has none.
set -u
q=${QUOBRIX_PROGRAM:?}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

cat > "$dir/digits.pas" <<'PROGRAM'
program Digits;
var n, s: integer;
begin
  readln(n);
  s := 0;
  while n > 0 do
  begin
    s := s + n mod 10;
    n := n div 10
  end;
  writeln('Сумма: ', s)
end.
PROGRAM
"$q" --from-code "$dir/digits.pas" "$dir/digits.qbs" || fail "--from-code exited $?"
"$q" --to-code "$dir/digits.qbs" "$dir/digits.py" 2>"$dir/err" || fail "--to-code exited $?: $(cat "$dir/err")"
[ ! -s "$dir/err" ] || fail "--to-code wrote to standard error: $(cat "$dir/err")"
cat > "$dir/expected.py" <<'PROGRAM'
n = int(input())
s = 0
while n > 0:
    s = s + n % 10
    n = n // 10
print('Сумма: ', s)
PROGRAM
diff "$dir/expected.py" "$dir/digits.py" || fail "the Python program differs"
"$q" --to-code "$dir/digits.qbs" "$dir/Digits.PAS" || fail "--to-code to Pascal exited $?"
grep -q "^  while n > 0 do$" "$dir/Digits.PAS" || fail "Pascal: $(cat "$dir/Digits.PAS")"

expect_failure() {  # args: expected-words... -- command args
  local want=$1; shift
  local err
  err=$("$q" "$@" 2>&1 >/dev/null) && fail "'$*' succeeded"
  [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "'$*' printed more than one line: $err"
  [[ "$err" == *"$want"* ]] || fail "'$*' said '$err', expected '$want'"
}
# The line out of "s := 0" moved away: the flow stops there.
perl -0pe 's/X=10400(\r?\n)Y=9800/X=30000$1Y=9800/' "$dir/digits.qbs" > "$dir/broken.qbs"
expect_failure 'broken.qbs: the flow stops at a symbol that is no end, symbol 5 "s := 0" at 79.0, 82.0 mm' \
  --to-code "$dir/broken.qbs" "$dir/broken.py"
[ ! -e "$dir/broken.py" ] || fail "a refused chart left a program behind"
expect_failure "use .pas or .py" --to-code "$dir/digits.qbs" "$dir/x.txt"
expect_failure "not a chart file" --to-code "$dir/digits.pas" "$dir/x.py"
expect_failure "cannot write" --to-code "$dir/digits.qbs" "$dir/no/such/dir/x.py"
"$q" --help | grep -q -- "--to-code" || fail "--help does not list --to-code"
echo "1 passed, 0 failed"
