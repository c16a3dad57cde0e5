{ The n-queens problem: the number of ways to place n queens on an n x n
  board for n from 1 to 8, and the first solution for 8. }
program queens;
var col : array [1..8] of integer;
    used : array [1..8] of boolean;
    up : array [2..16] of boolean;
    down : array [-7..7] of boolean;
    n, count, k : integer;
    shown : boolean;

procedure place(row : integer);
var c : integer;
begin
  for c := 1 to n do
    if not used[c] and not up[row + c] and not down[row - c] then
    begin
      col[row] := c;
      if row = n then
      begin
        count := count + 1;
        if (n = 8) and not shown then
        begin
          shown := true;
          for k := 1 to 8 do write(col[k])
        end
      end
      else
      begin
        used[c] := true; up[row + c] := true; down[row - c] := true;
        place(row + 1);
        used[c] := false; up[row + c] := false; down[row - c] := false
      end
    end
end;

begin
  shown := false;
  for n := 1 to 8 do
  begin
    count := 0;
    place(1);
    write(count)
  end
end.
