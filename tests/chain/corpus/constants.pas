{ Constants and named types: decimal, hexadecimal and negative constants,
  constants made of constants, character and boolean constants, and array
  types with constant bounds. }
program constants;
const size = 4;
      last = size;
      low = -size;
      mask = $FF;
      star = '*';
      yes = true;
      title = "constants";
type range = array [low..last] of integer;
     letters = array ['a'..'d'] of char;
     table = array [1..size, 1..2] of boolean;
var r : range;
    l : letters;
    t : table;
    i : integer;
    c : char;
begin
  write(title, size, last, low, mask, star, yes, -mask);
  for i := low to last do r[i] := i * i;
  write(r[low], r[0], r[last]);
  for c := 'a' to 'd' do l[c] := star;
  l['b'] := 'B';
  write(l['a'], l['b']);
  for i := 1 to size do
  begin
    t[i, 1] := yes;
    t[i, 2] := not yes
  end;
  write(t[size, 1], t[1, 2], maxint)
end.
