-- Nested counting loops with integer arithmetic.
local total = 0
for i = 1, 3000 do
  for j = 1, 1000 do
    total = (total + i * j + i // 3) % 1000003
  end
end
print(total)
