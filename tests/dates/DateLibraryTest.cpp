// Week numbering of DatePart over fifty years, against an independent ISO
// week computation (the week of that week's Thursday).
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
