// Any text must end in a tree or a compilation error: no crash, no hang,
// and no stack overflow however deep the nesting.
#include "ParseHelpers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

namespace {

// Parses and checks only the contract: a tree, or a compilation error with
// a line inside the text.
void expectResultOrCompileError(const std::u16string& text)
{
    auto result = vbs::parseProgram(text);
    if (result.ok())
        return;
    const vbs::ScriptError& e = result.error();
    EXPECT_TRUE(vbs::isCompilationError(e.number)) << e.number;
    EXPECT_GE(e.line, 1);
    EXPECT_GE(e.column, 0);
    EXPECT_NE(vbs::errorDescription(e.number), nullptr);
}

std::u16string repeat(std::u16string_view piece, int n)
{
    std::u16string out;
    for (int i = 0; i < n; ++i)
        out += piece;
    return out;
}

const char* const sample = R"(Option Explicit
Dim a, b(3), c()
Const K = -1, S = "x""y"
Class Point
  Private m_x
  Public Default Property Get X(): X = m_x: End Property
  Property Let X(v): m_x = v: End Property
  Sub Class_Initialize(): m_x = &HFF: End Sub
End Class
Function Fib(ByVal n)
  If n < 2 Then Fib = n Else Fib = Fib(n - 1) + Fib(n - 2)
End Function
Sub Show(s): WriteLine s: End Sub
ReDim c(10)
For i = 0 To 10 Step 2: c(i) = i ^ 2 Mod 7 \ 2: Next
For Each v In c
  Select Case v
  Case 1, 2: Show "small"
  Case Else
    If v > 3 And Not v = 5 Then
      Show v & " big"
    ElseIf v Then Show (v)
    End If
  End Select
Next
Do While a < 3: a = a + 1: Loop
Do: a = a - 1: Loop Until a <= 0
While b(0) <> #1/1/2000#: b(0) = #1/1/2000#: Wend
On Error Resume Next
With New Point
  .X = 3: Show .X
End With
Set p = Nothing
If a Then x = 1 Else x = &17& End If
If Not a Then
  Sub Hoisted() x = 2 End Sub
End If
Select Case a
Case 1  Call (New Point).X(): x = (Fib)(3) End Select
)";

} // namespace

TEST(Robustness, RandomBytes)
{
    std::mt19937 rng(20261206);
    for (int round = 0; round < 2000; ++round) {
        std::u16string text(rng() % 200, u' ');
        for (char16_t& c : text)
            c = static_cast<char16_t>(rng() % 3 == 0 ? rng() % 0x10000 : rng() % 128);
        expectResultOrCompileError(text);
    }
}

TEST(Robustness, ShuffledTokensOfARealScript)
{
    const std::u16string source = vbs::utf8ToUtf16(sample);
    ASSERT_TRUE(vbs::parseProgram(source).ok()) << vbs::test::parsed(sample);
    // Split into words and symbols, then recombine them at random.
    std::vector<std::u16string> pieces;
    std::u16string word;
    for (char16_t c : source) {
        bool wordChar = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        if (!wordChar && !word.empty()) {
            pieces.push_back(word);
            word.clear();
        }
        (wordChar ? word : pieces.emplace_back()) += c;
    }
    std::mt19937 rng(42);
    for (int round = 0; round < 3000; ++round) {
        std::u16string text;
        for (int n = rng() % 60; n > 0; --n)
            text += pieces[rng() % pieces.size()];
        expectResultOrCompileError(text);
    }
}

TEST(Robustness, EveryTruncationAndSingleDeletion)
{
    const std::u16string source = vbs::utf8ToUtf16(sample);
    for (size_t n = 0; n <= source.size(); ++n)
        expectResultOrCompileError(source.substr(0, n));
    for (size_t n = 0; n < source.size(); n += 3)
        expectResultOrCompileError(source.substr(0, n) + source.substr(n + 1));
}

TEST(Robustness, DeepNestingIsACompileErrorNotACrash)
{
    const int deep = 100000;
    const std::u16string cases[] = {
        u"x = " + repeat(u"(", deep) + u"1" + repeat(u")", deep),
        u"x = " + repeat(u"-", deep) + u"1",
        u"x = " + repeat(u"Not ", deep) + u"1",
        u"x = " + repeat(u"f(", deep),
        u"x = 2" + repeat(u" ^ -2", deep),
        repeat(u"If a Then\n", deep),
        repeat(u"If a Then ", deep) + u"x",
        repeat(u"Do\n", deep),
        repeat(u"With a\n", deep),
        u"Const c = " + repeat(u"-(", deep) + u"1",
        u"Call " + repeat(u"(", deep) + u"f" + repeat(u")", deep) + u"(1)",
        repeat(u"If a Then ", deep) + u"x End If",
        u"If a Then\nSub s\n" + repeat(u"If a Then\n", deep),
        // Long operator and member chains make deep trees too.
        u"x = 1" + repeat(u" + 1", deep),
        u"x = a" + repeat(u".b", deep),
        u"a" + repeat(u"(1)", deep) + u" = 1",
        u"x = (a)" + repeat(u"(1)", deep),
    };
    for (const std::u16string& text : cases) {
        auto result = vbs::parseProgram(text);
        ASSERT_FALSE(result.ok()) << vbs::utf16ToUtf8(text.substr(0, 20));
        EXPECT_TRUE(vbs::isCompilationError(result.error().number));
    }
    // Reasonable depth and length are fine.
    for (const std::u16string& text : { u"x = " + repeat(u"(", 500) + u"1" + repeat(u")", 500),
                                        repeat(u"If a Then\n", 500) + repeat(u"End If\n", 500),
                                        u"x = \"\"" + repeat(u" & \"s\" & _\n  \"t\"", 500) })
        EXPECT_TRUE(vbs::parseProgram(text).ok());
}

TEST(Robustness, AMegabyteParsesQuickly)
{
    const std::u16string source = vbs::utf8ToUtf16(sample);
    std::u16string big;
    std::u16string body = source.substr(source.find(u"ReDim"));
    while (big.size() < 1000000)
        big += body;
    auto start = std::chrono::steady_clock::now();
    auto result = vbs::parseProgram(big);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_TRUE(result.ok());
    EXPECT_GT(result.value()->statements.size(), 10000u);
    // Well under a second on a quiet machine; the margin allows for a loaded
    // one, and sanitizers slow everything down several times.
#if defined(__SANITIZE_ADDRESS__)
    const double limit = 30.0;
#else
    const double limit = 3.0;
#endif
    EXPECT_LT(seconds, limit);
}
