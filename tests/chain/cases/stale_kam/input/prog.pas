program prog;
var i : integer;
begin
  i := 6 * 7;
  write(i)
end.
