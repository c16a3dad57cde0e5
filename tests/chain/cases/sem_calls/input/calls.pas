{ Calls: the number of arguments, var parameters that need variables of
  their own type, and routines used as what they are not. }
program calls;
var i : integer;
    c : char;
    a : array [1..2] of integer;
procedure two(x : integer; var y : integer);
begin
  y := x
end;
function half(n : integer) : integer;
begin
  half := n div 2
end;
procedure arr(v : array [1..2] of integer; var w : array [1..2] of integer);
begin
end;
begin
  two(1);
  two(1, 2, 3);
  two(1, 2);
  two(1, i + 1);
  two(1, c);
  two('x', i);
  two(1, a[1]);
  two(1, half(4));
  i := half;
  i := half(1, 2);
  half(4);
  i := two(1, i);
  arr(a, a)
end.
