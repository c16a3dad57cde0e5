{ Pascal's triangle: the rows up to row 12 computed in one array, each row
  written as its sum and its middle number. }
program triangle;
var c : array [0..12] of integer;
    n, k, sum : integer;
begin
  c[0] := 1;
  for n := 1 to 12 do
  begin
    c[n] := 1;
    for k := n - 1 downto 1 do c[k] := c[k] + c[k - 1];
    sum := 0;
    for k := 0 to n do sum := sum + c[k];
    write(sum, c[n div 2])
  end
end.
