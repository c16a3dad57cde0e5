{ Dynamic programming: the length of the longest common subsequence of two
  words read from the input (letters one a line, each word ended by a full
  stop), from a table of lengths, and one such subsequence. }
program lcs;
const most = 12;
var x, y : array [1..most] of char;
    table : array [0..most, 0..most] of integer;
    m, n, i, j : integer;
    common : array [1..most] of char;
    k : integer;

procedure readword(var length : integer; first : boolean);
var c : char;
begin
  length := 0;
  read(c);
  while c <> '.' do
  begin
    length := length + 1;
    if first then x[length] := c else y[length] := c;
    read(c)
  end
end;

function max(a, b : integer) : integer;
begin
  if a > b then max := a else max := b
end;

begin
  readword(m, true);
  readword(n, false);
  for i := 0 to m do table[i, 0] := 0;
  for j := 0 to n do table[0, j] := 0;
  for i := 1 to m do
    for j := 1 to n do
      if x[i] = y[j] then table[i, j] := table[i - 1, j - 1] + 1
      else table[i, j] := max(table[i - 1, j], table[i, j - 1]);
  write(table[m, n]);
  i := m; j := n; k := table[m, n];
  while k > 0 do
    if x[i] = y[j] then
    begin
      common[k] := x[i];
      k := k - 1; i := i - 1; j := j - 1
    end
    else if table[i - 1, j] >= table[i, j - 1] then i := i - 1
    else j := j - 1;
  for k := 1 to table[m, n] do write(common[k])
end.
