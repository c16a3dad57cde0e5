{ An index outside the bounds of an array ends the program with KAM's
  message and exit status 2, after the output before it. }
program bounds;
var a : array [1..5] of integer;
    i, n : integer;
begin
  read(n);
  for i := 1 to n do
  begin
    a[i] := i * i;
    write(a[i])
  end;
  write("not reached")
end.
