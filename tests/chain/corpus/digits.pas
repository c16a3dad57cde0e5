{ Digits of numbers: the digits of a number as characters, its digit sum,
  the number reversed, and a check whether it is a palindrome; the numbers
  come from the input up to a zero. }
program digits;
var n : integer;

procedure split(n : integer; var sum, reversed : integer);
begin
  sum := 0; reversed := 0;
  while n > 0 do
  begin
    sum := sum + n mod 10;
    reversed := reversed * 10 + n mod 10;
    n := n div 10
  end
end;

procedure show(n : integer);
begin
  if n >= 10 then show(n div 10);
  write(chr(ord('0') + n mod 10))
end;

function palindrome(n : integer) : boolean;
var s, r : integer;
begin
  split(n, s, r);
  palindrome := r = n
end;

var sum, reversed : integer;
begin
  read(n);
  while n > 0 do
  begin
    show(n);
    split(n, sum, reversed);
    write(sum, reversed, palindrome(n));
    read(n)
  end
end.
