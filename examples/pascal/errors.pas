{ Semantic errors: each is reported at its line, in the listing too, and
  counted in the exit status; no KAM code is written. }
program errors;
const limit = 10;
var total : integer;
    done : boolean;
    a : array [1..limit] of integer;
procedure add(var sum : integer; n : integer);
begin
  sum := sum + n
end;
begin
  total := 0;
  limit := 5;
  done := total;
  add(total + 1, 2);
  a[11] := 1;
  while total do write(count)
end.
