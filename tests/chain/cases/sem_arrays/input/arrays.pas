{ Array types: bounds that are not constants, reversed or of different
  types, indexes outside constant bounds, arrays too large for KAM's
  evaluation stack or for the compiler. }
program arrays;
const n = 10;
var k : integer;
    a : array [1..k] of integer;
    b : array [10..1] of integer;
    c : array [1..'z'] of integer;
    d : array [false..true] of integer;
    e : array [1..n, 'a'..'c'] of integer;
    big, other : array [1..60] of integer;
    huge : array [1..100000, 1..1000] of integer;
    fine : array [1..n * 2 - 1] of char;
begin
  e[11, 'a'] := 1;
  e[1, 'd'] := 1;
  e[0] := e[1];
  fine[n * 2] := 'x';
  big := other;
  k := ord(big = other)
end.
