-- The algorithm of sieve.pas in Lua: the sieve of Eratosthenes over the
-- numbers up to 200000, done 120 times; the number of primes found.
local size, rounds = 200000, 120
local composite = {}
local count = 0
for _ = 1, rounds do
  for i = 2, size do composite[i] = false end
  count = 0
  for i = 2, size do
    if not composite[i] then
      count = count + 1
      local j = i + i
      while j <= size do
        composite[j] = true
        j = j + i
      end
    end
  end
end
print(count)
