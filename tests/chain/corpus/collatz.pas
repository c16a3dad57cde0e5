{ repeat loops: the Collatz sequence of a few numbers, its length and its
  highest value. }
program collatz;
var start, n, steps, high : integer;
begin
  for start := 5 to 9 do
  begin
    n := start; steps := 0; high := n;
    repeat
      if n mod 2 = 0 then n := n div 2 else n := 3 * n + 1;
      steps := steps + 1;
      if n > high then high := n
    until n = 1;
    write(start, steps, high)
  end;
  n := 27; steps := 0;
  repeat n := n + 1; steps := steps + 1 until true;
  write(steps)
end.
