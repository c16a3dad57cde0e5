{ if statements: else chains, an else that belongs to the nearest then,
  empty branches, and conditions with and, or and not. }
program ifelse;
var i : integer;

procedure classify(n : integer);
begin
  if n < 0 then write("negative")
  else if n = 0 then write("zero")
  else if n < 10 then write("small")
  else write("large")
end;

begin
  for i := -1 to 11 do
    if i mod 4 = 3 then classify(i);
  classify(0);
  i := 5;
  if i > 0 then
    if i > 10 then write("above ten")
    else write("between one and ten");
  if i > 10 then
    if i > 20 then write("above twenty")
    else write("between eleven and twenty");
  if i = 5 then else write("not reached");
  if i <> 5 then write("not reached") else;
  if not (i < 0) and (i <> 3) or false then write("condition holds");
  if (i > 2) and (i < 4) then write("not reached") else write(i)
end.
