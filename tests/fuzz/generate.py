#!/usr/bin/env python3
"""Structure-aware fuzzing of the engine through vbsrun.

Writes syntactically plausible programs that mix classes (fields, properties,
default members, Class_Initialize and a Class_Terminate that touches
globals), arrays and arrays of arrays, ReDim and Erase, With, For Each,
ByRef arguments of elements and fields, Execute/ExecuteGlobal/Eval, GetRef,
On Error Resume Next, Dictionary and RegExp; runs each through a sanitizer
build of vbsrun and keeps every program that crashes, reports a sanitizer
error or leak, or does not end in time.

    generate.py --vbsrun build-asan/vbsrun/vbsrun --seconds 120 --seed 1
    generate.py --seed 7 --print          (writes one program to stdout)
"""
import argparse
import os
import random
import subprocess
import sys
import time

GLOBALS = ["g0", "g1", "g2", "gArr", "gDict", "gObj", "gRe", "gNest"]
CLASSES = ["C0", "C1", "C2"]
FIELDS = ["f0", "f1", "arr"]
BUILTINS1 = ["Len", "CStr", "UCase", "Trim", "TypeName", "VarType", "IsArray", "IsObject", "IsEmpty",
             "IsNull", "CBool", "Abs", "Int", "Fix", "Sgn", "Hex", "LBound", "UBound", "Join", "CLng",
             "CDbl", "Asc", "Chr", "IsNumeric", "StrReverse", "Space"]


