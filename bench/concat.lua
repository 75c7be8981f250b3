-- String building by repeated appends. Lua strings are immutable and
-- `s = s .. x` copies the whole string every time, so the idiomatic buffer
-- (a table joined once) stands in for it.
local parts = {}
for i = 1, 2000000 do
  local x = "x" .. (i % 10)
  parts[#parts + 1] = x
end
local s = table.concat(parts)
print(#s .. " " .. s:sub(-6))
