// The library as the interpreter sees it: the function and constant tables,
// look-up, error naming, the site seam of MsgBox/InputBox, the generator
// state, and ByRef arguments, which scripts cannot set up directly.
#include "library/Builtins.h"
#include "runtime/Convert.h"
#include "runtime/DateTime.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace vbs;

namespace {

// Answers every box with fixed replies and records what it was asked.
class RecordingSite : public ScriptSite {
public:
    int messageBox(const Str& prompt, int buttons, const Str& title) override
    {
        asked.push_back(prompt.toUtf8() + "|" + std::to_string(buttons) + "|" + title.toUtf8());
        return 7;
    }
    std::optional<Str> inputBox(const Str& prompt, const Str& title, const Str& defaultText,
                                std::optional<int> x, std::optional<int> y) override
    {
        asked.push_back(prompt.toUtf8() + "|" + title.toUtf8() + "|" + defaultText.toUtf8() + "|"
                        + (x ? std::to_string(*x) : "-") + "|" + (y ? std::to_string(*y) : "-"));
        if (cancel)
            return std::nullopt;
        return Str(u"typed");
    }
    std::vector<std::string> asked;
    bool cancel = false;
};

class TestContext : public BuiltinContext {
public:
    ScriptSite* site() override { return siteToUse; }
    Result<Variant> createObject(std::u16string_view progId) override
    {
        lastProgId = std::u16string(progId);
        return fail(ErrorCode::CantCreateObject, progId);
    }
    Result<Variant> getObject(std::u16string_view, std::u16string_view) override
    {
        return fail(ErrorCode::CantCreateObject);
    }
    ScriptSite* siteToUse = nullptr;
    std::u16string lastProgId;
};

Variant str(std::u16string_view s) { return Variant::fromString(s); }
Variant lng(int32_t n) { return Variant::fromLong(n); }

Result<Variant> call(TestContext& ctx, std::u16string_view name, std::vector<Variant> args)
{
    const BuiltinFunction* f = findBuiltin(name);
    EXPECT_NE(f, nullptr) << std::string(name.begin(), name.end());
    if (!f)
        return fail(ErrorCode::SubOrFunctionNotDefined);
    EXPECT_GE(int(args.size()), f->minArgs);
    EXPECT_TRUE(f->maxArgs == UnlimitedArgs || int(args.size()) <= f->maxArgs);
    return f->fn(ctx, Args(args));
}

Result<Variant> call(std::u16string_view name, std::vector<Variant> args)
{
    TestContext ctx;
    return call(ctx, name, std::move(args));
}

// The value as text, or "error N description".
std::string text(const Result<Variant>& r)
{
    if (!r.ok())
        return "error " + std::to_string(r.error().number) + " " + r.error().description.toUtf8();
    Result<Str> s = toString(r.value());
    return s.ok() ? s.value().toUtf8() : "not text";
}

int errorNumber(const Result<Variant>& r) { return r.ok() ? 0 : r.error().number; }

std::string upper(std::u16string_view s)
{
    std::string out;
    for (char16_t c : s)
        out += char((c >= u'a' && c <= u'z') ? c - 32 : c);
    return out;
}

} // namespace

