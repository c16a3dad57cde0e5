{ Benchmark: the number of ways to place n queens on an n x n board, for
  every n up to 11, by backtracking over arrays of booleans; twelve rounds,
  the counts of the last are written. }
program queens;
const most = 11;
      rounds = 12;
var used : array [1..most] of boolean;
    up : array [2..22] of boolean;
    down : array [-10..10] of boolean;
    n, count, round : integer;

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
  for round := 1 to rounds do
    for n := 1 to most do
    begin
      count := 0;
      place(1);
      if round = rounds then write(count)
    end
end.
