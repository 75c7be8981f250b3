# Dictionary inserts and look-ups with string keys.
d = {}
for i in range(1, 200001):
    d["k" + str(i)] = i
total = 0
for i in range(1, 200001):
    key = "k" + str((i * 7) % 200000 + 1)
    if key in d:
        total = (total + d[key]) % 1000003
print(len(d), total)
