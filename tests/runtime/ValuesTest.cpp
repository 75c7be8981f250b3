// Strings, errors, Variant ownership and arrays.
#include "TestValues.h"

#include <gtest/gtest.h>

#include <set>

using namespace vbs;
using namespace vbs::test;

namespace {

TEST(Str, AppendGrowsGeometricallyInPlace)
{
    Str s;
    std::set<const void*> buffers;
    for (int i = 0; i < 100000; ++i) {
        ASSERT_TRUE(s.append(u"x"));
        buffers.insert(s.rep());
    }
    EXPECT_EQ(s.size(), 100000u);
    // Doubling from one unit reaches 100000 in 17 steps.
    EXPECT_LE(buffers.size(), 20u);
}

TEST(Str, AppendNeverChangesASharedString)
{
    Str a(u"ab");
    ASSERT_TRUE(a.append(u"c")); // now has spare capacity
    Str b = a;
    ASSERT_TRUE(b.append(u"d"));
    EXPECT_EQ(a, u"abc");
    EXPECT_EQ(b, u"abcd");

    Variant v = Variant::fromString(a);
    Variant w = v;
    ASSERT_TRUE(w.appendString(u"!"));
    EXPECT_EQ(v.stringView(), u"abc");
    EXPECT_EQ(w.stringView(), u"abc!");
}

TEST(Str, AppendOfItselfAndEmptyParts)
{
    Str s(u"ab");
    ASSERT_TRUE(s.append(s.view()));
    ASSERT_TRUE(s.append(s.view()));
    EXPECT_EQ(s, u"abababab");
    // A part of itself past the capacity: the block may move while growing.
    Str big;
    for (int i = 0; i < 5000; ++i)
        ASSERT_TRUE(big.append(u"xy"));
    const size_t n = big.size();
    ASSERT_TRUE(big.append(big.view().substr(1, n - 1)));
    EXPECT_EQ(big.size(), 2 * n - 1);
    EXPECT_EQ(big.view().substr(n - 2, 4), u"xyyx");
    EXPECT_EQ(big.view().substr(2 * n - 3), u"xy");
    Str empty;
    ASSERT_TRUE(empty.append(u""));
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty.data()[0], u'\0');
}

// Short strings keep no capacity; long ones do, in front of the header. Each
// step crosses between the two with a part of the string itself.
TEST(Str, ShortAndLongBlocksTurnIntoEachOther)
{
    std::u16string expect(60, u'a');
    Str s(expect);
    ASSERT_TRUE(s.append(s.view().substr(0, 10))); // short to long
    expect += expect.substr(0, 10);
    EXPECT_EQ(s, expect);
    s.keepUnits(3, 20); // long to short, at the block's start
    expect = expect.substr(3, 20);
    EXPECT_EQ(s, expect);
    ASSERT_TRUE(s.append(s.view()));
    ASSERT_TRUE(s.append(s.view()));
    expect += expect;
    expect += expect;
    EXPECT_EQ(s, expect);
    EXPECT_EQ(s.data()[s.size()], u'\0');

    // replaceString writes into the block when it may, else into a new one.
    Variant v = Variant::fromString(Str(std::u16string(100, u'x')));
    const char16_t* block = v.stringView().data();
    EXPECT_TRUE(v.replaceString(std::u16string(50, u'y'), std::u16string(30, u'z')));
    EXPECT_EQ(v.stringView().size(), 80u);
    EXPECT_EQ(v.stringView().data(), block);
    EXPECT_TRUE(v.replaceString(u"ab", u"c")); // a long block takes no short text
    EXPECT_EQ(v.stringView(), u"abc");
    Variant w = Variant::fromString(Str(u"abcdefghij")); // room for 15
    block = w.stringView().data();
    EXPECT_TRUE(w.replaceString(u"0123456", u"789ABCDE"));
    EXPECT_EQ(w.stringView().data(), block);
    Variant shared = w;
    EXPECT_TRUE(w.replaceString(shared.stringView(), u"F")); // 16 units, and shared
    EXPECT_EQ(w.stringView(), u"0123456789ABCDEF");
    EXPECT_EQ(shared.stringView(), u"0123456789ABCDE");
    Variant n = Variant::fromLong(5);
    EXPECT_TRUE(n.replaceString(u"", u""));
    EXPECT_TRUE(n.isString() && n.stringView().empty());
}

