{ A stack of integers in an array with a top index, used to evaluate
  expressions in reverse Polish notation read from the input: a number per
  line as 'n' and its value, an operator as its character, '=' to write
  the result and '.' to end. }
program stack;
var items : array [1..20] of integer;
    top : integer;
    c : char;
    v : integer;

procedure push(v : integer);
begin
  top := top + 1;
  items[top] := v
end;

function pop : integer;
begin
  pop := items[top];
  top := top - 1
end;

procedure apply(op : char);
var right, left : integer;
begin
  right := pop;
  left := pop;
  if op = '+' then push(left + right)
  else if op = '-' then push(left - right)
  else if op = '*' then push(left * right)
  else if op = '/' then push(left div right)
end;

begin
  top := 0;
  read(c);
  while c <> '.' do
  begin
    if c = 'n' then
    begin
      read(v);
      push(v)
    end
    else if c = '=' then write(pop)
    else apply(c);
    read(c)
  end;
  write(top)
end.
