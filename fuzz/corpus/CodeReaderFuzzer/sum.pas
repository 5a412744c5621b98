program Sum;
var n, i: integer; s: real;
begin
  readln(n);
  s := 0;
  for i := 1 to n do
    s := s + 1 / (i * i);
  writeln('Сумма = ', s:8:4)
end.
