{ Matrix product of a 3 x 4 and a 4 x 2 matrix, with two-dimensional
  arrays, and the transposed result. }
program matrix;
type left = array [1..3, 1..4] of integer;
     right = array [1..4, 1..2] of integer;
     result = array [1..3, 1..2] of integer;
var a : left;
    b : right;
    c : result;
    t : array [1..2, 1..3] of integer;
    i, j, k, s : integer;
begin
  for i := 1 to 3 do
    for j := 1 to 4 do a[i, j] := i + j;
  for i := 1 to 4 do
    for j := 1 to 2 do b[i, j] := i * j - 2;
  for i := 1 to 3 do
    for j := 1 to 2 do
    begin
      s := 0;
      for k := 1 to 4 do s := s + a[i, k] * b[k, j];
      c[i, j] := s
    end;
  for i := 1 to 3 do
    for j := 1 to 2 do write(c[i, j]);
  for i := 1 to 2 do
    for j := 1 to 3 do t[i][j] := c[j][i];
  write("transposed:");
  for i := 1 to 2 do
    for j := 1 to 3 do write(t[i, j])
end.
