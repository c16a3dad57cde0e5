{ Arrays of arrays: a row of a two-dimensional array as a whole value,
  assigned, compared and passed by value; elements as a[i][j] and a[i, j]. }
program rows;
type row = array [0..3] of integer;
     grid = array [1..3] of row;
var g, h : grid;
    r : row;
    i, j : integer;

procedure show(x : row);
var k : integer;
begin
  for k := 0 to 3 do write(x[k])
end;

function total(x : grid) : integer;
var a, b, s : integer;
begin
  s := 0;
  for a := 1 to 3 do
    for b := 0 to 3 do s := s + x[a][b];
  total := s
end;

begin
  for i := 1 to 3 do
    for j := 0 to 3 do g[i, j] := 10 * i + j;
  r := g[2];
  show(r);
  show(g[3]);
  g[1] := g[3];
  show(g[1]);
  write(g[1] = g[3], g[1] <> g[2], r = g[2]);
  h := g;
  write(h = g, total(h));
  h[2][1] := 0;
  write(h = g, total(h));
  i := 2;
  h[i + 1] := r;
  show(h[3])
end.
