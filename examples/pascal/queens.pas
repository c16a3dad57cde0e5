{ Eight queens: the number of ways to place n queens on an n x n board,
  for a board size read from the input, with arrays of booleans for the
  columns and diagonals in use. }
program queens;
const most = 10;
var used : array [1..most] of boolean;
    up : array [2..20] of boolean;
    down : array [-9..9] of boolean;
    n, count : integer;

procedure place(row : integer);
var c : integer;
begin
  for c := 1 to n do
    if not used[c] and not up[row + c] and not down[row - c] then
      if row = n then count := count + 1
      else
      begin
        used[c] := true; up[row + c] := true; down[row - c] := true;
        place(row + 1);
        used[c] := false; up[row + c] := false; down[row - c] := false
      end
end;

begin
  read(n);
  if (n < 1) or (n > most) then writeln("the size must be 1 to", most)
  else
  begin
    count := 0;
    place(1);
    writeln("solutions:", count)
  end
end.
