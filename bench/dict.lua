-- Dictionary inserts and look-ups with string keys.
local d = {}
local count = 0
for i = 1, 200000 do
  d["k" .. i] = i
  count = count + 1
end
local total = 0
for i = 1, 200000 do
  local v = d["k" .. ((i * 7) % 200000 + 1)]
  if v then total = (total + v) % 1000003 end
end
print(count .. " " .. total)
