{ A division by zero at run time ends the program with KAM's message and
  exit status 2, after the output before it. }
program divzero;
var a, b, i : integer;
begin
  read(a);
  b := 3;
  for i := 1 to 5 do
  begin
    write(a div b);
    b := b - 1
  end;
  write("not reached")
end.
