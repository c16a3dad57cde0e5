{ Binary search in a sorted array: the position of each number read, or 0
  when it is not there, and the number of probes. }
program binsearch;
const n = 15;
var a : array [1..n] of integer;
    i, key, probes : integer;

function find(key : integer; var probes : integer) : integer;
var low, high, middle : integer;
    found : boolean;
begin
  low := 1; high := n; found := false;
  find := 0;
  probes := 0;
  while (low <= high) and not found do
  begin
    middle := (low + high) div 2;
    probes := probes + 1;
    if a[middle] = key then
    begin
      find := middle;
      found := true
    end
    else if a[middle] < key then low := middle + 1
    else high := middle - 1
  end
end;

begin
  for i := 1 to n do a[i] := 3 * i - 1;
  read(key);
  while key >= 0 do
  begin
    write(find(key, probes), probes);
    read(key)
  end
end.
