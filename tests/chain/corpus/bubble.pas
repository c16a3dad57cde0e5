{ Bubble sort of characters read from the input, one a line, up to a
  full stop; the sorted characters and the number of swaps. }
program bubble;
var s : array [1..30] of char;
    n, i, j, swaps : integer;
    c : char;
    done : boolean;
begin
  n := 0;
  read(c);
  while (c <> '.') and (n < 30) do
  begin
    n := n + 1;
    s[n] := c;
    read(c)
  end;
  swaps := 0;
  i := n;
  repeat
    done := true;
    for j := 1 to i - 1 do
      if s[j] > s[j + 1] then
      begin
        c := s[j]; s[j] := s[j + 1]; s[j + 1] := c;
        swaps := swaps + 1;
        done := false
      end;
    i := i - 1
  until done;
  for i := 1 to n do write(s[i]);
  write("swaps:", swaps)
end.
