{ Adds the numbers from a value read from the input up to a limit. }
program sum;
const limit = $10;
var i : integer;
    total : integer;
    done : boolean;
procedure show(n : integer);
begin
  write(n)
end;
begin
  read(i);
  total := 0;
  done := false;
  while i < limit do
  begin
    total := total + i * 2 div 2;
    i := i + 1
  end;
  if not done then
  begin
    show(total)
  end
  else
  begin
    write(total, -1)
  end
end.