class Gen:
    def __init__(self, rnd):
        self.r = rnd
        self.depth = 0
        self.lines = []
        self.indent = 0
        self.procs = []
        self.loops = 0

    def pick(self, seq):
        return self.r.choice(seq)

    def chance(self, p):
        return self.r.random() < p

    def emit(self, text):
        self.lines.append("    " * self.indent + text)

    # ------------------------------------------------------------ expressions
    def literal(self):
        return self.pick(["0", "1", "-1", "2", "3", "32767", "2147483647", "1.5", "1e300", "\"\"",
                          "\"abc\"", "\"5\"", "True", "False", "Empty", "Null", "#1/2/2003#", "&HFFFF",
                          "Nothing"])

    def lvalue(self):
        k = self.r.randrange(7)
        if k == 0:
            return self.pick(GLOBALS)
        if k == 1:
            return "gArr(%d)" % self.r.randrange(-1, 5)
        if k == 2:
            return "gNest(%d)(%d)" % (self.r.randrange(3), self.r.randrange(3))
        if k == 3:
            return "gObj.%s" % self.pick(FIELDS)
        if k == 4:
            return "gObj.arr(%d)" % self.r.randrange(4)
        if k == 5:
            return "gDict(%s)" % self.literal()
        return "gObj.f0(%d)" % self.r.randrange(3)

    def expr(self, d=0):
        if d > 3 or self.chance(0.3):
            return self.pick([self.literal(), self.lvalue(), "x", "y"])
        k = self.r.randrange(12)
        if k == 0:
            return "(%s %s %s)" % (self.expr(d + 1), self.pick(["+", "-", "*", "/", "\\", "Mod", "^", "&",
                                                                  "=", "<>", "<", ">=", "And", "Or", "Xor",
                                                                  "Is"]), self.expr(d + 1))
        if k == 1:
            return "%s(%s)" % (self.pick(BUILTINS1), self.expr(d + 1))
        if k == 2:
            return "New %s" % self.pick(CLASSES)
        if k == 3:
            return "Array(%s)" % ", ".join(self.expr(d + 1) for _ in range(self.r.randrange(4)))
        if k == 4:
            return "Eval(\"%s\")" % self.pick(["g0 + 1", "gArr(0)", "gObj", "New C1", "Eval(\"\"1\"\")",
                                                "F0(g1)", "gDict.Count"])
        if k == 5 and self.procs:
            return "%s(%s)" % (self.pick(self.procs), self.expr(d + 1))
        if k == 6:
            return "gDict.Item(%s)" % self.expr(d + 1)
        if k == 7:
            return "gObj"
        if k == 8:
            return "Not %s" % self.expr(d + 1)
        if k == 9:
            return "-%s" % self.expr(d + 1)
        if k == 10:
            return "gRe.Replace(%s, \"x\")" % self.expr(d + 1)
        return "Split(\"a,b,c\", \",\")"

    # ------------------------------------------------------------- statements
    def block(self, n):
        self.indent += 1
        for _ in range(n):
            self.stmt()
        self.indent -= 1

    def stmt(self):
        self.depth += 1
        try:
            if self.depth > 4:
                self.emit("%s = %s" % (self.lvalue(), self.expr()))
                return
            k = self.r.randrange(26)
            e = self.emit
            if k == 0:
                e("Set %s = %s" % (self.lvalue(), self.pick(["New C0", "New C1", "New C2", "Nothing", "gObj",
                                                             "gDict", "Me", "gRe", "GetRef(\"F0\")"])))
            elif k == 1:
                e("ReDim %s%s(%d)" % (self.pick(["", "Preserve "]), self.pick(["gArr", "x", "g1"]),
                                      self.r.randrange(-1, 6)))
            elif k == 2:
                e("Erase %s" % self.pick(["gArr", "gNest", "x", "g0"]))
            elif k == 3:
                e("With %s" % self.pick(["gObj", "New C1", "gDict", "gArr", "g0"]))
                self.indent += 1
                e(".%s = %s" % (self.pick(FIELDS + ["Item(1)", "P"]), self.expr()))
                e("x = .%s" % self.pick(FIELDS + ["P", "Count", "M(1)"]))
                self.indent -= 1
                self.block(1)
                e("End With")
            elif k == 4:
                e("For Each y In %s" % self.pick(["gArr", "gNest", "gDict", "gObj.arr", "gDict.Items",
                                                  "gRe.Execute(\"aXbX\")", "Array(gObj, gDict)"]))
                self.block(2)
                e("Next")
            elif k == 5:
                e("For x = %d To %d" % (self.r.randrange(-1, 3), self.r.randrange(0, 6)))
                self.block(2)
                e("Next")
            elif k == 6:
                proc = self.pick(["Sub1", "F0", "ByRefSet"])
                e("%s %s" % (proc, self.pick(["gArr(1)", "gObj.f0", "gObj.arr(0)", "g0", "(g1)", "gNest(0)(1)",
                                              "gDict(1)", "x"])))
            elif k == 7:
                e("Execute \"%s\"" % self.pick(["x = 1 : g0 = g0 & x", "ReDim gArr(2)", "Set gObj = New C0",
                                                "Sub Dyn : g1 = 2 : End Sub", "Erase gArr", "Execute \"\"g1 = 3\"\"",
                                                "Class Dyn2 : Public v : End Class"]))
            elif k == 8:
                e("ExecuteGlobal \"%s\"" % self.pick(["Dim gx : gx = 1", "Function F9(n) : F9 = n : End Function",
                                                      "Set gObj = Nothing", "gArr = Array(1, 2)",
                                                      "Class C3 : Public Default Function V : V = 1 : End Function : End Class"]))
            elif k == 9:
                e("Set x = GetRef(\"%s\")" % self.pick(["F0", "Sub1", "ByRefSet"]))
                e("x %s" % self.expr())
            elif k == 10:
                e(self.pick(["On Error Resume Next", "On Error GoTo 0", "On Error Resume Next", "Err.Clear"]))
            elif k == 11:
                e("gDict.%s" % self.pick(["Add %s, %s" % (self.expr(), self.expr()), "Remove %s" % self.expr(),
                                          "RemoveAll", "Add gDict, 1", "Add gObj, gDict"]))
                e("Set gDict(%s) = %s" % (self.literal(), self.pick(["gDict", "gObj", "New C2", "gRe"])))
            elif k == 12:
                e("gRe.Pattern = \"%s\"" % self.pick(["a+", "(x)(y)?", "[", "\\\\d{2,}", "^$", "(a|b)*c"]))
                e("Set y = gRe.Execute(%s)" % self.expr())
            elif k == 13:
                e("If %s Then" % self.expr())
                self.block(2)
                e("Else")
                self.block(1)
                e("End If")
            elif k == 14:
                e("Select Case %s" % self.expr())
                e("Case %s, %s" % (self.literal(), self.literal()))
                self.block(1)
                e("Case Else")
                self.block(1)
                e("End Select")
            elif k == 15:
                e("gNest = Array(Array(1, 2, 3), gArr, Array(gObj))")
                e("gNest(%d)(%d) = %s" % (self.r.randrange(3), self.r.randrange(3), self.expr()))
            elif k == 16:
                # A counter of its own: the statements inside never touch it,
                # so the loop ends even when they fail under Resume Next.
                self.loops += 1
                n = "loop%d" % self.loops
                e("%s = 0" % n)
                e("Do While %s < %d" % (n, self.r.randrange(5)))
                self.block(1)
                e("%s = %s + 1" % (n, n))
                e("Loop")
            elif k == 17:
                e("WriteLine %s" % self.expr())
            elif k == 18:
                e("%s = %s" % (self.lvalue(), self.expr()))
            elif k == 19:
                e("Set %s = %s" % (self.lvalue(), self.expr()))
            elif k == 20:
                e("gObj.arr(%d) = %s" % (self.r.randrange(4), self.pick(["gObj", "New C0", "gArr", "1"])))
            elif k == 21:
                e("gArr(%d) = %s" % (self.r.randrange(3), self.pick(["gObj", "New C1", "gArr", "gDict"])))
            elif k == 22:
                e("x = gObj + %s" % self.expr())
            elif k == 23:
                e("Call gObj.M(%s)" % self.pick(["gArr(0)", "gObj.f1", "x", "gObj"]))
            elif k == 24:
                e("Set %s = Nothing" % self.pick(GLOBALS))
            else:
                e("x = Recurse(%d)" % self.pick([3, 50, 100000]))
        finally:
            self.depth -= 1

    # ----------------------------------------------------------- declarations
    def cls(self, name):
        e = self.emit
        e("Class %s" % name)
        self.indent += 1
        e("Public f0, f1")
        e("Public arr(%d)" % self.r.randrange(4))
        e("Private pv")
        e("Public %sProperty Get P" % ("Default " if self.chance(0.5) else ""))
        self.indent += 1
        if self.chance(0.3):
            e("Set P = %s" % self.pick(["Me", "New C0", "gDict", "f0"]))
        else:
            e("P = %s" % self.pick(["pv", "f0", "Me", "arr", "gArr(0)"]))
        self.indent -= 1
        e("End Property")
        e("Public Property Let P(v) : pv = v : %s : End Property" % self.pick(["", "ReDim gArr(1)", "f0 = v"]))
        e("Public Property Set P(v) : Set pv = v : End Property")
        e("Public Function M(ByRef a)")
        self.block(2)
        e("a = %s" % self.expr())
        e("End Function")
        if self.chance(0.6):
            e("Private Sub Class_Initialize()")
            self.block(1)
            e("End Sub")
        if self.chance(0.8):
            e("Private Sub Class_Terminate()")
            self.indent += 1
            e("g2 = g2 & \"%s\"" % name)
            if self.chance(0.5):
                e(self.pick(["Set gObj = Me", "Set f0 = New C0", "Set gKeep = New %s" % name,
                             "ReDim gArr(3)", "gDict.Add Me, 1", "Set g1 = Me", "Execute \"g0 = 1\""]))
            self.block(1)
            self.indent -= 1
            e("End Sub")
        self.indent -= 1
        e("End Class")

    def program(self):
        e = self.emit
        self.procs = ["F0", "Recurse"]
        e("Dim %s, x, y, gKeep" % ", ".join(GLOBALS))
        e("Function F0(ByRef a)")
        self.block(1)
        e("F0 = a : a = %s" % self.expr())
        e("End Function")
        e("Sub Sub1(a)")
        self.block(1)
        e("End Sub")
        e("Sub ByRefSet(ByRef a)")
        e("    Set a = New C1")
        e("End Sub")
        e("Function Recurse(n)")
        e("    If n > 0 Then Recurse = Recurse(n - 1) + 1 Else Recurse = 0")
        e("End Function")
        for name in CLASSES:
            self.cls(name)
        if self.chance(0.85):
            e("On Error Resume Next")
        e("ReDim gArr(3)")
        e("Set gDict = CreateObject(\"Scripting.Dictionary\")")
        e("Set gRe = New RegExp")
        e("Set gObj = New C0")
        e("gNest = Array(Array(1, 2), Array(3))")
        for _ in range(self.r.randrange(8, 30)):
            self.stmt()
        return "\n".join(self.lines) + "\n"


SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:", "Sanitizer:DEADLYSIGNAL",
                   "AddressSanitizer:DEADLYSIGNAL")


def run_one(vbsrun, path, limit):
    env = dict(os.environ)
    env.setdefault("ASAN_OPTIONS", "detect_leaks=1:exitcode=99")
    env.setdefault("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1:exitcode=99")
    try:
        p = subprocess.run([vbsrun, "--errors-to-stdout", "--timeout=1000", path], stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=limit, env=env)
    except subprocess.TimeoutExpired:
        return "hang (no result within %d s)" % limit
    err = p.stderr.decode("utf-8", "replace")
    if p.returncode < 0 or p.returncode == 99 or any(m in err for m in SANITIZER_MARKS):
        first = next((l for l in err.splitlines() if "ERROR" in l or "runtime error" in l), "")
        return "exit %d %s" % (p.returncode, first.strip())
    return None


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--vbsrun", default="build-asan/vbsrun/vbsrun")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--seconds", type=float, default=120)
    ap.add_argument("--count", type=int, default=0, help="stop after this many programs (0: by time)")
    ap.add_argument("--limit", type=int, default=30, help="seconds one run may take before it is a hang")
    ap.add_argument("--out", default="fuzz-found", help="folder for the programs that failed")
    ap.add_argument("--print", action="store_true", help="print the program of --seed and exit")
    a = ap.parse_args()
    if a.print:
        sys.stdout.write(Gen(random.Random(a.seed)).program())
        return 0
    os.makedirs(a.out, exist_ok=True)
    work = os.path.join(a.out, "current.vbs")
    start = time.monotonic()
    runs = failures = 0
    seed = a.seed
    while (a.count and runs < a.count) or (not a.count and time.monotonic() - start < a.seconds):
        text = Gen(random.Random(seed)).program()
        with open(work, "w") as f:
            f.write(text)
        problem = run_one(a.vbsrun, work, a.limit)
        runs += 1
        if problem:
            failures += 1
            kept = os.path.join(a.out, "seed-%d.vbs" % seed)
            os.replace(work, kept)
            print("FAIL seed %d: %s -> %s" % (seed, problem, kept), flush=True)
        seed += 1
    if os.path.exists(work):
        os.remove(work)
    print("generator: %d programs in %.0f s (seeds %d..%d), %d failed" %
          (runs, time.monotonic() - start, a.seed, seed - 1, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
