{ for loops: upwards and downwards, empty ranges in both directions, one
  round, bounds evaluated once, loops over characters and booleans, a loop
  up to maxint that ends, and the control variable after the loop. }
program forloops;
var i, n, rounds : integer;
    c : char;
    b : boolean;
begin
  for i := 1 to 5 do write(i);
  for i := 5 downto 1 do write(i);
  rounds := 0;
  for i := 1 to 0 do rounds := rounds + 1;
  for i := 0 downto 1 do rounds := rounds + 1;
  write("empty ranges:", rounds);
  for i := 7 to 7 do write(i);
  n := 3;
  for i := 1 to n do n := n + 1;
  write("bound evaluated once:", n);
  for c := 'a' to 'e' do write(c);
  for c := 'z' downto 'x' do write(c);
  for b := false to true do write(b);
  rounds := 0;
  for i := maxint - 2 to maxint do rounds := rounds + 1;
  write(rounds, i);
  rounds := 0;
  for i := -maxint - 1 + 2 downto -maxint - 1 do rounds := rounds + 1;
  write(rounds, i);
  for i := 1 to 3 do
    for n := i downto 1 do write(10 * i + n)
end.
