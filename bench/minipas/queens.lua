-- The algorithm of queens.pas in Lua: the number of ways to place n queens
-- on an n x n board for every n up to 11, by backtracking over tables of
-- booleans; twelve rounds, the counts of the last are written.
local most, rounds = 11, 12
local used, up, down = {}, {}, {}
for c = 1, most do used[c] = false end
for s = 2, 2 * most do up[s] = false end
for d = -(most - 1), most - 1 do down[d] = false end
local n, count = 0, 0

local function place(row)
  for c = 1, n do
    if not used[c] and not up[row + c] and not down[row - c] then
      if row == n then
        count = count + 1
      else
        used[c], up[row + c], down[row - c] = true, true, true
        place(row + 1)
        used[c], up[row + c], down[row - c] = false, false, false
      end
    end
  end
end

for round = 1, rounds do
  for size = 1, most do
    n, count = size, 0
    place(1)
    if round == rounds then print(count) end
  end
end
