program BubbleSort;
const N = 10;
var a: array[1..N] of integer;
    i, j, t: integer;
begin
  for i := 1 to N do
    readln(a[i]);
  for i := 1 to N - 1 do
    for j := 1 to N - i do
      if a[j] > a[j + 1] then
      begin
        t := a[j];
        a[j] := a[j + 1];
        a[j + 1] := t
      end;
  for i := 1 to N do
    write(a[i], ' ')
end.
