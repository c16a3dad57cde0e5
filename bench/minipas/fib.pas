{ Benchmark: Fibonacci numbers by plain recursion, one procedure frame
  per call; fib(30) computed 20 times, the last result written. }
program fib;
const n = 30;
      rounds = 20;
var result, round : integer;

function fib(k : integer) : integer;
begin
  if k < 2 then fib := k
  else fib := fib(k - 1) + fib(k - 2)
end;

begin
  for round := 1 to rounds do
    result := fib(n);
  write(result)
end.
