{ Characters: ord and chr, comparisons, a Caesar cipher of a word read
  letter by letter, and counting vowels. }
program chars;
var word : array [1..20] of char;
    n, i, vowels : integer;
    c : char;

function shift(c : char; by : integer) : char;
begin
  if (c >= 'a') and (c <= 'z') then
    shift := chr((ord(c) - ord('a') + by) mod 26 + ord('a'))
  else
    shift := c
end;

function vowel(c : char) : boolean;
begin
  vowel := (c = 'a') or (c = 'e') or (c = 'i') or (c = 'o') or (c = 'u')
end;

begin
  write(ord('A'), ord('a'), chr(48), chr(ord('a') + 25), ord(' '));
  n := 0;
  read(c);
  while c <> '#' do
  begin
    n := n + 1;
    word[n] := c;
    read(c)
  end;
  vowels := 0;
  for i := 1 to n do
  begin
    write(shift(word[i], 3));
    if vowel(word[i]) then vowels := vowels + 1
  end;
  write("vowels:", vowels);
  for i := 1 to n do word[i] := shift(shift(word[i], 3), 23);
  for i := 1 to n do write(word[i])
end.
