# Many small objects, each created and asked once through a method.
class Pair:
    def __init__(self):
        self.a = 0
        self.b = 0

    def sum(self):
        return self.a + self.b


total = 0
for i in range(1, 300001):
    p = Pair()
    p.a = i % 100
    p.b = 3
    total = (total + p.sum()) % 1000003
print(total)
