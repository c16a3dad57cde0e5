{ The Towers of Hanoi: the moves for four discs, each as the disc and the
  two pegs, and the number of moves. }
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
  move(4, 'A', 'C', 'B');
  write("moves:", moves)
end.
