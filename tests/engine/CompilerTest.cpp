// Golden code for the compiler's name resolution: locals are slots, string
// building appends in place, globals go through name sites.
#include "compiler/Compiler.h"
#include "syntax/Parser.h"

#include <gtest/gtest.h>

namespace vbs::test {

namespace {

std::string compileProc(std::u16string_view text, size_t procIndex = 0)
{
    auto program = parseProgram(text);
    if (!program.ok())
        return "parse error";
    GlobalTable globals;
    auto unit = compileProgram(*program.value(), globals);
    if (!unit.ok())
        return "compile error " + std::to_string(unit.error().number);
    return disassemble(unit.value().procs[procIndex]->code);
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
    // slots: 0 n, 1 Build (result), 2 s, 3 i, 4-5 hidden For bounds
    EXPECT_EQ(code, R"(   0 ClearLocal    a=5 b=0 x=0
   1 PushConst     a=0 b=0 x=0
   2 LoadLocal     a=0 b=0 x=0
   3 PushConst     a=1 b=0 x=0
   4 ForPrepare    a=0 b=4 x=0
   5 StoreLocal    a=3 b=0 x=2
   6 LoadLocal     a=3 b=0 x=0
   7 ForTest       a=14 b=4 x=0
   8 LoadLocal     a=3 b=0 x=0
   9 AppendVar     a=2 b=0 x=0
  10 LoadLocal     a=3 b=0 x=0
  11 ForStep       a=0 b=4 x=0
  12 StoreLocal    a=3 b=0 x=2
  13 Jump          a=6 b=0 x=0
  14 LoadLocal     a=2 b=0 x=0
  15 StoreLocal    a=1 b=0 x=0
  16 Return        a=0 b=0 x=0
)");
}

TEST(Compiler, ImplicitNamesInProceduresAreLocalUnlessExplicit)
{
    std::u16string body = u"Sub P()\n  total = total + 1\n  WriteLine other\nEnd Sub";
    std::string implicitCode = compileProc(body);
    EXPECT_NE(implicitCode.find("LoadLocal     a=0"), std::string::npos) << implicitCode;
    EXPECT_NE(implicitCode.find("LoadIndexed"), std::string::npos) << implicitCode; // WriteLine by name

    std::string explicitCode = compileProc(u"Option Explicit\n" + body);
    EXPECT_EQ(explicitCode.find("LoadLocal"), std::string::npos) << explicitCode;
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
