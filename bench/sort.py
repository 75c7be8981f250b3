# An array grown one element at a time, then Shell-sorted in the script.
n = 60000
seed = 1
a = []
for i in range(n):
    seed = (seed * 1105 + 12345) % 65536
    a.append(seed)
gap = 1
while gap < n // 3:
    gap = gap * 3 + 1
while gap > 0:
    for i in range(gap, n):
        v = a[i]
        j = i
        while j >= gap and a[j - gap] > v:
            a[j] = a[j - gap]
            j -= gap
        a[j] = v
    gap //= 3
total = 0
for i in range(n):
    total = (total * 31 + a[i]) % 1000003
print(total)
