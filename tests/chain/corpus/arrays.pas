{ Whole arrays: assignment and comparison of arrays of the same type,
  arrays passed by value (the callee's changes stay its own), arrays
  indexed by characters and with negative bounds. }
program arrays;
type vec = array [1..6] of integer;
var a, b : vec;
    counts : array ['a'..'e'] of integer;
    signs : array [-3..3] of boolean;
    i : integer;
    c : char;

function sum(v : vec) : integer;
var k, s : integer;
begin
  s := 0;
  for k := 1 to 6 do
  begin
    s := s + v[k];
    v[k] := 0
  end;
  sum := s
end;

procedure reverse(v : vec);
var k : integer;
begin
  for k := 1 to 6 do b[k] := v[7 - k]
end;

begin
  for i := 1 to 6 do a[i] := i * i;
  b := a;
  write(a = b, a <> b, sum(a), a[6]);
  b[3] := 0;
  write(a = b, a <> b);
  reverse(a);
  for i := 1 to 6 do write(b[i]);
  for c := 'a' to 'e' do counts[c] := 0;
  c := 'c';
  counts[c] := counts[c] + 2;
  counts['e'] := 7;
  for c := 'a' to 'e' do write(counts[c]);
  for i := -3 to 3 do signs[i] := i < 0;
  write(signs[-3], signs[0], signs[3])
end.
