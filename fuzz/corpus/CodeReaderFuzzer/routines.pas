program Procs;
var a, b, k: integer;

procedure Swap(var x, y: integer);
var t: integer;
begin
  t := x; x := y; y := t
end;

function Gcd(m, n: integer): integer;
begin
  while n <> 0 do
  begin
    k := m mod n;
    m := n;
    n := k
  end;
  Gcd := m
end;

begin
  readln(a, b);
  if a < b then Swap(a, b);
  repeat
    a := a - 1;
    if a = 5 then break;
  until a < b;
  case a of
    1: writeln('one');
    2, 3: writeln('few');
  else
    writeln('many')
  end;
  writeln(Gcd(a, b))
end.
