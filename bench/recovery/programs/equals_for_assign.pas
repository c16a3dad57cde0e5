{ errors at lines: 26 21 -- '=' for ':=' twice }
{ The sieve of Eratosthenes: the primes up to a limit read from the input,
  and how many there are. }
program sieve;
const size = 1000;
var prime : array [2..size] of boolean;
    limit, i, j, count : integer;
begin
  read(limit);
  if limit > size then limit := size;
  for i := 2 to limit do prime[i] := true;
  i := 2;
  while i * i <= limit do
  begin
    if prime[i] then
    begin
      j := i * i;
      while j <= limit do
      begin
        prime[j] := false;
        j = j + i
      end
    end;
    i := i + 1
  end;
  count = 0;
  for i := 2 to limit do
    if prime[i] then
    begin
      count := count + 1;
      if i > limit - 50 then write(i)
    end;
  write("primes up to the limit:", count)
end.
