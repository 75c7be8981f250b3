// The date and formatting functions called through their tables: week
// numbering, rollover, month-end clamping, rounding, and argument errors.
#include "library/Builtins.h"
#include "runtime/DateTime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vbs;

namespace {

class TestContext : public BuiltinContext {
public:
    ScriptSite* site() override { return nullptr; }
    Result<Variant> createObject(std::u16string_view) override { return fail(ErrorCode::TypeMismatch); }
    Result<Variant> getObject(std::u16string_view, std::u16string_view) override
    {
        return fail(ErrorCode::TypeMismatch);
    }
};

const BuiltinFunction* lookup(std::u16string_view name)
{
    for (auto table : { dateFunctions(), formatFunctions() }) {
        for (const BuiltinFunction& f : table) {
            if (equalsIgnoreCase(f.name, name))
                return &f;
        }
    }
    return nullptr;
}

Result<Variant> call(std::u16string_view name, std::vector<Variant> args)
{
    TestContext ctx;
    const BuiltinFunction* f = lookup(name);
    EXPECT_NE(f, nullptr);
    EXPECT_GE(static_cast<int>(args.size()), f->minArgs);
    EXPECT_LE(static_cast<int>(args.size()), f->maxArgs);
    return f->fn(ctx, Args(args.data(), args.size()));
}

Variant date(int y, int m, int d)
{
    double s = 0.0;
    EXPECT_TRUE(serialFromDate(y, m, d, s));
    return Variant::fromDate(s);
}

Variant str(const char* s)
{
    const std::string t = s;
    return Variant::fromString(std::u16string(t.begin(), t.end()));
}

Variant num(int v)
{
    return Variant::fromLong(v);
}

int32_t asInt(Result<Variant> r)
{
    EXPECT_TRUE(r.ok());
    if (!r.ok())
        return -99999;
    const Variant& v = r.value();
    return v.type() == VarType::Integer ? v.asInteger() : v.asLong();
}

std::string asText(Result<Variant> r)
{
    EXPECT_TRUE(r.ok());
    if (!r.ok())
        return "<error " + std::to_string(r.error().number) + ">";
    if (r.value().type() == VarType::Date)
        return formatDateGeneral(r.value().asDate()).toUtf8();
    return r.value().asString().toUtf8();
}

int errorOf(Result<Variant> r)
{
    return r.ok() ? 0 : r.error().number;
}

// ISO 8601 week: the week of that week's Thursday, weeks starting Monday.
int isoWeek(int64_t day)
{
    const int weekday = weekdayOfSerial(static_cast<double>(day)); // 1 = Sunday
    const int64_t thursday = day - (weekday + 5) % 7 + 3;
    DateParts p;
    partsFromSerial(static_cast<double>(thursday), p);
    double jan1 = 0.0;
    serialFromDate(p.year, 1, 1, jan1);
    return static_cast<int>((thursday - static_cast<int64_t>(jan1)) / 7 + 1);
}

} // namespace

TEST(DatePart, FourDayWeeksFromMondayAreIsoWeeks)
{
    double from = 0.0, to = 0.0;
    serialFromDate(1990, 1, 1, from);
    serialFromDate(2040, 12, 31, to);
    for (int64_t d = static_cast<int64_t>(from); d <= static_cast<int64_t>(to); ++d) {
        const int week = asInt(call(u"DatePart", { str("ww"), Variant::fromDate(d), num(2), num(2) }));
        ASSERT_EQ(week, isoWeek(d)) << formatDateGeneral(d).toUtf8();
    }
}

