-- The algorithm of fib.pas in Lua: Fibonacci numbers by plain recursion,
-- one call per number; fib(30) computed 20 times, the last result written.
local n, rounds = 30, 20

local function fib(k)
  if k < 2 then return k end
  return fib(k - 1) + fib(k - 2)
end

local result = 0
for round = 1, rounds do
  result = fib(n)
end
print(result)
