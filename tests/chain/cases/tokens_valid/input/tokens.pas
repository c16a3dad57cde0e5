(* Every kind of token of the scanner: comments of both kinds, keywords in
   any letter case, hexadecimal and decimal numbers, characters, strings
   and all operators. *)
PROGRAM Tokens;
CONST big = $FF; small = 7; star = '*'; title = "tokens";
TYPE Pair = ARRAY [1..2] OF Integer;
VAR a : Integer; b : INTEGER; ok : BOOLEAN; c : Char; p : pair;
{ a brace comment * with a star }
FUNCTION Twice(n : integer) : integer;
BEGIN twice := 2 * n END;
PROCEDURE Bump(VAR n : integer);
BEGIN n := n + 1 END;
Begin
  a := big - small * (3 / 1) div 1 mod 100;
  b := -a + $0a;
  ok := (a < b); ok := a > b; ok := a = b; ok := a <> b;
  ok := (a <= b) And (a >= b) OR NOT ok;
  IF ok THEN begin write(a, b) end ELSE begin writeln(b, title) end;
  While NOT ok do ok := TRUE;
  Repeat bump(a) Until a > 0;
  FOR a := 1 TO 2 DO p[a] := twice(a);
  For a := 2 DownTo 1 Do write(p[a]);
  c := chr(ord(star) + 1);
  write(c, FALSE);
  read(a); readln
End.