TEST(DatePart, WeekOfYearSystems)
{
    // 1/1/2026 is a Thursday.
    EXPECT_EQ(asInt(call(u"DatePart", { str("ww"), date(2026, 1, 1) })), 1);
    EXPECT_EQ(asInt(call(u"DatePart", { str("ww"), date(2026, 1, 3) })), 1);
    EXPECT_EQ(asInt(call(u"DatePart", { str("ww"), date(2026, 1, 4) })), 2);
    EXPECT_EQ(asInt(call(u"DatePart", { str("ww"), date(2026, 12, 31) })), 53);
    // First full week (from Sunday) starts 1/4/2026; the days before are in 2025's last week.
    EXPECT_EQ(asInt(call(u"DatePart", { str("ww"), date(2026, 1, 3), num(1), num(3) })), 52);
    EXPECT_EQ(asInt(call(u"DatePart", { str("ww"), date(2026, 1, 4), num(1), num(3) })), 1);
    // 2000 began on a Saturday and was a leap year: 54 weeks touch it.
    EXPECT_EQ(asInt(call(u"DatePart", { str("ww"), date(2000, 12, 31) })), 54);
    EXPECT_EQ(asInt(call(u"DatePart", { str("ww"), date(100, 1, 1), num(1), num(3) })), 52);
}

TEST(DatePart, OtherIntervals)
{
    const Variant t = Variant::fromDate(46372 + serialFromTime(18, 51, 3)); // Wed 12/16/2026
    EXPECT_EQ(asInt(call(u"DatePart", { str("yyyy"), t })), 2026);
    EXPECT_EQ(asInt(call(u"DatePart", { str("q"), t })), 4);
    EXPECT_EQ(asInt(call(u"DatePart", { str("y"), t })), 350);
    EXPECT_EQ(asInt(call(u"DatePart", { str("y"), date(2024, 12, 31) })), 366);
    EXPECT_EQ(asInt(call(u"DatePart", { str("w"), t })), 4);
    EXPECT_EQ(asInt(call(u"DatePart", { str("w"), t, num(2) })), 3);
    EXPECT_EQ(asInt(call(u"DatePart", { str("W"), t, num(0) })), 4); // system: Sunday
    EXPECT_EQ(asInt(call(u"DatePart", { str("h"), t })), 18);
    EXPECT_EQ(asInt(call(u"DatePart", { str("n"), t })), 51);
    EXPECT_EQ(asInt(call(u"DatePart", { str("s"), t })), 3);
    EXPECT_EQ(errorOf(call(u"DatePart", { str("x"), t })), 5);
    EXPECT_EQ(errorOf(call(u"DatePart", { str("w"), t, num(8) })), 5);
    EXPECT_EQ(errorOf(call(u"DatePart", { str("ww"), t, num(1), num(4) })), 5);
    EXPECT_EQ(errorOf(call(u"DatePart", { Variant::null(), t })), 94);
    EXPECT_TRUE(call(u"DatePart", { str("d"), Variant::null() }).value().isNull());
}

TEST(DateDiff, BoundariesCrossed)
{
    const double t = 46362; // Sun 12/6/2026
    auto diff = [](const char* iv, double a, double b, int fdw = 1) {
        return asInt(call(u"DateDiff", { str(iv), Variant::fromDate(a), Variant::fromDate(b), num(fdw) }));
    };
    EXPECT_EQ(diff("d", serialFromTime(0, 0, 0) + 46023, t), 339);
    EXPECT_EQ(diff("d", t + 0.99, t + 1.01), 1);
    EXPECT_EQ(diff("h", t + serialFromTime(1, 59, 0), t + serialFromTime(2, 1, 0)), 1);
    EXPECT_EQ(diff("n", t, t - serialFromTime(0, 0, 30)), -1);
    EXPECT_EQ(diff("s", -1.5, 0.5), 86400); // 12/29 noon to 12/30 noon
    EXPECT_EQ(diff("yyyy", 46387, 46388), 1); // 12/31/2026 to 1/1/2027
    EXPECT_EQ(diff("q", 46112, 46113), 1); // 3/31 to 4/1
    EXPECT_EQ(diff("m", 46053, 46081), 1); // 1/31 to 2/28
    EXPECT_EQ(diff("w", t, t + 13), 1);
    EXPECT_EQ(diff("w", t, t - 13), -1);
    EXPECT_EQ(diff("ww", t, t + 7), 1); // Sunday to Sunday: the second one counts
    EXPECT_EQ(diff("ww", t - 1, t), 1); // Saturday to Sunday
    EXPECT_EQ(diff("ww", t, t + 6), 0);
    EXPECT_EQ(diff("ww", t, t + 1, 2), 1); // weeks from Monday
    EXPECT_EQ(diff("ww", t + 1, t, 2), -1);
    EXPECT_EQ(errorOf(call(u"DateDiff", { str("s"), date(100, 1, 1), date(9999, 12, 31) })), 6);
    EXPECT_EQ(errorOf(call(u"DateDiff", { str("d"), str("someday"), date(2026, 1, 1) })), 13);
}

