{ Integer arithmetic wraps around at 32 bits, as KAM words do: sums,
  differences and products past maxint, at run time and in constants. }
program wrap;
const big = maxint;
      small = -maxint - 1;
var a, b, i : integer;
begin
  a := maxint;
  b := a + 1;
  write(b, b - 1);
  write(small, big + 1 = small);
  a := 65536;
  write(a * a, a * 32768);
  a := 1;
  for i := 1 to 31 do a := a * 2;
  write(a, a - 1);
  a := -7;
  write(a div 2, a mod 2, -a div 2, 7 mod 3);
  write($7FFFFFFF, $80000000, $FFFFFFFF)
end.