TEST(Str, LengthLimitFailsInsteadOfAllocating)
{
    Str s;
    EXPECT_FALSE(s.allocate(Str::MaxLength + 1));
    EXPECT_TRUE(s.empty());
    Str t(u"abc");
    const std::u16string_view huge(u"x", Str::MaxLength); // never read
    EXPECT_FALSE(t.append(huge));
    EXPECT_EQ(t, u"abc");
    EXPECT_THROW(Str(std::u16string_view(u"x", Str::MaxLength + 1)), std::bad_alloc);
}

TEST(Str, Utf8RoundTripAndReplacement)
{
    EXPECT_EQ(Str::fromUtf8("caf\xC3\xA9 \xF0\x9F\x98\x80").view(), u"caf\u00e9 \U0001F600");
    EXPECT_EQ(Str::fromUtf8("a\xFF" "b").view(), u"a\ufffd" "b");
    EXPECT_EQ(Str::fromUtf8("\xE2\x82").view(), u"\ufffd\ufffd"); // truncated sequence
    EXPECT_EQ(Str(u"\u00e9\U0001F600").toUtf8(), "\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(Str::fromLatin1("\xE9").view(), u"\u00e9");
}

TEST(DecodeScriptText, Utf8WhenValidElseWindows1252)
{
    EXPECT_EQ(decodeScriptText("\xEF\xBB\xBFx = 1"), u"x = 1");
    EXPECT_EQ(decodeScriptText("s = \"\xC3\xA9\""), u"s = \"\u00e9\"");
    EXPECT_EQ(decodeScriptText("s = \"caf\xE9\""), u"s = \"caf\u00e9\"");
    EXPECT_EQ(decodeScriptText("\x80\x81\x9F\xA0"), u"\u20ac\u0081\u0178\u00a0");
    // Overlong and surrogate encodings are not valid UTF-8.
    EXPECT_EQ(decodeScriptText("\xC0\x80"), u"\u00c0\u20ac");
    EXPECT_EQ(decodeScriptText("\xED\xA0\x80"), u"\u00ed\u00a0\u20ac");
    EXPECT_EQ(decodeScriptText(""), u"");
}

// (Descriptions and named messages are what scripts print: errors-numbers.vbs,
// unhandled-undefined.vbs.)
TEST(Errors, UnknownNumbersAndCompilationErrors)
{
    EXPECT_EQ(errorDescription(12345), nullptr);
    EXPECT_TRUE(makeError(ErrorCode::VariableIsUndefined, u"x").source.empty());
    EXPECT_TRUE(isCompilationError(1002));
    EXPECT_FALSE(isCompilationError(13));
    EXPECT_FALSE(isCompilationError(5017));
}

// Counts live instances so that tests can see releases happen.
class Probe : public Object {
public:
    explicit Probe(int& live)
        : m_live(live)
    {
        ++m_live;
    }
    ~Probe() override { --m_live; }
    Str typeName() const override { return Str(u"Probe"); }
    DispId memberId(std::u16string_view) override { return DispIdUnknown; }
    Result<Variant> invoke(DispId, InvokeKind, Args) override { return fail(ErrorCode::ObjectDoesntSupportMember); }

private:
    int& m_live;
};

TEST(VariantOwnership, ObjectsAreReleasedDeterministically)
{
    int live = 0;
    {
        Variant a = Variant::fromObject(new Probe(live));
        Variant b = a;
        EXPECT_EQ(a.asObject()->refCount(), 2u);
        a = I(1);
        EXPECT_EQ(live, 1);
        Variant c = std::move(b);
        EXPECT_TRUE(b.isEmpty());
        EXPECT_EQ(typeName(c).toUtf8(), "Probe");
    }
    EXPECT_EQ(live, 0);
    Variant v = Variant::fromObject(new Probe(live));
    Variant& same = v;
    v = same; // self-assignment keeps the object
    EXPECT_EQ(live, 1);
    v.clear();
    EXPECT_EQ(live, 0);
}

Array* makeArray(std::vector<int32_t> bounds, bool fixed = false)
{
    auto r = Array::create(bounds, fixed);
    return r.ok() ? r.value() : nullptr;
}

TEST(Arrays, BoundsAndColumnMajorLayout)
{
    Variant v = Variant::fromArray(makeArray({ 1, 2 }));
    Array* a = v.asArray();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->dims(), 2);
    EXPECT_EQ(a->size(), 6u);
    const int32_t i10[] = { 1, 0 };
    auto element = a->at(i10);
    ASSERT_TRUE(element.ok());
    EXPECT_EQ(element.value(), &(*a)[1]); // first index varies fastest
    const int32_t i12[] = { 1, 2 };
    EXPECT_EQ(a->at(i12).value(), &(*a)[5]);
    const int32_t negative[] = { 0, -1 }; // (other bad indexes: tests/scripts/language/arrays.vbs)
    EXPECT_EQ(errorOf(a->at(negative)), "error 9");
}

