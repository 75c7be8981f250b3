-- Millions of calls of a two-argument function.
local function add2(a, b)
  return a + b
end

local total = 0
for i = 1, 3000000 do
  total = add2(total, i % 7)
end
print(total)
