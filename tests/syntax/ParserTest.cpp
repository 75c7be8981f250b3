// Tree shapes the scripts cannot tell apart by running them: precedence,
// where a statement's arguments start, and source positions. Statement forms
// are run by tests/scripts/language/grammar.vbs.
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
