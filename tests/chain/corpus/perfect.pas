{ Perfect numbers below 10000 and the amicable pair below 300, from the
  sums of proper divisors. }
program perfect;
var n, m : integer;

function divisors(n : integer) : integer;
var d, s : integer;
begin
  s := 1;
  d := 2;
  while d * d <= n do
  begin
    if n mod d = 0 then
    begin
      s := s + d;
      if d * d <> n then s := s + n div d
    end;
    d := d + 1
  end;
  if n = 1 then s := 0;
  divisors := s
end;

begin
  for n := 2 to 9999 do
    if divisors(n) = n then write(n);
  for n := 2 to 300 do
  begin
    m := divisors(n);
    if (m > n) and (m <= 300) then
      if divisors(m) = n then write(n, m)
  end
end.
