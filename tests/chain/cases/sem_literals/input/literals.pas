{ Literals: numbers beyond a KAM word, strings a KAM string table cannot
  hold as they are, and a backslash, which prints differently after a
  translation (a warning). }
program literals;
const most = 2147483647;
      hex = $FFFFFFFF;
var i : integer;
begin
  i := 2147483648;
  i := $100000000;
  i := most + hex;
  i := 0000000000002147483647 + $000000000000000ff + 0;
  i := 99999999999;
  i := $fffffffff;
  write("");
  write("a backslash \ in a string");
  write("a string of more than a hundred characters, which is longer than the line of a KAM string table may be")
end.
