# A mix of string functions: Mid, UCase, InStr, Replace, Len.
base = "The quick brown fox jumps over the lazy dog"
total = 0
for i in range(1, 600001):
    k = i % 20
    t = base[k:k + 12].upper()
    p = t.find("O") + 1
    t = t.replace(" ", "_")
    total = (total + len(t) * 7 + p) % 1000003
print(total)
