{ Type mismatches in assignments, operators, comparisons, conditions,
  loops, indexes, reading and writing. }
program types;
var i : integer;
    b : boolean;
    c : char;
    a : array [1..3] of integer;
    d : array [1..4] of integer;
function f : boolean;
begin
  f := 1
end;
function g : array [1..2] of integer;
begin
end;
begin
  i := true;
  b := 1;
  c := 65;
  i := c;
  i := i + b;
  b := b and i;
  i := -b;
  b := not i;
  b := i < c;
  b := a < a;
  b := a = d;
  b := "x" = "y";
  i := ord(a);
  c := chr(c);
  if i then i := 1;
  while c do c := 'a';
  repeat i := 0 until 7;
  for i := 'a' to 10 do b := true;
  for c := 1 to 2 do b := true;
  for b := false to true do i := i div 2;
  a[c] := 1;
  a := d;
  a := 1;
  write(a);
  read(a);
  i := "text"
end.
