#include "ParseHelpers.h"

#include <gtest/gtest.h>

using vbs::test::exprShape;
using vbs::test::parsed;
using vbs::test::parsedExpr;

TEST(ParserExpressions, Precedence)
{
    const std::pair<const char*, const char*> cases[] = {
        { "-2 ^ 2", "(^ (neg 2%) 2%)" },
        { "2 ^ -2", "(^ 2% (neg 2%))" },
        { "2 ^ 3 ^ 2", "(^ (^ 2% 3%) 2%)" },
        { "-a * b", "(* (neg a) b)" },
        { "a + b * c", "(+ a (* b c))" },
        { "a * b \\ c", "(\\ (* a b) c)" },
        { "a \\ b Mod c", "(mod (\\ a b) c)" },
        { "a Mod b + c", "(+ (mod a b) c)" },
        { "a - b - c", "(- (- a b) c)" },
        { "a + b & c + d", "(& (+ a b) (+ c d))" },
        { "a & b = c", "(= (& a b) c)" },
        { "a = b = c", "(= (= a b) c)" },
        { "a < b Is c", "(is (< a b) c)" },
        { "Not a = b", "(not (= a b))" },
        { "Not a And b", "(and (not a) b)" },
        { "a And Not b", "(and a (not b))" },
        { "a Or b And c", "(or a (and b c))" },
        { "a Xor b Or c", "(xor a (or b c))" },
        { "a Eqv b Xor c", "(eqv a (xor b c))" },
        { "a Imp b Eqv c", "(imp a (eqv b c))" },
        { "(a + b) * c", "(* (paren (+ a b)) c)" },
        { "a =< b", "(<= a b)" },
        { "a => b", "(>= a b)" },
        { "a >< b", "(<> a b)" },
        { "- - a", "(neg (neg a))" },
        { "+a", "(plus a)" },
    };
    for (const auto& [source, shape] : cases)
        EXPECT_EQ(exprShape(source), shape) << source;
}

TEST(ParserExpressions, LiteralsAndSpecialNames)
{
    EXPECT_EQ(exprShape("True"), "True");
    EXPECT_EQ(exprShape("FALSE"), "False");
    EXPECT_EQ(exprShape("Empty"), "Empty");
    EXPECT_EQ(exprShape("null"), "Null");
    EXPECT_EQ(exprShape("Nothing"), "Nothing");
    EXPECT_EQ(exprShape("Me"), "Me");
    EXPECT_EQ(exprShape("New Foo"), "(new Foo)");
    EXPECT_EQ(exprShape("\"q\"\"\""), "\"q\"\"");
    // -32768 is the negation of a Long, as in the language.
    EXPECT_EQ(exprShape("-32768"), "(neg 32768&)");
    EXPECT_EQ(exprShape("#1/2/2003#"), "#37623#");
}

TEST(ParserExpressions, CallsMembersAndIndexes)
{
    EXPECT_EQ(exprShape("f()"), "(call f)");
    EXPECT_EQ(exprShape("f(a, , c)"), "(call f a _ c)");
    EXPECT_EQ(exprShape("f(a,)"), "(call f a _)");
    EXPECT_EQ(exprShape("a(1)(2)"), "(call (call a 1%) 2%)");
    EXPECT_EQ(exprShape("o.p.q(1).r"), "(. (call (. (. o p) q) 1%) r)");
    EXPECT_EQ(exprShape("Me.x"), "(. Me x)");
    EXPECT_EQ(exprShape("obj.End + x.Type + d.Item(1) + rs.Close"),
        "(+ (+ (+ (. obj End) (. x Type)) (call (. d Item) 1%)) (. rs Close))");
    EXPECT_EQ(exprShape("[a b].[If]"), "(. a b If)");
    // Parentheses around a callee name vanish; around anything else they stay.
    EXPECT_EQ(exprShape("((f))(x).p"), "(. (call f x) p)");
    EXPECT_EQ(exprShape("(New C).M(a + b)(0)"), "(call (call (. (paren (new C)) M) (+ a b)) 0%)");
    // Inside an expression a '.' after a blank still selects a member.
    EXPECT_EQ(exprShape("a _\n  .b"), "(. a b)");
}

