{ The Towers of Hanoi: the moves for three discs (the disc, the peg it
  leaves and the peg it goes to) and their number, by recursion. }
program hanoi;
var moves : integer;

procedure move(n : integer; source, target, spare : char);
begin
  if n > 0 then
  begin
    move(n - 1, source, spare, target);
    moves := moves + 1;
    write(n, source, target);
    move(n - 1, spare, target, source)
  end
end;

begin
  moves := 0;
  move(3, 'A', 'C', 'B');
  writeln("moves:", moves)
end.
