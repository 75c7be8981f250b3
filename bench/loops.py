# Nested counting loops with integer arithmetic.
total = 0
for i in range(1, 3001):
    for j in range(1, 1001):
        total = (total + i * j + i // 3) % 1000003
print(total)
