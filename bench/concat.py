# String building by repeated appends to one variable. Inside a function:
# CPython appends in place only to local variables.
def build():
    s = ""
    for i in range(1, 2000001):
        x = "x" + str(i % 10)
        s = s + x
    return s


s = build()
print(len(s), s[-6:])
