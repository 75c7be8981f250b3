-- An array grown one element at a time, then Shell-sorted in the script.
local n = 60000
local seed = 1
local a = {}
for i = 0, n - 1 do
  seed = (seed * 1105 + 12345) % 65536
  a[i] = seed
end
local gap = 1
while gap < n // 3 do gap = gap * 3 + 1 end
while gap > 0 do
  for i = gap, n - 1 do
    local v = a[i]
    local j = i
    while j >= gap and a[j - gap] > v do
      a[j] = a[j - gap]
      j = j - gap
    end
    a[j] = v
  end
  gap = gap // 3
end
local total = 0
for i = 0, n - 1 do
  total = (total * 31 + a[i]) % 1000003
end
print(total)