TEST(DateAdd, MonthEndsClampAndTimesCarry)
{
    EXPECT_EQ(asText(call(u"DateAdd", { str("m"), num(1), date(2026, 1, 31) })), "2/28/2026");
    EXPECT_EQ(asText(call(u"DateAdd", { str("m"), num(1), date(2024, 1, 31) })), "2/29/2024");
    EXPECT_EQ(asText(call(u"DateAdd", { str("yyyy"), num(1), date(2024, 2, 29) })), "2/28/2025");
    EXPECT_EQ(asText(call(u"DateAdd", { str("q"), num(-1), date(2026, 5, 31) })), "2/28/2026");
    EXPECT_EQ(asText(call(u"DateAdd", { str("m"), num(-13), date(2026, 1, 15) })), "12/15/2024");
    EXPECT_EQ(asText(call(u"DateAdd", { str("ww"), num(2), date(2026, 12, 25) })), "1/8/2027");
    EXPECT_EQ(asText(call(u"DateAdd", { str("n"), num(-1), date(2026, 1, 1) })), "12/31/2025 11:59:00 PM");
    EXPECT_EQ(asText(call(u"DateAdd", { str("h"), num(-6), Variant::fromDate(0) })), "12/29/1899 6:00:00 PM");
    EXPECT_EQ(asText(call(u"DateAdd", { str("s"), Variant::fromDouble(1.5), Variant::fromDate(0) })),
        "12:00:02 AM");
    EXPECT_EQ(errorOf(call(u"DateAdd", { str("yyyy"), num(1), date(9999, 6, 1) })), 5);
    EXPECT_EQ(errorOf(call(u"DateAdd", { str("d"), num(-1), date(100, 1, 1) })), 5);
    EXPECT_EQ(errorOf(call(u"DateAdd", { str("d"), Variant::null(), date(2026, 1, 1) })), 94);
    EXPECT_TRUE(call(u"DateAdd", { str("d"), num(1), Variant::null() }).value().isNull());
}

TEST(DateSerial, RollsOverAndMapsTwoDigitYears)
{
    auto serial = [](int y, int m, int d) { return asText(call(u"DateSerial", { num(y), num(m), num(d) })); };
    EXPECT_EQ(serial(2026, 14, 1), "2/1/2027");
    EXPECT_EQ(serial(2026, 1, 0), "12/31/2025");
    EXPECT_EQ(serial(2026, -1, -1), "10/30/2025");
    EXPECT_EQ(serial(1990 - 10, 8 - 2, 1 - 1), "5/31/1980");
    EXPECT_EQ(serial(99, 1, 1), "1/1/1999");
    EXPECT_EQ(serial(0, 1, 1), "1/1/1900");
    EXPECT_EQ(errorOf(call(u"DateSerial", { num(10000), num(1), num(1) })), 5);
    EXPECT_EQ(errorOf(call(u"DateSerial", { num(-1), num(1), num(1) })), 5);
    EXPECT_EQ(errorOf(call(u"DateSerial", { Variant::null(), num(1), num(1) })), 94);

    auto time = [](int h, int m, int s) { return asText(call(u"TimeSerial", { num(h), num(m), num(s) })); };
    EXPECT_EQ(time(12 - 6, -15, 0), "5:45:00 AM");
    EXPECT_EQ(time(0, 0, 86399), "11:59:59 PM");
    EXPECT_EQ(time(25, 0, 0), "12/31/1899 1:00:00 AM");
    EXPECT_EQ(time(0, -1, 0), "12/29/1899 11:59:00 PM");
}