TEST(ParserExpressions, StandaloneExpression)
{
    EXPECT_EQ(parsedExpr("1 + 2"), "(+ 1% 2%)");
    EXPECT_EQ(parsedExpr("  x  \n"), "x");
    EXPECT_EQ(parsedExpr("1 2"), "error 1025");
    EXPECT_EQ(parsedExpr(""), "error 1023");
    EXPECT_EQ(parsedExpr("a ="), "error 1023");
}

TEST(ParserStatements, AssignmentAndSet)
{
    EXPECT_EQ(parsed("x = 1"), "(let x 1%)");
    EXPECT_EQ(parsed("Let x = 1"), "(let x 1%)");
    EXPECT_EQ(parsed("a(1, 2) = 3"), "(let (call a 1% 2%) 3%)");
    EXPECT_EQ(parsed("o.p(1).q = 3"), "(let (. (call (. o p) 1%) q) 3%)");
    EXPECT_EQ(parsed("Set o = New C"), "(set o (new C))");
    EXPECT_EQ(parsed("Set o.p = Nothing"), "(set (. o p) Nothing)");
    EXPECT_EQ(parsed("x = a = b"), "(let x (= a b))");
}

TEST(ParserStatements, CallForms)
{
    EXPECT_EQ(parsed("foo"), "(callstmt foo)");
    EXPECT_EQ(parsed("foo a, b"), "(callstmt foo a b)");
    EXPECT_EQ(parsed("foo -1"), "(callstmt foo (neg 1%))");
    EXPECT_EQ(parsed("foo , b"), "(callstmt foo _ b)");
    EXPECT_EQ(parsed("obj.m a, , c"), "(callstmt (. obj m) a _ c)");
    EXPECT_EQ(parsed("a(1).b x"), "(callstmt (. (call a 1%) b) x)");
    EXPECT_EQ(parsed("foo()"), "(callstmt foo)");
    EXPECT_EQ(parsed("Call foo()"), "(Call foo)");
    EXPECT_EQ(parsed("Call foo"), "(Call foo)");
    EXPECT_EQ(parsed("Call foo(a, b)"), "(Call foo a b)");
    EXPECT_EQ(parsed("Call o.m(1)"), "(Call (. o m) 1%)");
    EXPECT_EQ(parsed("Randomize"), "(callstmt Randomize)");
    EXPECT_EQ(parsed("Me.Refresh"), "(callstmt (. Me Refresh))");
}

TEST(ParserStatements, ParenthesisedFirstArgument)
{
    // One parenthesised argument is passed as a value, with or without a blank.
    EXPECT_EQ(parsed("foo (a)"), "(callstmt foo (paren a))");
    EXPECT_EQ(parsed("foo(a)"), "(callstmt foo (paren a))");
    EXPECT_EQ(parsed("foo (a), b"), "(callstmt foo (paren a) b)");
    EXPECT_EQ(parsed("foo (a) + 1, b"), "(callstmt foo (+ (paren a) 1%) b)");
    EXPECT_EQ(parsed("foo (a) * 2 + 1"), "(callstmt foo (+ (* (paren a) 2%) 1%))");
    EXPECT_EQ(parsed("o.m (1)"), "(callstmt (. o m) (paren 1%))");
    // A member after the parentheses, then an operator that cannot start an
    // argument, or = before a second argument: the parentheses began the
    // first argument. Otherwise the member belongs to the callee.
    EXPECT_EQ(parsed("foo (a).b & c, d"), "(callstmt foo (& (. (paren a) b) c) d)");
    EXPECT_EQ(parsed("foo (a).b() Mod 2"), "(callstmt foo (mod (call (. (paren a) b)) 2%))");
    EXPECT_EQ(parsed("foo (a).b -1"), "(callstmt (. (call foo a) b) (neg 1%))");
    EXPECT_EQ(parsed("foo (a) = b, c"), "(callstmt foo (= (paren a) b) c)");
    EXPECT_EQ(parsed("foo (a).m = b Or e < 2, c"), "(callstmt foo (or (= (. (paren a) m) b) (< e 2%)) c)");
    EXPECT_EQ(parsed("foo(a) = b"), "(let (call foo a) b)");
    EXPECT_EQ(parsed("x.y = 1, 2"), "error 1025 at 1:7");
    EXPECT_EQ(parsed("foo(a, b)"), "error 1044 at 1:0");
    EXPECT_EQ(parsed("x.y(1, 2)"), "error 1044 at 1:0");
    EXPECT_EQ(parsed("foo (a, b), c"), "error 1044 at 1:0");
    EXPECT_EQ(parsed("foo(,)"), "error 1044 at 1:0");
}

