{ Ackermann's function for small arguments, the recursion kept within
  KAM's stacks of 100 words and 100 return addresses; the deepest call is
  counted. }
program ackermann;
var depth, deepest, m, n : integer;

function ack(m, n : integer) : integer;
begin
  depth := depth + 1;
  if depth > deepest then deepest := depth;
  if m = 0 then ack := n + 1
  else if n = 0 then ack := ack(m - 1, 1)
  else ack := ack(m - 1, ack(m, n - 1));
  depth := depth - 1
end;

begin
  deepest := 0;
  for m := 0 to 2 do
    for n := 0 to 3 do
    begin
      depth := 0;
      write(ack(m, n))
    end;
  write(ack(3, 2));
  write("deepest recursion:", deepest)
end.
