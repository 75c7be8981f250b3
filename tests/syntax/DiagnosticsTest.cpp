#include "ParseHelpers.h"

#include <gtest/gtest.h>

using vbs::test::parsed;

namespace {

struct Diagnostic {
    const char* source;
    int number;
    int line;
    int column;
};

void expectDiagnostics(std::initializer_list<Diagnostic> cases)
{
    for (const Diagnostic& d : cases) {
        std::string expected = "error " + std::to_string(d.number) + " at " + std::to_string(d.line) + ":"
            + std::to_string(d.column);
        EXPECT_EQ(parsed(d.source), expected) << d.source;
    }
}

} // namespace

TEST(Diagnostics, LexicalErrors)
{
    expectDiagnostics({
        { "x = \"abc", 1033, 1, 4 },
        { "a = 1\nx = a $ b", 1032, 2, 6 },
        { "x = &H100000000", 1031, 1, 4 },
        { "x = &O8", 1002, 1, 4 },
        { "x = 1 + &19", 1002, 1, 8 },
        { "x = &O178&", 1002, 1, 4 },
        { "x = 1e999", 1031, 1, 4 },
        { "x = #bad#", 1002, 1, 4 },
        { "x = [open", 1007, 1, 4 },
        { "x _ = 1", 1032, 1, 2 },
    });
    std::string tooLong = "x = " + std::string(256, 'a');
    EXPECT_EQ(parsed(tooLong), "error 1030 at 1:4");
}

TEST(Diagnostics, ExpressionsAndEndOfStatement)
{
    expectDiagnostics({
        { "x = (1", 1006, 1, 6 },
        { "x = f(1, 2", 1006, 1, 10 },
        { "x = 1 +", 1023, 1, 7 },
        { "x = ", 1023, 1, 4 },
        { "x = * 2", 1023, 1, 4 },
        { "x = a.", 1010, 1, 6 },
        { "x = New 3", 1010, 1, 8 },
        { "x = 1 2", 1025, 1, 6 },
        { "foo a b", 1025, 1, 6 },
        { "Call f(1) 2", 1025, 1, 10 },
        { "Dim x As Integer", 1025, 1, 6 },
        { "Let x", 1011, 1, 5 },
        { "Set x", 1011, 1, 5 },
        { "Me", 1037, 1, 0 },
        { "Me = 1", 1037, 1, 0 },
        { "Set Me = x", 1037, 1, 0 },
        { "Then", 1024, 1, 0 },
        { "(x) = 1", 1024, 1, 0 },
        { "x = 1 Else y", 1025, 1, 6 },
    });
}

TEST(Diagnostics, BlocksAndTheirEnds)
{
    expectDiagnostics({
        { "If a\n", 1017, 1, 4 },
        { "If x Then\n  y\n", 1014, 3, 0 },
        { "If a Then\nEnd Select", 1012, 2, 4 },
        { "For i = 1 To 3\nx\n", 1020, 3, 0 },
        { "For i 1 To 3\nNext", 1011, 1, 6 },
        { "For i = 1 3\nNext", 1013, 1, 10 },
        { "For a(1) = 1 To 2\nNext", 1011, 1, 5 },
        { "For Each x Of y\nNext", 1046, 1, 11 },
        { "For i = 1 To 2\nNext j", 1040, 2, 5 },
        { "Do\nx\n", 1019, 3, 0 },
        { "Do Foo\nLoop", 1028, 1, 3 },
        { "Do While a\nLoop Until b", 1025, 2, 5 },
        { "While a\n", 1018, 2, 0 },
        { "Select x", 1021, 1, 7 },
        { "Select Case a\nx = 1\nEnd Select", 1021, 2, 0 },
        { "Select Case a\nCase 1\nEnd If", 1022, 3, 4 },
        { "Select Case a\nCase Else\nCase 1\nEnd Select", 1014, 3, 0 },
        { "With o\n", 1014, 2, 0 },
        { "With o\nEnd Sub", 1029, 2, 4 },
        // A terminator that closes nothing open at all.
        { "Next", 1055, 1, 0 },
        { "Loop", 1038, 1, 0 },
        { "If a Then\nNext\nEnd If", 1055, 2, 0 },
        { "If a Then b: Next", 1055, 1, 13 },
        { "While a\nLoop\nWend", 1038, 2, 0 },
        // One that closes an outer construct: the inner one is unfinished.
        { "For i = 1 To 2\nIf a Then\nNext", 1014, 3, 0 },
        { "Do\nFor i = 1 To 2\nLoop", 1020, 3, 0 },
        { "End If", 1024, 1, 0 },
    });
}