TEST(ParserStatements, Declarations)
{
    EXPECT_EQ(parsed("Dim a, b(3), c(), m(2, 3)"), "(dim a b(3%) c() m(2%,3%))");
    EXPECT_EQ(parsed("ReDim a(n + 1)"), "(redim a((+ n 1%)))");
    EXPECT_EQ(parsed("ReDim Preserve a(x, 2), b(1)"), "(redim preserve a(x,2%) b(1%))");
    EXPECT_EQ(parsed("Erase a, b"), "(erase a b)");
    EXPECT_EQ(parsed("Const a = 1, b = -2.5, c = \"s\", d = (3)"), "(const a=1% b=(neg 2.5#) c=\"s\" d=(paren 3%))");
    EXPECT_EQ(parsed("Public Const K = True"), "(const public K=True)");
    EXPECT_EQ(parsed("Private a, b(1)"), "(dim private a b(1%))");
    EXPECT_EQ(parsed("Public x"), "(dim public x)");
}

TEST(ParserStatements, IfForms)
{
    EXPECT_EQ(parsed("If a Then b"), "(if a {(callstmt b)})");
    EXPECT_EQ(parsed("If a Then b Else c"), "(if a {(callstmt b)} else {(callstmt c)})");
    EXPECT_EQ(parsed("If a Then x = 1 Else x = 2"), "(if a {(let x 1%)} else {(let x 2%)})");
    EXPECT_EQ(parsed("If a Then foo x Else bar"), "(if a {(callstmt foo x)} else {(callstmt bar)})");
    EXPECT_EQ(parsed("If a Then\n b\nElseIf c Then\n d\nElseIf e Then f\nElse\n g\nEnd If"),
        "(if a {(callstmt b)} elseif c {(callstmt d)} elseif e {(callstmt f)} else {(callstmt g)})");
    EXPECT_EQ(parsed("If a Then\n If b Then c Else d\n e\nEnd If"),
        "(if a {(if b {(callstmt c)} else {(callstmt d)}) (callstmt e)})");
    EXPECT_EQ(parsed("If a Then ' note\nEnd If"), "(if a {})");
    // End If on a single-line If's own line closes it, not an enclosing If.
    EXPECT_EQ(parsed("If a Then\n If b Then c Else d End If\nEnd If"),
        "(if a {(if b {(callstmt c)} else {(callstmt d)})})");
    EXPECT_EQ(parsed("If a Then b: End If\nc"), "(if a {(callstmt b)}) (callstmt c)");
    // A single-line If may stop at the enclosing block's terminator.
    EXPECT_EQ(parsed("For i = 1 To 3: If i = 2 Then Exit For: Next"), "(for i 1% 3% {(if (= i 2%) {(exit for)})})");
}

TEST(ParserStatements, SelectCase)
{
    EXPECT_EQ(parsed("Select Case x\nCase 1, 2\n a\nCase \"s\": b\nCase Else\n c\nEnd Select"),
        "(select x (case 1% 2% {(callstmt a)}) (case \"s\" {(callstmt b)}) (else {(callstmt c)}))");
    EXPECT_EQ(parsed("Select Case x\n' nothing\nEnd Select"), "(select x)");
}

