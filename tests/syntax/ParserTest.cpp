// What scripts cannot see of the parser: the error each misplaced pair of
// parentheses ends in, with its position (Execute reports every compile error
// as 1002), the expressions Eval parses, and source positions. Statement
// forms, precedence and where a statement's arguments start run in
// tests/scripts/language/grammar.vbs.
#include "ParseHelpers.h"

#include <gtest/gtest.h>

#include <array>

using vbs::test::parsed;

TEST(ParserStatements, ParenthesesAroundSeveralArguments)
{
    EXPECT_EQ(parsed("x.y = 1, 2"), "error 1025 at 1:7");
    EXPECT_EQ(parsed("foo(a, b)"), "error 1044 at 1:0");
    EXPECT_EQ(parsed("x.y(1, 2)"), "error 1044 at 1:0");
    EXPECT_EQ(parsed("foo (a, b), c"), "error 1044 at 1:0");
    EXPECT_EQ(parsed("foo(,)"), "error 1044 at 1:0");
}

TEST(ParserExpressions, StandaloneExpression)
{
    auto error = [](std::string_view source) {
        auto result = vbs::parseExpression(vbs::utf8ToUtf16(source));
        return result.ok() ? 0 : result.error().number;
    };
    EXPECT_EQ(error("1 + 2"), 0);
    EXPECT_EQ(error("  x  \n"), 0);
    EXPECT_EQ(error("1 2"), 1025);
    EXPECT_EQ(error(""), 1023);
    EXPECT_EQ(error("a ="), 1023);
}

TEST(ParserDeclarations, LinesAndPositions)
{
    auto result = vbs::parseProgram(u"a = 1\r\n\r\n  If x Then\rb\n  End If");
    ASSERT_TRUE(result.ok());
    const auto& program = *result.value();
    EXPECT_EQ(program.lines, (std::vector<std::u16string> { u"a = 1", u"", u"  If x Then", u"b", u"  End If" }));
    ASSERT_EQ(program.statements.size(), 2u);
    const auto& ifStmt = static_cast<const vbs::ast::IfStmt&>(*program.statements[1]);
    // The If at line 3, column 2; the statement inside it at line 4.
    EXPECT_EQ((std::array { ifStmt.pos.line, ifStmt.pos.column, ifStmt.branches[0].body[0]->pos.line }),
              (std::array { 3, 2, 4 }));
}