TEST(Diagnostics, Declarations)
{
    expectDiagnostics({
        { "Dim a(n)", 1026, 1, 6 },
        { "Dim a(1, -1)", 1026, 1, 9 },
        { "Dim 1", 1010, 1, 4 },
        // Reserved words name nothing but members after '.'.
        { "Dim End", 1010, 1, 4 },
        { "Class C\nPublic Function Next\nEnd Function\nEnd Class", 1010, 2, 16 },
        { "ReDim a", 1005, 1, 7 },
        { "Const a = b", 1045, 1, 10 },
        { "Const a = 1 + 2", 1025, 1, 12 },
        { "Sub s\nEnd Function", 1016, 2, 4 },
        { "Function f\nEnd Sub", 1015, 2, 4 },
        { "Sub s(a,\nEnd Sub", 1010, 1, 8 },
        { "Sub s(a\nEnd Sub", 1006, 1, 7 },
        { "Sub a\nSub b\nEnd Sub\nEnd Sub", 1024, 2, 0 },
        // Procedures inside blocks are hoisted at script level only, and do
        // not see the blocks around them as open.
        { "Sub a\nIf x Then\nSub b\nEnd Sub\nEnd If\nEnd Sub", 1024, 3, 0 },
        { "For i = 1 To 2\nSub s\nExit For\nEnd Sub\nNext", 1039, 3, 0 },
        { "Sub s\nPublic x\nEnd Sub", 1024, 2, 0 },
        { "x = 1\nOption Explicit", 1024, 2, 0 },
        { "Sub s\nOption Explicit\nEnd Sub", 1024, 2, 0 },
        { "If a Then Option Explicit", 1024, 1, 10 },
        { "Class C\nEnd Sub", 1047, 2, 4 },
        { "Class C\nx = 1\nEnd Class", 1024, 2, 0 },
        { "Class C\nProperty Get p\nEnd Sub\nEnd Class", 1050, 3, 4 },
        { "Class C\nProperty Put p\nEnd Property\nEnd Class", 1049, 2, 9 },
        { "Property Get p\nEnd Property", 1048, 1, 0 },
        { "Public Default Sub s\nEnd Sub", 1048, 1, 7 },
        { "Class C\nSub Class_Initialize(x)\nEnd Sub\nEnd Class", 1053, 2, 4 },
        { "Class C\nSub class_terminate(x)\nEnd Sub\nEnd Class", 1053, 2, 4 },
        { "Class C\nProperty Let p()\nEnd Property\nEnd Class", 1054, 2, 13 },
        { "Class C\nProperty Set p\nEnd Property\nEnd Class", 1054, 2, 13 },
        { "Class C\nPublic Default Sub a: End Sub\nPublic Default Sub b: End Sub\nEnd Class", 1052, 3, 7 },
        { "Class C\nPrivate Default Property Get a: End Property\nEnd Class", 1057, 2, 8 },
        { "Class C\nPublic Default Property Let a(v): End Property\nEnd Class", 1058, 2, 7 },
        { "Class C\nPublic Default x\nEnd Class", 1056, 2, 7 },
        // A Let or Set takes the Get's arguments and one more.
        { "Class C\nProperty Get p(a): End Property\nProperty Let p(v): End Property\nEnd Class", 1051, 3, 0 },
        { "Class C\nProperty Let p(v): End Property\nProperty Set p(i, v): End Property\nEnd Class", 1051, 3, 0 },
    });
}

