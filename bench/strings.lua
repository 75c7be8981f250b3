-- A mix of string functions: Mid, UCase, InStr, Replace, Len.
local base = "The quick brown fox jumps over the lazy dog"
local total = 0
for i = 1, 600000 do
  local k = i % 20
  local t = string.upper(base:sub(k + 1, k + 12))
  local p = string.find(t, "O", 1, true) or 0
  t = string.gsub(t, " ", "_")
  total = (total + #t * 7 + p) % 1000003
end
print(total)
