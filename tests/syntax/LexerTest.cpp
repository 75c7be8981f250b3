// Token kinds, positions and the lexer's own edges; the values of literals are
// in tests/scripts/language/grammar.vbs.
#include "syntax/Lexer.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

using namespace vbs;
using namespace vbs::syntax;

namespace {

// Every token up to the end of text, or up to and including an error.
std::vector<Token> lexAll(std::u16string_view text)
{
    Lexer lexer(text);
    std::vector<Token> out;
    for (;;) {
        Token t = lexer.next();
        if (t.kind == Tok::End)
            break;
        bool stop = t.kind == Tok::Error;
        out.push_back(std::move(t));
        if (stop)
            break;
    }
    return out;
}

Token lexOne(std::u16string_view text)
{
    auto tokens = lexAll(text);
    EXPECT_EQ(tokens.size(), 1u) << utf16ToUtf8(text);
    return tokens.empty() ? Token {} : tokens.front();
}

std::vector<Tok> kinds(std::u16string_view text)
{
    std::vector<Tok> out;
    for (const Token& t : lexAll(text))
        out.push_back(t.kind);
    return out;
}

} // namespace

TEST(Lexer, NumberEdgesAndErrors)
{
    // An 'e' without digits is not an exponent: the number ends before it.
    EXPECT_EQ(kinds(u"1e"), (std::vector<Tok> { Tok::Integer, Tok::Name }));
    EXPECT_EQ(kinds(u"1.5.5"), (std::vector<Tok> { Tok::Double, Tok::Double }));
    // &H without a hex digit is the concatenation operator.
    EXPECT_EQ(kinds(u"a &h"), (std::vector<Tok> { Tok::Name, Tok::Amp, Tok::Name }));
    EXPECT_EQ(kinds(u"a &Ob"), (std::vector<Tok> { Tok::Name, Tok::Amp, Tok::Name }));
    EXPECT_EQ(kinds(u"&17A"), (std::vector<Tok> { Tok::Integer, Tok::Name }));
    // Right after an operand, '&' and a digit concatenate rather than start octal.
    EXPECT_EQ(kinds(u"x = a&1 & (b)&2"),
        (std::vector<Tok> { Tok::Name, Tok::Eq, Tok::Name, Tok::Amp, Tok::Integer, Tok::Amp, Tok::LParen, Tok::Name,
            Tok::RParen, Tok::Amp, Tok::Integer }));
    EXPECT_EQ(kinds(u"f &10"), (std::vector<Tok> { Tok::Name, Tok::Integer }));
    // Out-of-range numbers: see Diagnostics.LexicalErrors.
}

TEST(Lexer, CommentsAndContinuation)
{
    EXPECT_EQ(kinds(u"a ' comment \"x"), (std::vector<Tok> { Tok::Name }));
    EXPECT_EQ(kinds(u"Rem all of this\nREM:x"), (std::vector<Tok> { Tok::Newline }));
    EXPECT_EQ(kinds(u"a: rem x"), (std::vector<Tok> { Tok::Name, Tok::Colon }));
    // Words that only start like Rem, and Rem as a member name, are names.
    EXPECT_EQ(kinds(u"Remark obj.Rem x"), (std::vector<Tok> { Tok::Name, Tok::Name, Tok::Dot, Tok::Name, Tok::Name }));

    auto joined = lexAll(u"a _\r\n  + _   \n b");
    ASSERT_EQ(joined.size(), 3u);
    EXPECT_EQ(joined[1].kind, Tok::Plus);
    EXPECT_EQ((std::array { joined[1].line, joined[2].line, joined[2].column }), (std::array { 2, 3, 1 }));
    EXPECT_TRUE(joined[2].spaceBefore);

    // A trailing underscore belongs to the name; one in mid-line is invalid;
    // one at the very end of the text continues into nothing.
    EXPECT_EQ(lexOne(u"a_").text, u"a_");
    EXPECT_EQ(kinds(u"a \r_"), (std::vector<Tok> { Tok::Name, Tok::Newline }));
    auto bad = lexAll(u"a _ b").back();
    EXPECT_EQ(std::pair(bad.error, bad.column), std::pair(ErrorCode::InvalidCharacter, 2));
}

TEST(Lexer, NamesKeywordsAndBrackets)
{
    Token kw = lexOne(u"eLsEiF");
    EXPECT_EQ(std::pair(kw.kind, kw.kw), std::pair(Tok::Keyword, Kw::ElseIf));
    // Contextual words stay names, tagged for the parser.
    Token step = lexOne(u"Step");
    EXPECT_EQ(std::pair(step.kind, step.kw), std::pair(Tok::Name, Kw::Step));

    Token bracket = lexOne(u"[two words + ']");
    EXPECT_EQ(bracket.kind, Tok::Name);
    EXPECT_EQ(bracket.text, u"two words + '");
    EXPECT_EQ(lexOne(u"[If]").kind, Tok::Name);

    EXPECT_EQ(lexOne(u"caf\u00e9").text, u"caf\u00e9");
    std::u16string longest(255, u'n');
    EXPECT_EQ(lexOne(longest).kind, Tok::Name); // one more is 1030, see Diagnostics
}

TEST(Lexer, InvalidCharacters)
{
    using namespace std::literals;
    for (std::u16string_view bad : { u"$"sv, u"?"sv, u"!"sv, u"@"sv, u"%"sv, u"{"sv, u"\u2028"sv, u"\0"sv }) {
        Token t = lexOne(bad);
        EXPECT_EQ(std::pair(t.kind, t.error), std::pair(Tok::Error, ErrorCode::InvalidCharacter))
            << utf16ToUtf8(bad);
    }
}

TEST(Lexer, LineEndsAndPositions)
{
    auto tokens = lexAll(u"a\rb\nc\r\n\td");
    ASSERT_EQ(tokens.size(), 7u);
    EXPECT_EQ((std::array { tokens[2].line, tokens[4].line, tokens[6].line, tokens[6].column }),
              (std::array { 2, 3, 4, 1 })); // b, c, then d after a tab
    // After an error the lexer only reports the end.
    Lexer lexer(u"$ a");
    EXPECT_EQ(lexer.next().kind, Tok::Error);
    EXPECT_EQ(lexer.next().kind, Tok::End);
}

