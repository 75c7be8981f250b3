// Every operator and conversion over every pair of awkward values: each
// answer is a value or one of the language's errors, never a crash or
// undefined arithmetic (run under the sanitizer build to see the latter).
#include "TestValues.h"

#include "runtime/Operators.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <set>

using namespace vbs;
using namespace vbs::test;

namespace {

std::vector<Variant> awkwardValues(Variant& refTarget)
{
    auto array = Array::create(std::vector<int32_t> { 1 }, false);
    return {
        E(), N(), B(true), B(false), By(0), By(255), I(0), I(-1), I(-32768), I(32767),
        L(std::numeric_limits<int32_t>::min()), L(std::numeric_limits<int32_t>::max()),
        Sg(FLT_MAX), Sg(-FLT_MAX), Sg(FLT_MIN), D(DBL_MAX), D(-DBL_MAX), D(-0.0), D(DBL_MIN), D(0.5), D(-2.5),
        Variant::fromCurrency(std::numeric_limits<int64_t>::max()),
        Variant::fromCurrency(std::numeric_limits<int64_t>::min()), Cy(-1), Dt(-657434), Dt(2958465.99),
        S(u""), S(u" "), S(u"1e308"), S(u"-1e308"), S(u"&HFFFFFFFF"), S(u"&H8000"), S(u"True"), S(u"x"),
        S(u"2147483648"), S(u"922337203685477.5808"), Variant::nothing(), Variant::missing(),
        Variant::fromArray(array.value()), Variant::fromRef(&refTarget),
    };
}

// The errors a value operation may raise.
const std::set<int32_t> languageErrors { 5, 6, 7, 9, 11, 13, 91, 94, 424, 438 };

template <class T>
bool acceptable(const Result<T>& r) { return r.ok() || languageErrors.count(r.error().number) == 1; }

TEST(Extremes, BinaryOperatorsAnswerEveryPair)
{
    using Fn = Result<Variant> (*)(const Variant&, const Variant&);
    const Fn ops[] = { opAdd, opSub, opMul, opDiv, opIntDiv, opMod, opPow, opConcat,
                       opAnd, opOr, opXor, opEqv, opImp };
    Variant target = D(-7.5);
    const std::vector<Variant> values = awkwardValues(target);
    for (const Variant& a : values) {
        for (const Variant& b : values) {
            for (Fn op : ops)
                EXPECT_TRUE(acceptable(op(a, b))) << describe(a) << " / " << describe(b);
            for (auto mode : { CompareMode::Binary, CompareMode::Text }) {
                for (auto lit : { Literals::None, Literals::Left, Literals::Right, Literals::Both })
                    EXPECT_TRUE(acceptable(opCompare(a, b, CompareOp::Le, mode, lit)));
            }
            EXPECT_TRUE(acceptable(opIs(a, b)));
        }
    }
}

TEST(Extremes, UnaryOperationsAndConversionsAnswerEveryValue)
{
    Variant target = S(u"12");
    for (const Variant& v : awkwardValues(target)) {
        SCOPED_TRACE(describe(v));
        EXPECT_TRUE(acceptable(opNeg(v)));
        EXPECT_TRUE(acceptable(opNot(v)));
        EXPECT_TRUE(acceptable(toCondition(v)));
        EXPECT_TRUE(acceptable(toBool(v)));
        EXPECT_TRUE(acceptable(toByte(v)));
        EXPECT_TRUE(acceptable(toInteger(v)));
        EXPECT_TRUE(acceptable(toLong(v)));
        EXPECT_TRUE(acceptable(toSingle(v)));
        EXPECT_TRUE(acceptable(toDouble(v)));
        EXPECT_TRUE(acceptable(toCurrency(v)));
        EXPECT_TRUE(acceptable(toDate(v)));
        EXPECT_TRUE(acceptable(toString(v)));
        EXPECT_TRUE(acceptable(toNumeric(v)));
        EXPECT_FALSE(typeName(v).empty());
    }
}

} // namespace
