begin
  if a > 0
    b := 1
end.
