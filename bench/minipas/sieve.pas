{ Benchmark: the sieve of Eratosthenes over the numbers up to 200000,
  done 120 times; the number of primes found. }
program sieve;
const size = 200000;
      rounds = 120;
var composite : array [2..size] of boolean;
    i, j, count, round : integer;
begin
  for round := 1 to rounds do
  begin
    for i := 2 to size do composite[i] := false;
    count := 0;
    for i := 2 to size do
      if not composite[i] then
      begin
        count := count + 1;
        j := i + i;
        while j <= size do
        begin
          composite[j] := true;
          j := j + i
        end
      end
  end;
  write(count)
end.
