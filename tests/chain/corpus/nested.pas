{ Nested procedures that change the variables of the blocks around them,
  three levels deep, with recursion at the inner level. }
program nested;
var total, calls : integer;

procedure outer(n : integer);
var sum : integer;

  procedure middle(k : integer);
  var twice : integer;

    procedure inner(d : integer);
    begin
      calls := calls + 1;
      sum := sum + d;
      twice := twice + 2 * d;
      if d > 1 then inner(d - 1)
    end;

  begin
    twice := 0;
    inner(k);
    write(twice);
    total := total + twice
  end;

begin
  sum := 0;
  middle(n);
  middle(n + 1);
  write(sum)
end;

begin
  total := 0; calls := 0;
  outer(3);
  outer(5);
  write(total, calls)
end.
