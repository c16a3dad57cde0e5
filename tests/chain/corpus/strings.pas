{ String output: literals with blanks and punctuation, constants, the same
  literal used twice (kept once in the string table), strings in procedures
  and written beside other values. }
program strings;
const title = "A table of squares";
      dashes = "------------------";
var i : integer;

procedure line(n : integer);
begin
  write("n =", n, "n * n =", n * n)
end;

begin
  write(title);
  write(dashes);
  for i := 1 to 3 do line(i);
  write(dashes);
  write("Symbols: !#$%&'()*+,-./:;<=>?@[]^_`{|}~");
  write("done")
end.
