{ Names: undeclared, declared twice, and used as what they are not. }
program names;
const c = 1;
type t = integer;
var x, y, x : integer;
    v : u;
    w : c;
procedure p;
var y : integer;   { hides the global y: no error }
begin
  y := 2
end;
function f : integer;
begin
  f := 3
end;
procedure p;
begin
end;
begin
  x := z;
  x := z + 1;
  x := t;
  t := 1;
  x := p;
  c := 2;
  p := 1;
  f := 4;
  x(1);
  x := c(2);
  y := y(1);
  f;
  p(1)
end.
