{ var parameters: swaps of variables, of array elements and through a var
  parameter passed on, a procedure that returns two results, and
  increments of a global through a parameter. }
program swaps;
var a, b : integer;
    c, d : char;
    v : array [1..5] of integer;
    i, q, r : integer;
    flag : boolean;

procedure swap(var x, y : integer);
var t : integer;
begin
  t := x; x := y; y := t
end;

procedure swapchars(var x, y : char);
var t : char;
begin
  t := x; x := y; y := t
end;

procedure order(var x, y : integer);
begin
  if x > y then swap(x, y)
end;

procedure divide(n, m : integer; var quotient, remainder : integer);
begin
  quotient := n div m;
  remainder := n mod m
end;

procedure bump(var n : integer; by : integer);
begin
  n := n + by
end;

procedure toggle(var b : boolean);
begin
  b := not b
end;

begin
  a := 1; b := 2;
  swap(a, b);
  write(a, b);
  c := 'p'; d := 'q';
  swapchars(c, d);
  write(c, d);
  for i := 1 to 5 do v[i] := 10 * i;
  swap(v[1], v[5]);
  swap(v[2], a);
  for i := 1 to 5 do write(v[i]);
  write(a);
  a := 9; b := 4;
  order(a, b);
  write(a, b);
  divide(47, 5, q, r);
  write(q, r);
  bump(v[3], 7);
  bump(a, v[3]);
  write(v[3], a);
  flag := false;
  toggle(flag);
  write(flag)
end.
