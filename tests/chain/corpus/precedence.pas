{ Operators and their precedence: * div mod and before + - or before the
  comparisons, unary minus, not, parentheses, and mod and div of negative
  numbers (the sign follows the dividend). }
program precedence;
var a, b, c : integer;
    p, q : boolean;
begin
  a := 7; b := 3; c := -2;
  write(a + b * c, (a + b) * c, a - b - c, a - (b - c));
  write(a div b * b + a mod b, -a + b, -(a + b), - a * b);
  write(a mod b, -a mod b, (-a) mod b, a div (-b), (-a) div (-b));
  write(17 mod 5 * 2, 2 * 17 mod 5, 100 div 10 div 5);
  p := true; q := false;
  write(p or q and false, (p or q) and false, not p or q, not (p or q));
  write(a > b, a < b, a = 7, a <> 7, b >= 3, c <= -3);
  write((a > b) = (b > c), p and (a > b) or q);
  write(false < true, 'a' < 'b', 'Z' < 'a');
  write(1 + 2 * 3 - 4 div 2 mod 3, $10 + $a)
end.
