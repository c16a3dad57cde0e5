{ Quicksort of numbers read from the input: first their count, then one
  number a line; the sorted numbers are written. }
program quicksort;
const most = 50;
var a : array [1..most] of integer;
    n, i : integer;

procedure swap(var x, y : integer);
var t : integer;
begin
  t := x; x := y; y := t
end;

procedure sort(low, high : integer);
var i, j, pivot : integer;
begin
  i := low; j := high;
  pivot := a[(low + high) div 2];
  repeat
    while a[i] < pivot do i := i + 1;
    while a[j] > pivot do j := j - 1;
    if i <= j then
    begin
      swap(a[i], a[j]);
      i := i + 1; j := j - 1
    end
  until i > j;
  if low < j then sort(low, j);
  if i < high then sort(i, high)
end;

begin
  read(n);
  for i := 1 to n do read(a[i]);
  sort(1, n);
  for i := 1 to n do write(a[i])
end.
