(* Every kind of token of the scanner: comments of both kinds, keywords in
   any letter case, hexadecimal and decimal numbers, all operators. *)
PROGRAM Tokens;
CONST big = $FF; small = 7;
VAR a : Integer; b : INTEGER; ok : BOOLEAN;
{ a brace comment * with a star }
Begin
  a := big - small * (3 / 1) div 1;
  b := -a + $0a;
  ok := (a < b); ok := a > b; ok := a = b;
  IF ok THEN begin write(a, b) end ELSE begin write(b) end;
  While NOT ok do ok := TRUE;
  read(a)
End.
