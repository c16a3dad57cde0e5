{ Procedures nested to the 15 levels of KAM's display: the innermost one
  reaches variables of every level around it. }
program levels;
var v1 : integer;
procedure p2; var v2 : integer;
 procedure p3; var v3 : integer;
  procedure p4; var v4 : integer;
   procedure p5; var v5 : integer;
    procedure p6; var v6 : integer;
     procedure p7; var v7 : integer;
      procedure p8; var v8 : integer;
       procedure p9; var v9 : integer;
        procedure p10; var v10 : integer;
         procedure p11; var v11 : integer;
          procedure p12; var v12 : integer;
           procedure p13; var v13 : integer;
            procedure p14; var v14 : integer;
             procedure p15; var v15 : integer;
             begin
               v15 := 15;
               v1 := v1 + v2 + v3 + v4 + v5 + v6 + v7 + v8 + v9 + v10 + v11 + v12 + v13
                     + v14 + v15
             end;
            begin v14 := 14; p15 end;
           begin v13 := 13; p14 end;
          begin v12 := 12; p13 end;
         begin v11 := 11; p12 end;
        begin v10 := 10; p11 end;
       begin v9 := 9; p10 end;
      begin v8 := 8; p9 end;
     begin v7 := 7; p8 end;
    begin v6 := 6; p7 end;
   begin v5 := 5; p6 end;
  begin v4 := 4; p5 end;
 begin v3 := 3; p4 end;
begin v2 := 2; p3 end;
begin
  v1 := 1;
  p2;
  write(v1)
end.