TEST(LibraryTables, EveryFunctionIsFoundInAnyCaseAndNamesAreUnique)
{
    std::set<std::string> seen;
    for (const BuiltinFunction& f : builtinFunctions()) {
        EXPECT_TRUE(seen.insert(upper(f.name)).second) << upper(f.name);
        EXPECT_LE(f.minArgs, f.maxArgs);
        EXPECT_NE(f.fn, nullptr);
        std::u16string lower;
        for (char16_t c : f.name)
            lower += (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
        EXPECT_EQ(findBuiltin(lower), &f);
        EXPECT_EQ(findBuiltin(f.name), &f);
    }
    EXPECT_GT(seen.size(), 80u);
    EXPECT_EQ(findBuiltin(u"NoSuchFunction"), nullptr);
    EXPECT_EQ(findBuiltin(u""), nullptr);
    EXPECT_EQ(findBuiltin(u"Mi"), nullptr);
    EXPECT_EQ(findBuiltin(u"Midd"), nullptr);
}

// (Their values and subtypes are in tests/scripts/library/constants.vbs.)
TEST(LibraryTables, ConstantNamesAreUnique)
{
    std::set<std::string> seen;
    for (const BuiltinConstant& c : builtinConstants())
        EXPECT_TRUE(seen.insert(upper(c.name)).second) << upper(c.name);
    EXPECT_GE(seen.size(), 85u);
}

TEST(LibraryErrors, BareErrorsAreNamedAfterTheFunction)
{
    EXPECT_EQ(text(call(u"Mid", { str(u"abc"), lng(0) })),
              "error 5 Invalid procedure call or argument: 'Mid'");
    EXPECT_EQ(text(call(u"cint", { str(u"x") })), "error 13 Type mismatch: 'CInt'");
    // CreateObject's own message (the class name) is kept.
    TestContext ctx;
    EXPECT_EQ(text(call(ctx, u"CreateObject", { str(u"No.Such") })),
              "error 429 ActiveX component can't create object: 'No.Such'");
    EXPECT_EQ(ctx.lastProgId, u"No.Such");
    std::string locale = text(call(u"SetLocale", { lng(1031) }));
    EXPECT_EQ(locale.substr(0, 8), "error 5 ");
    EXPECT_NE(locale.find("1033"), std::string::npos);
}

TEST(LibraryArguments, ByRefArgumentsAreFollowed)
{
    Variant target = str(u"Hello");
    std::vector<Variant> byRef { Variant::fromRef(&target) };
    EXPECT_EQ(text(call(u"UCase", byRef)), "HELLO");
    EXPECT_EQ(text(call(u"Len", { Variant::fromRef(&target) })), "5");
    EXPECT_EQ(text(call(u"Mid", { Variant::fromRef(&target), lng(2), lng(3) })), "ell");
    EXPECT_EQ(target.stringView(), u"Hello");
}

TEST(LibraryInteraction, BoxesGoThroughTheSite)
{
    TestContext ctx;
    // Without a site: MsgBox is vbOK, InputBox gives its default.
    EXPECT_EQ(text(call(ctx, u"MsgBox", { str(u"hi") })), "1");
    EXPECT_EQ(text(call(ctx, u"InputBox", { str(u"q"), str(u"t"), str(u"dflt") })), "dflt");

    RecordingSite site;
    ctx.siteToUse = &site;
    Result<Variant> pressed = call(ctx, u"MsgBox", { str(u"Save?"), lng(4 + 32) });
    ASSERT_TRUE(pressed.ok());
    EXPECT_EQ(pressed->type(), VarType::Integer);
    EXPECT_EQ(pressed->asInteger(), 7);
    call(ctx, u"MsgBox", { str(u"p"), Variant::missing(), str(u"Title") }).ok();
    EXPECT_EQ(text(call(ctx, u"InputBox", { str(u"Name?") })), "typed");
    call(ctx, u"InputBox", { str(u"p"), Variant::missing(), str(u"d"), lng(100), lng(200) }).ok();
    site.cancel = true;
    EXPECT_EQ(text(call(ctx, u"InputBox", { str(u"again") })), "");
    EXPECT_EQ(errorNumber(call(ctx, u"MsgBox", { Variant::null() })), 94); // refused before the box
    ASSERT_EQ(site.asked.size(), 5u);
    site.asked.pop_back();
    EXPECT_EQ(site.asked, (std::vector<std::string> { "Save?|36|VBScript", "p|0|Title", "Name?|VBScript||-|-",
                                                      "p|VBScript|d|100|200" }));
}

TEST(LibraryRandom, GeneratorStateLivesInTheContext)
{
    // Rnd(-1) seeds from the Single bits of -1 (&HBF800000): the 24-bit state
    // becomes &H8000BF, then one step of the generator.
    TestContext a;
    Result<Variant> first = call(a, u"Rnd", { lng(-1) });
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first->type(), VarType::Single);
    uint32_t expected = (0x8000BFu * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    EXPECT_EQ(a.rndSeed, expected);
    EXPECT_EQ(first->asSingle(), float(expected) / 16777216.0f);

    // Rnd(0) repeats; Randomize 5 only touches bits 8..23 of the state.
    EXPECT_EQ(call(a, u"Rnd", { lng(0) })->asSingle(), first->asSingle());
    call(a, u"Randomize", { lng(5) }).ok();
    EXPECT_EQ(a.rndSeed, (expected & 0xFFu) | (0x4014u << 8));

    // Two contexts are independent and give the same sequence.
    TestContext b;
    call(b, u"Rnd", { lng(-1) }).ok();
    call(b, u"Randomize", { lng(5) }).ok();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(call(a, u"Rnd", {})->asSingle(), call(b, u"Rnd", {})->asSingle());

    // Randomize without a number keeps the state 24-bit.
    call(b, u"Randomize", {}).ok();
    EXPECT_EQ(b.rndSeed & ~0xFFFFFFu, 0u);
}

// Every function with every combination of awkward arguments (up to three)
// returns a value or an error; none crashes, hangs or allocates absurdly.
TEST(LibraryRobustness, AwkwardArgumentsGiveValuesOrErrors)
{
    std::vector<Variant> samples = {
        Variant(), Variant::null(), Variant::missing(), lng(-1), lng(0), lng(3),
        Variant::fromDouble(2.5), lng(INT32_MAX), Variant::fromDouble(-1e300), str(u""), str(u"a%u12b"),
        Variant::fromBool(true), Variant::nothing(),
        Variant::fromArray(Array::createVector({ str(u"x"), Variant::null() })),
    };
    TestContext ctx;
    size_t calls = 0;
    for (const BuiltinFunction& f : builtinFunctions()) {
        int most = std::min<int>(f.maxArgs, 3);
        for (int count = f.minArgs; count <= most; ++count) {
            size_t combos = 1;
            for (int i = 0; i < count; ++i)
                combos *= samples.size();
            for (size_t k = 0; k < combos; ++k) {
                std::vector<Variant> args;
                for (size_t rest = k, i = 0; i < size_t(count); ++i, rest /= samples.size())
                    args.push_back(samples[rest % samples.size()]);
                Result<Variant> r = f.fn(ctx, Args(args));
                EXPECT_TRUE(r.ok() || r.error().number != 0);
                ++calls;
            }
        }
    }
    EXPECT_GT(calls, 10000u);
}

// DatePart("ww", d, vbMonday, vbFirstFourDays) over fifty years against an
// independent ISO 8601 week: the week of that week's Thursday.
TEST(LibraryDates, FourDayWeeksFromMondayAreIsoWeeks)
{
    double from = 0.0, to = 0.0;
    serialFromDate(1990, 1, 1, from);
    serialFromDate(2040, 12, 31, to);
    TestContext ctx;
    for (int64_t d = int64_t(from); d <= int64_t(to); ++d) {
        const int64_t thursday = d - (weekdayOfSerial(double(d)) + 5) % 7 + 3; // weekday 1 is Sunday
        DateParts p;
        partsFromSerial(double(thursday), p);
        double jan1 = 0.0;
        serialFromDate(p.year, 1, 1, jan1);
        Result<Variant> week
            = call(ctx, u"DatePart", { str(u"ww"), Variant::fromDate(double(d)), lng(2), lng(2) });
        ASSERT_TRUE(week.ok());
        ASSERT_EQ(toLong(week.value()).value(), (thursday - int64_t(jan1)) / 7 + 1)
            << formatDateGeneral(double(d)).toUtf8();
    }
}
