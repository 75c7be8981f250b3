-- Many small objects, each created and asked once through a method.
local Pair = {}
Pair.__index = Pair

function Pair.new()
  return setmetatable({ a = 0, b = 0 }, Pair)
end

function Pair:sum()
  return self.a + self.b
end

local total = 0
for i = 1, 300000 do
  local p = Pair.new()
  p.a = i % 100
  p.b = 3
  total = (total + p:sum()) % 1000003
end
print(total)
