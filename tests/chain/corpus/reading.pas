{ Reading integers, booleans and characters, one a line, into variables,
  array elements, var parameters and a function's result; read without
  variables skips a line. }
program reading;
var n, i : integer;
    b : boolean;
    c : char;
    v : array [1..3] of integer;
    flags : array ['a'..'c'] of boolean;
    grid : array [1..2, 1..2] of char;

procedure get(var x : integer);
begin
  read(x)
end;

function next : integer;
begin
  read(next)
end;

begin
  read(n, b, c);
  write(n, b, c);
  for i := 1 to 3 do read(v[i]);
  write(v[1] + v[2] + v[3]);
  read(flags['a'], flags['b'], flags['c']);
  write(flags['a'], flags['b'], flags['c']);
  readln;
  get(n);
  get(v[2]);
  write(n, v[2]);
  write(next * 2);
  read(grid[1, 1], grid[2, 2]);
  write(grid[2, 2], grid[1, 1])
end.
