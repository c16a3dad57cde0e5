program short;
var x : integer;
begin
  x := 1;
  write(x
