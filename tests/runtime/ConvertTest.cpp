// Conversion functions (CBool .. CStr), number parsing and CStr formatting,
// as tables of input and documented result.
#include "TestValues.h"

#include "runtime/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vbs;
using namespace vbs::test;

namespace {

enum class Fn { CBool, CByte, CInt, CLng, CSng, CDbl, CCur, CStr };

// Runs a conversion and gives its result in the describe() form, so that a
// wrong subtype (CInt giving a Long) fails as clearly as a wrong value.
template <class T, class Make>
std::string described(const Result<T>& r, Make make)
{
    return r.ok() ? describe(make(r.value())) : errorOf(r);
}

std::string convert(Fn fn, const Variant& v)
{
    switch (fn) {
    case Fn::CBool: return described(toBool(v), B);
    case Fn::CByte: return described(toByte(v), By);
    case Fn::CInt: return described(toInteger(v), I);
    case Fn::CLng: return described(toLong(v), L);
    case Fn::CSng: return described(toSingle(v), Sg);
    case Fn::CDbl: return described(toDouble(v), D);
    case Fn::CCur: return described(toCurrency(v), Variant::fromCurrency);
    case Fn::CStr: {
        auto r = toString(v);
        return r.ok() ? r.value().toUtf8() : errorOf(r);
    }
    }
    return "?";
}

struct ConvertCase {
    Fn fn;
    Variant input;
    const char* expected;
};

void PrintTo(const ConvertCase& c, std::ostream* os)
{
    *os << "fn" << int(c.fn) << "(" << describe(c.input) << ") -> " << c.expected;
}

class Conversion : public testing::TestWithParam<ConvertCase> { };

TEST_P(Conversion, GivesDocumentedResult)
{
    const ConvertCase& c = GetParam();
    EXPECT_EQ(convert(c.fn, c.input), c.expected);
}

INSTANTIATE_TEST_SUITE_P(IntegerRounding, Conversion, testing::Values(
    ConvertCase { Fn::CInt, D(3.5), "Integer 4" },
    ConvertCase { Fn::CInt, D(2.5000001), "Integer 3" },
    ConvertCase { Fn::CInt, D(32766.5), "Integer 32766" },
    ConvertCase { Fn::CInt, D(-32768.5), "Integer -32768" },
    ConvertCase { Fn::CInt, L(40000), "error 6" },
    ConvertCase { Fn::CInt, Cy(2.5), "Integer 2" },
    ConvertCase { Fn::CInt, B(true), "Integer -1" },
    ConvertCase { Fn::CInt, E(), "Integer 0" },
    ConvertCase { Fn::CInt, N(), "error 94" },
    ConvertCase { Fn::CLng, D(2147483647.5), "error 6" },
    ConvertCase { Fn::CLng, D(-2147483648.5), "Long -2147483648" },
    ConvertCase { Fn::CLng, D(1e10), "error 6" },
    ConvertCase { Fn::CLng, Dt(1.5), "Long 2" },
    ConvertCase { Fn::CByte, D(254.5), "Byte 254" },
    ConvertCase { Fn::CByte, D(255.5), "error 6" },
    ConvertCase { Fn::CByte, D(-0.5), "Byte 0" }));

INSTANTIATE_TEST_SUITE_P(NumericStrings, Conversion, testing::Values(
    ConvertCase { Fn::CInt, S(u"  12  "), "Integer 12" },
    ConvertCase { Fn::CInt, S(u"&H1F"), "Integer 31" },
    ConvertCase { Fn::CInt, S(u"&o17"), "Integer 15" },
    ConvertCase { Fn::CInt, S(u"1e3"), "Integer 1000" },
    ConvertCase { Fn::CInt, S(u"-1.5"), "Integer -2" },
    ConvertCase { Fn::CLng, S(u"1,000"), "Long 1000" },
    ConvertCase { Fn::CLng, S(u"&H10000"), "Long 65536" },
    ConvertCase { Fn::CDbl, S(u"1,000.5"), "Double 1000.5" },
    ConvertCase { Fn::CDbl, S(u".5"), "Double 0.5" },
    ConvertCase { Fn::CDbl, S(u"5."), "Double 5" },
    ConvertCase { Fn::CDbl, S(u"+3"), "Double 3" },
    ConvertCase { Fn::CDbl, S(u"\t-2.5E-2\r\n"), "Double -0.025" },
    ConvertCase { Fn::CDbl, S(u"1e400"), "error 6" },
    ConvertCase { Fn::CDbl, S(u""), "error 13" },
    ConvertCase { Fn::CDbl, S(u"   "), "error 13" },
    ConvertCase { Fn::CDbl, S(u"1e"), "error 13" },
    ConvertCase { Fn::CDbl, S(u"- 3"), "error 13" },
    ConvertCase { Fn::CDbl, S(u"."), "error 13" },
    ConvertCase { Fn::CDbl, S(u",5"), "error 13" },
    ConvertCase { Fn::CDbl, S(u"1.2.3"), "error 13" },
    ConvertCase { Fn::CDbl, S(u"&H"), "error 13" },
    ConvertCase { Fn::CDbl, S(u"&HG"), "error 13" },
    ConvertCase { Fn::CDbl, S(u"12abc"), "error 13" },
    ConvertCase { Fn::CDbl, S(u"True"), "error 13" },
    ConvertCase { Fn::CSng, S(u"1e39"), "error 6" },
    ConvertCase { Fn::CSng, D(1e39), "error 6" },
    ConvertCase { Fn::CSng, D(0.1), "Single 0.1" },
    ConvertCase { Fn::CCur, S(u"1.23456"), "Currency 1.2346" },
    ConvertCase { Fn::CCur, D(1e15), "error 6" },
    ConvertCase { Fn::CCur, D(123456789.1234), "Currency 123456789.1234" },
    ConvertCase { Fn::CCur, S(u"922337203685477.5807"), "Currency 922337203685477.5807" },
    ConvertCase { Fn::CCur, S(u"-922337203685477.5808"), "Currency -922337203685477.5808" },
    ConvertCase { Fn::CCur, S(u"922337203685477.5808"), "error 6" },
    ConvertCase { Fn::CCur, S(u"1.23455"), "Currency 1.2346" },
    ConvertCase { Fn::CCur, S(u"1.23465"), "Currency 1.2346" },
    ConvertCase { Fn::CCur, S(u"1.234650001"), "Currency 1.2347" },
    ConvertCase { Fn::CCur, S(u"0.00005"), "Currency 0" },
    ConvertCase { Fn::CCur, S(u"-1,234.5e-2"), "Currency -12.345" },
    ConvertCase { Fn::CCur, S(u"0.000000001e9"), "Currency 1" },
    ConvertCase { Fn::CCur, S(u"1e20"), "error 6" },
    ConvertCase { Fn::CCur, S(u"1e-99999999"), "Currency 0" },
    ConvertCase { Fn::CCur, S(u"&H10"), "Currency 16" }));

INSTANTIATE_TEST_SUITE_P(Booleans, Conversion, testing::Values(
    ConvertCase { Fn::CBool, S(u"FALSE"), "Boolean False" },
    ConvertCase { Fn::CBool, S(u"0"), "Boolean False" },
    ConvertCase { Fn::CBool, S(u"-0.5"), "Boolean True" },
    ConvertCase { Fn::CBool, S(u"yes"), "error 13" },
    ConvertCase { Fn::CBool, D(0.0), "Boolean False" },
    ConvertCase { Fn::CBool, Cy(0.0001), "Boolean True" },
    ConvertCase { Fn::CDbl, B(true), "Double -1" }));

// CStr: 15 significant digits for Double, 7 for Single, 4 decimals for
// Currency; exponent form outside 1E-4 .. 1E15 (1E7 for Single).
INSTANTIATE_TEST_SUITE_P(Formatting, Conversion, testing::Values(
    ConvertCase { Fn::CStr, D(100), "100" },
    ConvertCase { Fn::CStr, D(-0.0), "0" },
    ConvertCase { Fn::CStr, D(0.1 + 0.2), "0.3" },
    ConvertCase { Fn::CStr, D(2.0 / 3), "0.666666666666667" },
    ConvertCase { Fn::CStr, D(123456789012345.0), "123456789012345" },
    ConvertCase { Fn::CStr, D(999999999999999.0), "999999999999999" },
    ConvertCase { Fn::CStr, D(1e15), "1E+15" },
    ConvertCase { Fn::CStr, D(9999999999999999.0), "1E+16" },
    ConvertCase { Fn::CStr, D(1234567890123456.0), "1.23456789012346E+15" },
    ConvertCase { Fn::CStr, D(1e100), "1E+100" },
    ConvertCase { Fn::CStr, D(1.7976931348623157e308), "1.79769313486232E+308" },
    ConvertCase { Fn::CStr, D(0.0001), "0.0001" },
    ConvertCase { Fn::CStr, D(0.00012345), "0.00012345" },
    ConvertCase { Fn::CStr, D(-1.5e-7), "-1.5E-07" },
    ConvertCase { Fn::CStr, D(4.94065645841247e-324), "4.94065645841247E-324" },
    ConvertCase { Fn::CStr, Sg(1.0f / 3), "0.3333333" },
    ConvertCase { Fn::CStr, Sg(1234567.0f), "1234567" },
    ConvertCase { Fn::CStr, Sg(16777216.0f), "1.677722E+07" },
    ConvertCase { Fn::CStr, Sg(0.1f), "0.1" },
    ConvertCase { Fn::CStr, Cy(12.5), "12.5" },
    ConvertCase { Fn::CStr, Cy(-0.0001), "-0.0001" },
    ConvertCase { Fn::CStr, Variant::fromCurrency(INT64_MAX), "922337203685477.5807" },
    ConvertCase { Fn::CStr, Variant::fromCurrency(INT64_MIN), "-922337203685477.5808" },
    ConvertCase { Fn::CStr, By(255), "255" },
    ConvertCase { Fn::CStr, I(-32768), "-32768" },
    ConvertCase { Fn::CStr, L(-2147483647 - 1), "-2147483648" },
    ConvertCase { Fn::CStr, Variant::fromError(5), "error 13" }));

// Type names of arrays and Nothing are in tests/scripts/library/conversions-types.vbs.
TEST(TypeNames, AnOmittedArgumentIsAnErrorAndNoArrayHasText)
{
    EXPECT_EQ(typeName(Variant::missing()).toUtf8(), "Error");
    EXPECT_EQ(convert(Fn::CStr, Variant::fromArray(Array::createVector({ I(1) }))), "error 13");
}

TEST(Dates, ConvertThroughSerials)
{
    EXPECT_EQ(toDate(I(2)).value(), 2.0);
    EXPECT_EQ(toDate(B(true)).value(), -1.0);
    EXPECT_EQ(errorOf(toDate(D(1e10))), "error 6");
    EXPECT_EQ(errorOf(toDate(S(u"not a date"))), "error 13");
    EXPECT_EQ(errorOf(toDate(N())), "error 94");
    double serial = 0;
    ASSERT_TRUE(parseDateTime(u"1/2/2000", serial));
    EXPECT_EQ(toDate(S(u"1/2/2000")).value(), serial);
    EXPECT_EQ(toString(Dt(serial)).value().toUtf8(), "1/2/2000");
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-0.6), -1);
    EXPECT_EQ(roundHalfEven(1e300), 1e300);
}

TEST(ToNumeric, KeepsSubtypesAndReadsStringsAsDouble)
{
    EXPECT_EQ(describe(toNumeric(E())), "Integer 0");
    EXPECT_EQ(describe(toNumeric(B(true))), "Boolean True");
    EXPECT_EQ(describe(toNumeric(S(u"2.5"))), "Double 2.5");
    EXPECT_EQ(describe(toNumeric(N())), "Null");
    EXPECT_EQ(describe(toNumeric(S(u"z"))), "error 13");
}

} // namespace
