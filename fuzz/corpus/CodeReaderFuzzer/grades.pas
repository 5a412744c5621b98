program Grades;
var mark: integer;
begin
  repeat
    readln(mark);
    case mark of
      5: writeln('excellent');
      4: writeln('good');
      3: writeln('fair');
      1, 2: writeln('poor')
    else
      writeln('no such mark')
    end
  until mark = 0
end.
