{ Fibonacci numbers by recursion, by a loop, and in an array. }
program fibonacci;
var f : array [0..40] of integer;
    i : integer;

function fib(n : integer) : integer;
begin
  if n < 2 then fib := n else fib := fib(n - 1) + fib(n - 2)
end;

function fibloop(n : integer) : integer;
var a, b, t, k : integer;
begin
  a := 0; b := 1;
  for k := 1 to n do
  begin
    t := a + b; a := b; b := t
  end;
  fibloop := a
end;

begin
  for i := 0 to 12 do write(fib(i));
  write(fibloop(30), fibloop(46), fibloop(47));
  f[0] := 0; f[1] := 1;
  for i := 2 to 40 do f[i] := f[i - 1] + f[i - 2];
  write(f[40], f[40] = fibloop(40))
end.