TEST(Arrays, SizeLimits)
{
    EXPECT_EQ(errorOf(Array::create(std::vector<int32_t> { 65535, 65535, 65535 }, false)), "error 7");
    EXPECT_EQ(errorOf(Array::create(std::vector<int32_t> { -2 }, false)), "error 9");
    EXPECT_EQ(errorOf(Array::create(std::vector<int32_t>(61, 0), false)), "error 9");
    EXPECT_EQ(errorOf(Array::create(std::vector<int32_t>(60, 1), false)), "error 7"); // 2^60 elements
    Variant sixty = Variant::fromArray(makeArray(std::vector<int32_t>(60, 0)));
    ASSERT_TRUE(sixty.isArray());
    EXPECT_EQ(sixty.asArray()->size(), 1u);
    Variant empty = Variant::fromArray(makeArray({ -1, 2000000000 }));
    ASSERT_TRUE(empty.isArray());
    EXPECT_EQ(empty.asArray()->size(), 0u);
    const int32_t zero[] = { 0, 0 };
    EXPECT_EQ(errorOf(empty.asArray()->at(zero)), "error 9");
}

TEST(Arrays, LockedArraysRefuseRedimUntilUnlocked)
{
    Variant d = Variant::fromArray(makeArray({ 3 }));
    d.asArray()->lock();
    EXPECT_EQ(errorOf(d.asArray()->redimPreserve(std::vector<int32_t> { 5 })), "error 10");
    d.asArray()->unlock();
    EXPECT_TRUE(d.asArray()->redimPreserve(std::vector<int32_t> { 5 }).ok());
    Variant never = Variant::fromArray(makeArray({}));
    EXPECT_EQ(never.asArray()->dims(), 0);
    ASSERT_TRUE(never.asArray()->redimPreserve(std::vector<int32_t> { 2, 4 }).ok());
    EXPECT_EQ(never.asArray()->size(), 15u);
}

TEST(Arrays, AssignmentCopiesOnWrite)
{
    Variant a = Variant::fromArray(Array::createVector({ I(1), I(2) }));
    Variant b = a;
    EXPECT_EQ(a.asArray(), b.asArray());
    Array* mine = b.mutableArray();
    ASSERT_NE(mine, a.asArray());
    (*mine)[0] = S(u"changed");
    EXPECT_EQ(describe((*a.asArray())[0]), "Integer 1");
    EXPECT_EQ(describe((*b.asArray())[0]), "String changed");
    EXPECT_EQ(a.asArray()->refCount(), 1u);
    EXPECT_EQ(a.mutableArray(), a.asArray()); // unshared: no copy
    EXPECT_EQ(b.asArray()->upperBound(0), 1);
    EXPECT_EQ(I(1).mutableArray(), nullptr);
}

TEST(Arrays, AssigningAnElementToItsOwnArrayVariable)
{
    Variant v = Variant::fromArray(Array::createVector({ S(u"kept"), I(2) }));
    v = std::move((*v.asArray())[0]); // the array dies during the assignment
    EXPECT_EQ(describe(v), "String kept");
    Variant w = Variant::fromArray(Array::createVector({ S(u"copied") }));
    w = (*w.asArray())[0];
    EXPECT_EQ(describe(w), "String copied");
}

TEST(Arrays, ElementsReleaseTheirObjects)
{
    int live = 0;
    {
        Variant a = Variant::fromArray(Array::createVector({ Variant::fromObject(new Probe(live)) }));
        Variant copy = a;
        copy.mutableArray();
        EXPECT_EQ(live, 1);
        EXPECT_EQ((*a.asArray())[0].asObject()->refCount(), 2u);
    }
    EXPECT_EQ(live, 0);
}

} // namespace
