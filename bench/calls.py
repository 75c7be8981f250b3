# Millions of calls of a two-argument function.
def add2(a, b):
    return a + b


total = 0
for i in range(1, 3000001):
    total = add2(total, i % 7)
print(total)