TEST(ParserStatements, Loops)
{
    EXPECT_EQ(parsed("For i = 1 To 10 Step -2\n x\nNext"), "(for i 1% 10% step (neg 2%) {(callstmt x)})");
    EXPECT_EQ(parsed("For i = a To b: Next i"), "(for i a b {})");
    EXPECT_EQ(parsed("For Each v In list\n x v\nNext v"), "(foreach v list {(callstmt x v)})");
    EXPECT_EQ(parsed("Do While a\nLoop"), "(do top while a {})");
    EXPECT_EQ(parsed("Do Until a: b: Loop"), "(do top until a {(callstmt b)})");
    EXPECT_EQ(parsed("Do\n b\nLoop While a"), "(do end while a {(callstmt b)})");
    EXPECT_EQ(parsed("Do: Loop Until a"), "(do end until a {})");
    EXPECT_EQ(parsed("Do\nExit Do\nLoop"), "(do {(exit do)})");
    EXPECT_EQ(parsed("While a\n b\nWend"), "(while a {(callstmt b)})");
    EXPECT_EQ(parsed("For i = 0 To 1\nDo\nExit For\nLoop\nNext"), "(for i 0% 1% {(do {(exit for)})})");
}

TEST(ParserStatements, WithErrorHandlingAndOthers)
{
    EXPECT_EQ(parsed("With o\n .x = 1\n .a.b(1) = 2\n .m 3\n foo .y\n With .z: .w: End With\nEnd With"),
        "(with o {(let (. x) 1%) (let (call (. (. a) b) 1%) 2%) (callstmt (. m) 3%) (callstmt foo (. y)) "
        "(with (. z) {(callstmt (. w))})})");
    EXPECT_EQ(parsed("On Error Resume Next\non error goto 0"), "(onerror resume) (onerror goto0)");
    EXPECT_EQ(parsed("Stop"), "(stop)");
    EXPECT_EQ(parsed("Option Explicit\n' c\nDim x"), "(option explicit) (dim x)");
}

TEST(ParserDeclarations, Procedures)
{
    EXPECT_EQ(parsed("Sub s(ByVal a, ByRef b, c())\n Exit Sub\nEnd Sub"),
        "(sub s (byval a b c()) {(exit sub)})");
    EXPECT_EQ(parsed("Function f()\n f = 1: Exit Function\nEnd Function"),
        "(function f () {(let f 1%) (exit function)})");
    EXPECT_EQ(parsed("Private Function f: End Function\nPublic Sub g: End Sub"),
        "(function private f () {}) (sub public g () {})");
    // Procedures are collected apart from the statements, in order.
    EXPECT_EQ(parsed("x = 1\nSub a: End Sub\ny = 2\nSub b: End Sub"),
        "(sub a () {}) (sub b () {}) (let x 1%) (let y 2%)");
}

TEST(ParserDeclarations, Classes)
{
    EXPECT_EQ(parsed("Class C\n"
                     " Private m, n(2)\n"
                     " Dim d\n"
                     " Public Default Property Get V(i): V = m: End Property\n"
                     " Property Let V(i, x): m = x: End Property\n"
                     " Public Property Set O(x): Exit Property: End Property\n"
                     " Private Sub Class_Initialize(): m = 0: End Sub\n"
                     " Function F: F = Me: End Function\n"
                     "End Class"),
        "(class C (dim private m n(2%)) (dim d) (get public default V (i) {(let V m)}) "
        "(let V (i x) {(let m x)}) (set public O (x) {(exit property)}) "
        "(sub private Class_Initialize () {(let m 0%)}) (function F () {(let F Me)}))");
    EXPECT_EQ(parsed("Class A: End Class\nClass B\nEnd Class"), "(class A) (class B)");
    EXPECT_EQ(parsed("Class C\nPublic Default Function F: End Function\nEnd Class"),
        "(class C (function public default F () {}))");
}

TEST(ParserDeclarations, LinesAndPositions)
{
    auto result = vbs::parseProgram(u"a = 1\r\n\r\n  If x Then\rb\n  End If");
    ASSERT_TRUE(result.ok());
    const auto& program = *result.value();
    ASSERT_EQ(program.lines.size(), 5u);
    EXPECT_EQ(program.lines[2], u"  If x Then");
    EXPECT_EQ(program.lines[4], u"  End If");
    ASSERT_EQ(program.statements.size(), 2u);
    EXPECT_EQ(program.statements[1]->pos.line, 3);
    EXPECT_EQ(program.statements[1]->pos.column, 2);
    const auto& ifStmt = static_cast<const vbs::ast::IfStmt&>(*program.statements[1]);
    EXPECT_EQ(ifStmt.branches[0].body[0]->pos.line, 4);
}
