{ Statement sequences: empty statements, nested compound statements,
  semicolons before end, and while loops whose bodies are empty or never
  run. }
program statements;
var i, j : integer;
begin
  ;;
  i := 0;
  begin
    begin
      i := i + 1;
    end;
    begin end;
    i := i + 10;
  end;
  write(i);
  while i > 100 do i := i + 1;
  while i < 20 do i := i + 3;
  write(i);
  j := 0;
  repeat until true;
  repeat ; j := j + 1; until j >= 3;
  write(j);
  for i := 1 to 3 do ;
  write(i)
end.