TEST(Format, NumbersRoundHalfAwayFromZero)
{
    auto number = [](double v, int digits) {
        return asText(call(u"FormatNumber", { Variant::fromDouble(v), num(digits) }));
    };
    EXPECT_EQ(number(1234567.891, 2), "1,234,567.89");
    EXPECT_EQ(number(2.675, 2), "2.68");
    EXPECT_EQ(number(1.005, 2), "1.01");
    EXPECT_EQ(number(-2.5, 0), "-3");
    EXPECT_EQ(number(0.5, 0), "1");
    EXPECT_EQ(number(999.995, 2), "1,000.00");
    EXPECT_EQ(number(0.004, 2), "0.00");
    EXPECT_EQ(number(0.00004, 4), "0.0000");
    EXPECT_EQ(number(0.00005, 4), "0.0001");
    EXPECT_EQ(number(123456789012345678.0, 0), "123,456,789,012,346,000");
    EXPECT_EQ(number(1e-20, 2), "0.00");
    EXPECT_EQ(number(12345.6789, -1), "12,345.68");
    EXPECT_EQ(number(100, 5), "100.00000");
}

TEST(Format, TristateOptions)
{
    auto fmt = [](const char16_t* fn, double v, int digits, int lead, int parens, int group) {
        return asText(call(fn, { Variant::fromDouble(v), num(digits), num(lead), num(parens), num(group) }));
    };
    EXPECT_EQ(fmt(u"FormatNumber", -0.5, 2, -2, -2, -2), "-0.50");
    EXPECT_EQ(fmt(u"FormatNumber", -0.5, 2, 0, -1, -2), "(.50)");
    EXPECT_EQ(fmt(u"FormatNumber", 1234.5, 1, -1, 0, 0), "1234.5");
    EXPECT_EQ(fmt(u"FormatCurrency", -1234.5, -1, -2, -2, -2), "($1,234.50)");
    EXPECT_EQ(fmt(u"FormatCurrency", -1234.5, 2, -2, 0, -2), "-$1,234.50");
    EXPECT_EQ(fmt(u"FormatCurrency", 0.25, 2, 0, -2, -2), "$.25");
    EXPECT_EQ(fmt(u"FormatPercent", 0.125, 1, -2, -2, -2), "12.5%");
    EXPECT_EQ(fmt(u"FormatPercent", -0.125, 2, -2, -1, -2), "(12.50%)");
    EXPECT_EQ(fmt(u"FormatPercent", 12.345, 0, -2, -2, -1), "1,235%");
    EXPECT_EQ(asText(call(u"FormatCurrency", { Variant::fromCurrency(12345678) })), "$1,234.57");
    EXPECT_EQ(asText(call(u"FormatNumber", { Variant() })), "0.00");
    EXPECT_EQ(asText(call(u"FormatNumber", { str("1234.5") })), "1,234.50");
    EXPECT_EQ(errorOf(call(u"FormatNumber", { str("abc") })), 13);
    EXPECT_EQ(errorOf(call(u"FormatNumber", { Variant::null() })), 94);
    EXPECT_EQ(errorOf(call(u"FormatNumber", { num(1), num(-2) })), 5);
}

TEST(Format, DateTimeForms)
{
    const Variant t = Variant::fromDate(46372 + serialFromTime(18, 51, 3));
    EXPECT_EQ(asText(call(u"FormatDateTime", { t })), "12/16/2026 6:51:03 PM");
    EXPECT_EQ(asText(call(u"FormatDateTime", { t, num(1) })), "Wednesday, December 16, 2026");
    EXPECT_EQ(asText(call(u"FormatDateTime", { t, num(2) })), "12/16/2026");
    EXPECT_EQ(asText(call(u"FormatDateTime", { t, num(3) })), "6:51:03 PM");
    EXPECT_EQ(asText(call(u"FormatDateTime", { t, num(4) })), "18:51");
    EXPECT_EQ(asText(call(u"FormatDateTime", { str("12/6/2026 6:51 AM"), num(4) })), "06:51");
    EXPECT_EQ(errorOf(call(u"FormatDateTime", { t, num(5) })), 5);
    EXPECT_EQ(errorOf(call(u"FormatDateTime", { str("soon") })), 13);
    EXPECT_EQ(errorOf(call(u"FormatDateTime", { Variant::null() })), 94);
}
