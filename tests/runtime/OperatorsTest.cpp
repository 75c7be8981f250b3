// Operator result tables: each row is an operation, its operands and the
// documented result as "Subtype value" (or "error N").
#include "TestValues.h"

#include "runtime/Operators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace vbs;
using namespace vbs::test;

namespace {

using BinaryFn = Result<Variant> (*)(const Variant&, const Variant&);

struct BinaryCase {
    const char* op;
    Variant a;
    Variant b;
    const char* expected;
};

BinaryFn binaryOperator(const std::string& op)
{
    if (op == "+") return opAdd;
    if (op == "-") return opSub;
    if (op == "*") return opMul;
    if (op == "/") return opDiv;
    if (op == "\\") return opIntDiv;
    if (op == "Mod") return opMod;
    if (op == "^") return opPow;
    if (op == "&") return opConcat;
    if (op == "And") return opAnd;
    if (op == "Or") return opOr;
    if (op == "Xor") return opXor;
    if (op == "Eqv") return opEqv;
    return opImp;
}

void PrintTo(const BinaryCase& c, std::ostream* os)
{
    *os << describe(c.a) << " " << c.op << " " << describe(c.b) << " -> " << c.expected;
}

class BinaryOperator : public testing::TestWithParam<BinaryCase> { };

TEST_P(BinaryOperator, GivesDocumentedSubtypeAndValue)
{
    const BinaryCase& c = GetParam();
    EXPECT_EQ(describe(binaryOperator(c.op)(c.a, c.b)), c.expected);
}

const double pow127 = std::ldexp(1.0, 127);

INSTANTIATE_TEST_SUITE_P(Addition, BinaryOperator, testing::Values(
    BinaryCase { "+", By(1), By(2), "Byte 3" },
    BinaryCase { "+", By(200), By(100), "Integer 300" },
    BinaryCase { "+", By(1), I(2), "Integer 3" },
    BinaryCase { "+", B(true), B(true), "Integer -2" },
    BinaryCase { "+", E(), E(), "Integer 0" },
    BinaryCase { "+", E(), By(3), "Byte 3" },
    BinaryCase { "+", I(1), L(2), "Long 3" },
    BinaryCase { "+", Sg(1.5f), I(1), "Single 2.5" },
    BinaryCase { "+", Sg(1.5f), L(1), "Double 2.5" },
    BinaryCase { "+", Sg(float(pow127)), Sg(float(pow127)), "Double 3.40282366920938E+38" },
    BinaryCase { "+", Cy(1.5), D(1.25), "Currency 2.75" },
    BinaryCase { "+", D(1e308), D(1e308), "error 6" },
    BinaryCase { "+", S(u"a"), S(u"b"), "String ab" },
    BinaryCase { "+", S(u"a"), E(), "String a" },
    BinaryCase { "+", E(), S(u"a"), "String a" },
    BinaryCase { "+", B(true), S(u" 2 "), "Double 1" },
    BinaryCase { "+", S(u"abc"), N(), "Null" },
    BinaryCase { "+", Dt(1), I(1), "Date 1/1/1900" }));

INSTANTIATE_TEST_SUITE_P(SubtractionAndProduct, BinaryOperator, testing::Values(
    BinaryCase { "-", By(1), By(2), "Integer -1" },
    BinaryCase { "-", E(), I(1), "Integer -1" },
    BinaryCase { "-", S(u"5"), S(u"2"), "Double 3" },
    BinaryCase { "-", Dt(5), Dt(2), "Double 3" },
    BinaryCase { "-", Dt(5), I(3), "Date 1/1/1900" },
    BinaryCase { "-", Cy(0.1), Cy(0.3), "Currency -0.2" },
    BinaryCase { "-", N(), N(), "Null" },
    BinaryCase { "*", L(65536), L(65536), "Double 4294967296" },
    BinaryCase { "*", B(true), B(true), "Integer 1" },
    BinaryCase { "*", By(16), By(16), "Integer 256" },
    BinaryCase { "*", Cy(1.5), Cy(1.5), "Currency 2.25" },
    BinaryCase { "*", Cy(0.0003), Cy(0.5), "Currency 0.0002" },
    BinaryCase { "*", Cy(0.0001), Cy(0.5), "Currency 0" },
    BinaryCase { "*", Cy(2.5), I(3), "Currency 7.5" },
    BinaryCase { "*", D(0.5), Cy(3), "Currency 1.5" },
    BinaryCase { "*", Dt(2), I(2), "Double 4" },
    BinaryCase { "*", S(u"x"), I(2), "error 13" }));

INSTANTIATE_TEST_SUITE_P(Division, BinaryOperator, testing::Values(
    BinaryCase { "/", Sg(1), Sg(4), "Single 0.25" },
    BinaryCase { "/", S(u"6"), S(u"3"), "Double 2" },
    BinaryCase { "/", E(), I(2), "Double 0" },
    BinaryCase { "/", I(1), I(0), "error 11" },
    BinaryCase { "/", I(1), E(), "error 11" },
    BinaryCase { "/", I(0), I(0), "error 6" },
    BinaryCase { "/", N(), I(0), "Null" },
    BinaryCase { "/", D(1e300), D(1e-300), "error 6" },
    BinaryCase { "\\", I(-7), I(2), "Integer -3" },
    BinaryCase { "\\", By(7), By(2), "Byte 3" },
    BinaryCase { "\\", By(7), I(2), "Integer 3" },
    BinaryCase { "\\", D(7.5), I(2), "Long 4" },
    BinaryCase { "\\", D(6.5), I(2), "Long 3" },
    BinaryCase { "\\", I(-32768), I(-1), "Long 32768" },
    BinaryCase { "\\", L(-2147483647 - 1), L(-1), "error 6" },
    BinaryCase { "\\", D(3e9), I(1), "error 6" },
    BinaryCase { "\\", D(5), D(0.4), "error 11" },
    BinaryCase { "\\", N(), I(0), "Null" },
    BinaryCase { "Mod", I(-7), I(3), "Integer -1" },
    BinaryCase { "Mod", I(7), I(-3), "Integer 1" },
    BinaryCase { "Mod", D(5.5), I(3), "Long 0" },
    BinaryCase { "Mod", D(2.5), I(3), "Long 2" },
    BinaryCase { "Mod", S(u"10"), I(4), "Long 2" },
    BinaryCase { "Mod", B(true), I(2), "Integer -1" },
    BinaryCase { "Mod", I(1), I(0), "error 11" }));

INSTANTIATE_TEST_SUITE_P(Power, BinaryOperator, testing::Values(
    BinaryCase { "^", I(-2), I(3), "Double -8" },
    BinaryCase { "^", I(-8), D(1.0 / 3), "error 5" },
    BinaryCase { "^", I(0), I(-1), "error 5" },
    BinaryCase { "^", I(0), I(0), "Double 1" },
    BinaryCase { "^", D(10), I(400), "error 6" },
    BinaryCase { "^", N(), I(2), "Null" }));

INSTANTIATE_TEST_SUITE_P(Concatenation, BinaryOperator, testing::Values(
    BinaryCase { "&", I(1), I(2), "String 12" },
    BinaryCase { "&", N(), S(u"a"), "String a" },
    BinaryCase { "&", N(), N(), "Null" },
    BinaryCase { "&", D(0.5), E(), "String 0.5" },
    BinaryCase { "&", B(true), S(u""), "String True" },
    BinaryCase { "&", Cy(-1.25), D(1e20), "String -1.251E+20" },
    BinaryCase { "&", E(), E(), "String " }));

INSTANTIATE_TEST_SUITE_P(Logical, BinaryOperator, testing::Values(
    BinaryCase { "And", I(12), I(10), "Integer 8" },
    BinaryCase { "And", By(12), By(10), "Byte 8" },
    BinaryCase { "And", B(true), I(5), "Integer 5" },
    BinaryCase { "And", By(255), B(true), "Integer 255" },
    BinaryCase { "And", D(2.5), I(3), "Long 2" },
    BinaryCase { "And", S(u"True"), B(true), "Boolean True" },
    BinaryCase { "And", S(u"6"), I(3), "Long 2" },
    BinaryCase { "And", S(u"abc"), B(true), "error 13" },
    BinaryCase { "And", D(3e9), I(1), "error 6" },
    BinaryCase { "Or", L(12), I(3), "Long 15" },
    BinaryCase { "Xor", I(5), I(3), "Integer 6" },
    BinaryCase { "Eqv", B(true), B(false), "Boolean False" },
    BinaryCase { "Eqv", I(0), I(0), "Integer -1" },
    BinaryCase { "Eqv", By(0), By(0), "Byte 255" },
    BinaryCase { "Imp", B(true), B(false), "Boolean False" },
    BinaryCase { "Imp", I(6), I(3), "Integer -5" }));

// Null decides nothing by itself; the other side sometimes decides alone.
INSTANTIATE_TEST_SUITE_P(LogicalNull, BinaryOperator, testing::Values(
    BinaryCase { "And", N(), B(false), "Boolean False" },
    BinaryCase { "And", B(false), N(), "Boolean False" },
    BinaryCase { "And", N(), I(0), "Integer 0" },
    BinaryCase { "And", N(), B(true), "Null" },
    BinaryCase { "And", N(), N(), "Null" },
    BinaryCase { "Or", N(), B(true), "Boolean True" },
    BinaryCase { "Or", B(true), N(), "Boolean True" },
    BinaryCase { "Or", N(), B(false), "Null" },
    BinaryCase { "Or", N(), I(5), "Null" },
    BinaryCase { "Xor", N(), B(true), "Null" },
    BinaryCase { "Eqv", B(false), N(), "Null" },
    BinaryCase { "Imp", B(false), N(), "Boolean True" },
    BinaryCase { "Imp", B(true), N(), "Null" },
    BinaryCase { "Imp", N(), B(true), "Boolean True" },
    BinaryCase { "Imp", N(), B(false), "Null" },
    BinaryCase { "Imp", N(), N(), "Null" }));

struct UnaryCase {
    const char* op;
    Variant a;
    const char* expected;
};

void PrintTo(const UnaryCase& c, std::ostream* os) { *os << c.op << " " << describe(c.a) << " -> " << c.expected; }

class UnaryOperator : public testing::TestWithParam<UnaryCase> { };

TEST_P(UnaryOperator, GivesDocumentedSubtypeAndValue)
{
    const UnaryCase& c = GetParam();
    EXPECT_EQ(describe(std::string(c.op) == "-" ? opNeg(c.a) : opNot(c.a)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(NegationAndNot, UnaryOperator, testing::Values(
    UnaryCase { "-", L(-2147483647 - 1), "Double 2147483648" },
    UnaryCase { "-", E(), "Integer 0" },
    UnaryCase { "-", B(true), "Integer 1" },
    UnaryCase { "-", By(5), "Integer -5" },
    UnaryCase { "-", S(u"3"), "Double -3" },
    UnaryCase { "-", S(u"x"), "error 13" },
    UnaryCase { "-", Cy(1.5), "Currency -1.5" },
    UnaryCase { "-", N(), "Null" },
    UnaryCase { "Not", I(0), "Integer -1" },
    UnaryCase { "Not", By(0), "Byte 255" },
    UnaryCase { "Not", L(5), "Long -6" },
    UnaryCase { "Not", D(1.5), "Long -3" },
    UnaryCase { "Not", S(u"false"), "Boolean True" },
    UnaryCase { "Not", N(), "Null" }));

struct CompareCase {
    Variant a;
    CompareOp op;
    Variant b;
    CompareMode mode;
    const char* expected;
};

void PrintTo(const CompareCase& c, std::ostream* os)
{
    *os << describe(c.a) << " op" << int(c.op) << " " << describe(c.b) << " -> " << c.expected;
}

class Comparison : public testing::TestWithParam<CompareCase> { };

TEST_P(Comparison, FollowsTheComparisonTable)
{
    const CompareCase& c = GetParam();
    EXPECT_EQ(describe(opCompare(c.a, c.b, c.op, c.mode)), c.expected);
}

constexpr auto Bin = CompareMode::Binary;
constexpr auto Txt = CompareMode::Text;

INSTANTIATE_TEST_SUITE_P(Table, Comparison, testing::Values(
    CompareCase { I(1), CompareOp::Eq, D(1.0), Bin, "Boolean True" },
    CompareCase { I(2), CompareOp::Gt, L(1), Bin, "Boolean True" },
    CompareCase { By(3), CompareOp::Lt, D(3.5), Bin, "Boolean True" },
    CompareCase { Cy(1.5), CompareOp::Eq, D(1.5), Bin, "Boolean True" },
    CompareCase { Cy(1), CompareOp::Eq, I(1), Bin, "Boolean True" },
    CompareCase { B(true), CompareOp::Eq, I(-1), Bin, "Boolean True" },
    CompareCase { Dt(2), CompareOp::Gt, I(1), Bin, "Boolean True" },
    CompareCase { Sg(0.1f), CompareOp::Eq, D(0.1), Bin, "Boolean True" },
    CompareCase { E(), CompareOp::Eq, I(0), Bin, "Boolean True" },
    CompareCase { E(), CompareOp::Lt, I(1), Bin, "Boolean True" },
    CompareCase { E(), CompareOp::Eq, S(u""), Bin, "Boolean True" },
    CompareCase { E(), CompareOp::Lt, S(u"a"), Bin, "Boolean True" },
    CompareCase { E(), CompareOp::Eq, E(), Bin, "Boolean True" },
    CompareCase { N(), CompareOp::Eq, N(), Bin, "Null" },
    CompareCase { N(), CompareOp::Ne, I(1), Bin, "Null" },
    CompareCase { S(u"a"), CompareOp::Lt, S(u"B"), Bin, "Boolean False" },
    CompareCase { S(u"a"), CompareOp::Lt, S(u"B"), Txt, "Boolean True" },
    CompareCase { S(u"abc"), CompareOp::Eq, S(u"ABC"), Txt, "Boolean True" },
    CompareCase { S(u"\u00e9t\u00e9"), CompareOp::Eq, S(u"\u00c9T\u00c9"), Txt, "Boolean True" },
    CompareCase { S(u"ab"), CompareOp::Lt, S(u"abc"), Bin, "Boolean True" },
    CompareCase { S(u""), CompareOp::Le, S(u""), Bin, "Boolean True" },
    CompareCase { S(u"\uffff"), CompareOp::Gt, S(u"\u00e9"), Bin, "Boolean True" }));

TEST(Comparison, ArraysAreNotComparable)
{
    auto array = Array::create(std::vector<int32_t> { 1 }, false);
    ASSERT_TRUE(array.ok());
    const Variant a = Variant::fromArray(array.value());
    EXPECT_EQ(describe(opCompare(a, I(1), CompareOp::Eq)), "error 13");
    EXPECT_EQ(describe(opCompare(N(), a, CompareOp::Eq)), "error 13");
    EXPECT_EQ(describe(opAdd(a, I(1))), "error 13");
    EXPECT_EQ(describe(opConcat(a, S(u"x"))), "error 13");
}

TEST(Conditions, NullAndEmptyAreFalseOtherValuesAsCBool)
{
    EXPECT_FALSE(toCondition(N()).value());
    EXPECT_FALSE(toCondition(E()).value());
    EXPECT_TRUE(toCondition(I(2)).value());
    EXPECT_TRUE(toCondition(S(u"true")).value());
    EXPECT_TRUE(toCondition(S(u"0.5")).value());
    EXPECT_FALSE(toCondition(D(0)).value());
    EXPECT_EQ(errorOf(toCondition(S(u"maybe"))), "error 13");
}

TEST(Operands, ByRefLinksAreFollowed)
{
    Variant target = I(40);
    Variant link = Variant::fromRef(&target);
    EXPECT_EQ(describe(opAdd(link, I(2))), "Integer 42");
    EXPECT_EQ(describe(opCompare(link, link, CompareOp::Eq)), "Boolean True");
    EXPECT_EQ(link.varType(), 2);
}

} // namespace
