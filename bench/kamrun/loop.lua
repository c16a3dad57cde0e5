-- The loop of loop.kam, in Lua, with the same 32-bit wrap-around of s.
local n = 100000000
local i, s = 0, 0
while i < n do
  s = (s + i) & 0xffffffff
  i = i + 1
end
if s >= 0x80000000 then s = s - 0x100000000 end
print(s)
