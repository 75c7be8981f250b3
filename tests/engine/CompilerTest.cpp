// Golden code for the compiler: locals and temporaries are registers, string
// building appends in place, the text's own script-level variables are bound
// slots of its top-level code, other globals go through name sites.
#include "compiler/Compiler.h"
#include "syntax/Parser.h"

#include <gtest/gtest.h>

namespace vbs::test {

namespace {

// procIndex -1: the top-level code.
std::string compileProc(std::u16string_view text, int procIndex = 0)
{
    auto program = parseProgram(text);
    if (!program.ok())
        return "parse error";
    GlobalTable globals;
    auto unit = compileProgram(*program.value(), globals);
    if (!unit.ok())
        return "compile error " + std::to_string(unit.error().number);
    return disassemble(procIndex < 0 ? *unit.value().topLevel : unit.value().procs[procIndex]->code);
}

} // namespace

TEST(Compiler, LocalsAreSlotsAndAppendIsInPlace)
{
    std::string code = compileProc(u"Function Build(n)\n"
                                   u"  Dim s, i\n"
                                   u"  For i = 1 To n\n"
                                   u"    s = s & i\n"
                                   u"  Next\n"
                                   u"  Build = s\n"
                                   u"End Function");
    // slots: 0 n, 1 Build (result), 2 s, 3 i, 4-5 hidden For bounds;
    // s = s & i is one Concat that appends to s; Next steps, tests and jumps
    // back in one instruction.
    EXPECT_EQ(code, R"(   0 ClearLocal    a=5 b=0 x=0
   1 PushConst     a=0 b=0 x=0
   2 LoadLocal     a=0 b=0 x=0
   3 PushConst     a=1 b=0 x=0
   4 ForPrepare    a=0 b=4 x=0
   5 StoreLocal    a=3 b=0 x=2
   6 LoadLocal     a=3 b=0 x=0
   7 ForTest       a=10 b=4 x=0
   8 Concat        r2 r2 r3 x=0
   9 ForLoop       ->8 r3 b=4 x=0
  10 Move          r1 r2 x=0
  11 Return        a=0 b=0 x=0
)");
}

TEST(Compiler, PiecesAddedToAStringGoAfterItInOneStep)
{
    std::string code = compileProc(u"Function Grow(x)\n"
                                   u"  Dim s\n"
                                   u"  s = s + \"a\" + x\n"
                                   u"  s = s & Grow(1) & \",\"\n"
                                   u"  Grow = s\n"
                                   u"End Function");
    // + pieces that run no code: pushed, then added to s in one AddVar. A
    // piece that is a call (here a recursive one): s read first, the pieces
    // joined, the joined text appended by one Concat into s.
    EXPECT_EQ(code, R"(   0 PushConst     a=0 b=0 x=0
   1 LoadLocal     a=0 b=0 x=0
   2 AddVar        a=2 b=2 x=0
   3 LoadLocal     a=2 b=0 x=0
   4 PushConst     a=1 b=0 x=0
   5 CallProc      a=0 b=1 x=1
   6 PushConst     a=2 b=0 x=0
   7 Concat        r4 r4 r5 x=32
   8 Concat        r2 r3 r4 x=48
   9 Move          r1 r2 x=0
  10 Return        a=0 b=0 x=0
)");
}

TEST(Compiler, TopLevelCodeBindsItsVariablesAndProceduresUseSites)
{
    const std::u16string text = u"Dim total, i\n"
                                u"Const Base = 2\n"
                                u"For i = 1 To 10 : total = total + i * Base : Next\n"
                                u"Sub Show() : total = total + i : End Sub\n";
    // total and i are slots 0 and 1, each bound to its variable first; the
    // procedure reaches them through name sites.
    EXPECT_EQ(compileProc(text, -1), R"(   0 BindGlobal    a=0 b=0 x=0
   1 BindGlobal    a=1 b=1 x=0
   2 ClearLocal    a=3 b=0 x=0
   3 PushConst     a=0 b=0 x=0
   4 PushConst     a=1 b=0 x=0
   5 PushConst     a=2 b=0 x=0
   6 ForPrepare    a=0 b=2 x=0
   7 StoreLocal    a=1 b=0 x=2
   8 LoadLocal     a=1 b=0 x=0
   9 ForTest       a=13 b=2 x=0
  10 Mul           r4 r1 k3 x=0
  11 Add           r0 r0 r4 x=32
  12 ForLoop       ->10 r1 b=2 x=0
  13 Return        a=0 b=0 x=0
)");
    EXPECT_EQ(compileProc(text, 0), R"(   0 Add           g0 g0 g1 x=0
   1 Return        a=0 b=0 x=0
)");
}

TEST(Compiler, OperatorsNameTheirRegisters)
{
    std::string code = compileProc(u"Function Scan(a, v)\n"
                                   u"  Dim j\n"
                                   u"  j = UBound(a)\n"
                                   u"  Do While j >= 0\n"
                                   u"    If a(j) <= v Then Exit Do\n"
                                   u"    j = j - 1\n"
                                   u"  Loop\n"
                                   u"  Scan = j * 2 + Len(v)\n"
                                   u"End Function");
    // slots: 0 a, 1 v, 2 Scan, 3 j, then temporaries from 4. Comparisons in
    // conditions jump (x 4: Branch) without making a Boolean; j = j - 1 is
    // one instruction with its Integer as an immediate, a(j) another; a
    // consumed temporary is released (x 16, 32). The loop's test is repeated
    // at its end, where it jumps back (marked x 64); an If without Else needs
    // no jump over the rest.
    EXPECT_EQ(code, R"(   0 LoadLocal     a=0 b=0 x=0
   1 CallBuiltin   a=66 b=1 x=0
   2 StoreLocal    a=3 b=0 x=0
   3 GeI           ->9 r3 #0 x=6
   4 GetElem       r4 r0 r3 x=0
   5 Le            ->7 r4 r1 x=20
   6 Jump          a=9 b=0 x=0
   7 SubI          r3 r3 #1 x=0
   8 GeI           ->4 r3 #0 x=78
   9 Mul           r4 r3 k3 x=0
  10 LoadLocal     a=1 b=0 x=0
  11 CallBuiltin   a=15 b=1 x=0
  12 Add           r2 r4 r5 x=48
  13 Return        a=0 b=0 x=0
)");
}

TEST(Compiler, ClassVariablesAreOperands)
{
    // f0, f1: the instance's A and B, read and computed without a push.
    EXPECT_EQ(compileProc(u"Class Pair\n  Public A, B\n  Public Function Sum()\n    Sum = A + B * 2\n"
                          u"  End Function\nEnd Class"),
              R"(   0 Mul           r1 f1 k0 x=0
   1 Add           r0 f0 r1 x=32
   2 Return        a=0 b=0 x=0
)");
}

TEST(Compiler, JumpsToAReturnReturn)
{
    // The Then branch's jump over the Else would land on the Return.
    EXPECT_EQ(compileProc(u"Function Fib(n)\n  If n < 2 Then\n    Fib = n\n  Else\n"
                          u"    Fib = Fib(n - 1) + Fib(n - 2)\n  End If\nEnd Function"),
              R"(   0 LtI           ->3 r0 #2 x=6
   1 Move          r1 r0 x=0
   2 Return        a=0 b=0 x=0
   3 SubI          r2 r0 #1 x=0
   4 CallProc      a=0 b=1 x=1
   5 SubI          r3 r0 #2 x=0
   6 CallProc      a=0 b=1 x=1
   7 Add           r1 r2 r3 x=48
   8 Return        a=0 b=0 x=0
)");
}

TEST(Compiler, IsJumpsAsAComparisonDoes)
{
    // Until n Is Nothing leaves the loop when true; the test is repeated at the
    // end, where it jumps back (a back-edge, x 64) while false.
    // n.Tail: a field of the instance in n is read by LoadLocalMember, which
    // then skips the CallMember that serves any other object.
    EXPECT_EQ(compileProc(u"Function Walk(n)\n  Do Until n Is Nothing\n    Walk = Walk + 1\n"
                          u"    Set n = n.Tail\n  Loop\nEnd Function"),
              R"(   0 Is            ->6 r0 k0 x=12
   1 AddI          r1 r1 #1 x=0
   2 LoadLocalMember a=0 b=0 x=0
   3 CallMember    a=0 b=0 x=1
   4 StoreLocal    a=0 b=0 x=1
   5 Is            ->1 r0 k2 x=68
   6 Return        a=0 b=0 x=0
)");
}

TEST(Compiler, CaseValuesCompareAndJump)
{
    // A match of an earlier value jumps to the body; the last value's
    // mismatch jumps to the next Case.
    EXPECT_EQ(compileProc(u"Function Pick(n)\n  Select Case n\n    Case 0: Pick = \"zero\"\n"
                          u"    Case 1, 2: Pick = \"small\"\n    Case Else: Pick = \"big\"\n  End Select\nEnd Function"),
              R"(   0 LoadLocal     a=0 b=0 x=0
   1 StoreLocal    a=2 b=0 x=2
   2 EqI           ->5 r2 #0 x=6
   3 Move          r1 k1 x=0
   4 Jump          a=10 b=0 x=0
   5 EqI           ->7 r2 #1 x=14
   6 EqI           ->9 r2 #2 x=6
   7 Move          r1 k4 x=0
   8 Jump          a=10 b=0 x=0
   9 Move          r1 k5 x=0
  10 ClearLocal    a=2 b=0 x=0
  11 Return        a=0 b=0 x=0
)");
}

TEST(Compiler, ImplicitNamesInProceduresAreLocalUnlessExplicit)
{
    std::u16string body = u"Sub P()\n  total = total + 1\n  WriteLine other\nEnd Sub";
    std::string implicitCode = compileProc(body);
    EXPECT_NE(implicitCode.find("AddI          r0 r0 #1"), std::string::npos) << implicitCode;
    EXPECT_NE(implicitCode.find("LoadIndexed"), std::string::npos) << implicitCode; // WriteLine by name

    // Undeclared under Option Explicit: looked up by name when it runs.
    std::string explicitCode = compileProc(u"Option Explicit\n" + body);
    EXPECT_NE(explicitCode.find("LoadVar       a=0 b=0 x=1"), std::string::npos) << explicitCode;
    EXPECT_NE(explicitCode.find("StoreVar"), std::string::npos) << explicitCode;
}

TEST(Compiler, DeclarationErrorsCarryTheirPosition)
{
    auto program = parseProgram(u"x = 1\n\n\n  Const c = 2");
    ASSERT_TRUE(program.ok());
    GlobalTable globals;
    globals.add(u"C", GlobalEntry::Kind::Variable); // Dim'd by an earlier text
    auto unit = compileProgram(*program.value(), globals);
    ASSERT_FALSE(unit.ok());
    EXPECT_EQ(unit.error().number, 1041);
    EXPECT_EQ(unit.error().line, 4);
    EXPECT_EQ(unit.error().lineText.view(), u"  Const c = 2");
}

} // namespace vbs::test
