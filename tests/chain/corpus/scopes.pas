{ Names and scopes: locals, parameters and procedures that hide globals of
  the same name, a function that calls itself by its name while assigning its
  result, and names in any letter case. }
program scopes;
var x, y, count : integer;

procedure show(x : integer);
var y : integer;
begin
  y := x * 10;
  write(x, y)
end;

procedure change;
var x : integer;
begin
  x := 99;
  y := x + 1
end;

function Power(Base, Exp : integer) : integer;
begin
  if exp = 0 then power := 1
  else power := base * POWER(base, exp - 1)
end;

procedure counter;
  procedure count;
  begin
    x := x + 1
  end;
begin
  count; count
end;

begin
  x := 1; y := 2;
  show(5);
  write(x, y);
  change;
  write(x, y);
  write(power(2, 10), Power(3, 4));
  count := 5;
  counter;
  write(x, count)
end.