TEST(Diagnostics, ExitOutsideItsConstruct)
{
    expectDiagnostics({
        { "Exit Do", 1039, 1, 0 },
        { "Exit For", 1039, 1, 0 },
        { "Exit Sub", 1039, 1, 0 },
        { "While a\nExit Do\nWend", 1039, 2, 0 },
        { "Sub s\nExit Function\nEnd Sub", 1039, 2, 0 },
        { "Function f\nExit Sub\nEnd Function", 1039, 2, 0 },
        { "Sub s\nExit Property\nEnd Sub", 1039, 2, 0 },
        { "Exit Now", 1039, 1, 0 },
    });
    EXPECT_EQ(parsed("For Each x In y\nIf x Then Exit For\nNext"), "ok");
}

TEST(Diagnostics, NameRedefined)
{
    expectDiagnostics({
        { "Sub a\nEnd Sub\nSub A\nEnd Sub\nDim a", 1041, 5, 4 },
        { "Class C\nSub a: End Sub\nFunction a: End Function\nEnd Class", 1041, 3, 0 },
        { "Sub C: End Sub\nClass C\nEnd Class", 1041, 2, 0 },
        { "Dim a\nSub a\nEnd Sub", 1041, 2, 0 },
        { "Dim a, A", 1041, 1, 7 },
        { "Dim a\nIf x Then\nDim a\nEnd If", 1041, 3, 4 },
        { "Const k = 1\nDim k", 1041, 2, 4 },
        { "Sub s(a)\nDim a\nEnd Sub", 1041, 2, 4 },
        { "Sub s(a, A)\nEnd Sub", 1041, 1, 9 },
        { "Function f\nDim f\nEnd Function", 1041, 2, 4 },
        { "Class C\nDim x\nSub x: End Sub\nEnd Class", 1041, 3, 0 },
        { "Class C\nProperty Get p: End Property\nProperty Get p: End Property\nEnd Class", 1041, 3, 0 },
    });
    // Locals may shadow globals; properties share one name; scopes restart.
    for (const char* fine : { "Dim a\nSub s\nDim a\nEnd Sub",
                              "Class C\nProperty Get p: End Property\nProperty Let p(v): End Property\n"
                              "Property Set p(v): End Property\nEnd Class",
                              "Class C\nProperty Let p(i, j, v): End Property\nProperty Get p(i, j): End Property\nEnd Class",
                              "Sub s(a)\nEnd Sub\nSub t(a)\nDim b\nEnd Sub\nDim b",
                              "Class C\nDim x\nEnd Class\nClass D\nDim x\nEnd Class" })
        EXPECT_EQ(parsed(fine), "ok") << fine;
}

TEST(Diagnostics, ErrorCarriesDescriptionAndLineText)
{
    auto result = vbs::parseProgram(u"x = 1\r\n\tIf a b\r\nEnd If");
    ASSERT_FALSE(result.ok());
    const vbs::ScriptError& e = result.error();
    EXPECT_EQ(std::to_string(e.number) + " " + std::to_string(e.line) + ":" + std::to_string(e.column) + " ["
                  + e.source.toUtf8() + "] [" + e.lineText.toUtf8() + "] " + e.description.toUtf8(),
              "1017 2:6 [] [\tIf a b] Expected 'Then'");
    auto old = vbs::parseProgram(u"a\rb\rc(1, 2)"); // bare CR line ends
    ASSERT_FALSE(old.ok());
    EXPECT_EQ(std::to_string(old.error().line) + " " + old.error().lineText.toUtf8(), "3 c(1, 2)");
}
