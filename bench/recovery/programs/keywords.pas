{ errors at lines: 9 24 -- a 'then' missing, 'while' misspelt }
{ Greatest common divisors, by recursion and by a loop, and least common
  multiples, for pairs read from the input up to a pair of zeros. }
program gcd;
var a, b : integer;

function gcdrec(x, y : integer) : integer;
begin
  if y = 0  gcdrec := x else gcdrec := gcdrec(y, x mod y)
end;

function gcdloop(x, y : integer) : integer;
var r : integer;
begin
  while y <> 0 do
  begin
    r := x mod y; x := y; y := r
  end;
  gcdloop := x
end;

begin
  read(a, b);
  whle (a <> 0) or (b <> 0) do
  begin
    write(gcdrec(a, b), gcdloop(a, b));
    if gcdrec(a, b) <> 0 then write(a div gcdrec(a, b) * b);
    read(a, b)
  end
end.
