{ Functions that return booleans and characters: tests of numbers and
  characters, a conversion to upper case, and a digit as a character. }
program functions;
var i : integer;
    c : char;

function even(n : integer) : boolean;
begin
  even := n mod 2 = 0
end;

function prime(n : integer) : boolean;
var d : integer;
    found : boolean;
begin
  found := n < 2;
  d := 2;
  while (d * d <= n) and not found do
  begin
    if n mod d = 0 then found := true;
    d := d + 1
  end;
  prime := not found
end;

function isletter(c : char) : boolean;
begin
  isletter := (c >= 'a') and (c <= 'z') or (c >= 'A') and (c <= 'Z')
end;

function upper(c : char) : char;
begin
  if (c >= 'a') and (c <= 'z') then upper := chr(ord(c) - ord('a') + ord('A'))
  else upper := c
end;

function digit(n : integer) : char;
begin
  digit := chr(ord('0') + n mod 10)
end;

begin
  for i := 1 to 12 do
    if prime(i) then write(i, even(i));
  for c := 'x' to '{' do write(isletter(c), upper(c));
  write(digit(7), digit(123), upper('?'))
end.
