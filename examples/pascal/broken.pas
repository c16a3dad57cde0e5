{ Syntax errors: a missing semicolon, a missing operand, a stray
  token and an unknown character; one undeclared name. }
program broken;
var x : integer
begin
  x := x + ;
  x := 2 ) * 3;
  y := x ?;
  write(x)
end.
