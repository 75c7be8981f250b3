#include "ObjectTestSupport.h"

#include "objects/Dictionary.h"
#include "objects/Factory.h"

using namespace vbs;
using namespace vbs::test;

namespace {

// An object that runs code when its last reference goes, as a script class
// with Class_Terminate does.
class Terminating final : public Object {
public:
    explicit Terminating(std::function<void()> onTerminate)
        : m_onTerminate(std::move(onTerminate))
    {
    }
    Str typeName() const override { return Str(u"Terminating"); }
    DispId memberId(std::u16string_view) override { return DispIdUnknown; }
    Result<Variant> invoke(DispId, InvokeKind, Args) override
    {
        return fail(ErrorCode::ObjectDoesntSupportMember);
    }

protected:
    void finalRelease() noexcept override
    {
        m_onTerminate();
        delete this;
    }

private:
    std::function<void()> m_onTerminate;
};

std::vector<std::string> keyTexts(const Dictionary& d)
{
    Variant keys = d.keysArray();
    std::vector<std::string> out;
    for (const Variant& k : keys.asArray()->elements())
        out.push_back(text(k));
    return out;
}

Variant keyOf(int i)
{
    std::u16string key = u"k";
    for (char c : std::to_string(i))
        key.push_back(static_cast<char16_t>(c));
    return Variant::fromString(key);
}

} // namespace

TEST(Dictionary, NumericKeysCompareByValueAcrossSubtypes)
{
    Dictionary d;
    ASSERT_TRUE(d.add(Variant::fromInteger(1), str(u"one")).ok());
    for (const Variant& same : { Variant::fromLong(1), Variant::fromDouble(1.0), Variant::fromByte(1),
             Variant::fromCurrency(10000), Variant::fromSingle(1.0f) }) {
        EXPECT_TRUE(d.exists(same).value());
        EXPECT_EQ(d.add(same, Variant()).error().number, 457);
    }
    EXPECT_FALSE(d.exists(str(u"1")).value()) << "a string never equals a number";
    EXPECT_FALSE(d.exists(Variant::fromDouble(1.5)).value());
    ASSERT_TRUE(d.add(Variant::fromDouble(-0.0), Variant()).ok());
    EXPECT_TRUE(d.exists(Variant::fromInteger(0)).value());
    EXPECT_TRUE(d.exists(Variant::fromBool(false)).value()) << "False is the number 0";
}

TEST(Dictionary, EmptyNullAndObjectKeys)
{
    Dictionary d;
    Ref<Object> a = makeRef<Dictionary>();
    Ref<Object> b = makeRef<Dictionary>();
    ASSERT_TRUE(d.add(Variant(), str(u"empty")).ok());
    ASSERT_TRUE(d.add(Variant::null(), str(u"null")).ok());
    ASSERT_TRUE(d.add(Variant::fromObject(a), str(u"a")).ok());
    EXPECT_FALSE(d.exists(str(u"")).value());
    EXPECT_FALSE(d.exists(Variant::fromInteger(0)).value());
    EXPECT_TRUE(d.exists(Variant::fromObject(a)).value());
    EXPECT_FALSE(d.exists(Variant::fromObject(b)).value()) << "objects are keys by identity";
    EXPECT_EQ(text(d.item(Variant::null()).value()), "null");
    EXPECT_EQ(a->refCount(), 2u) << "the dictionary holds its object key";
    Variant array = Variant::fromArray(Array::createVector({ Variant::fromInteger(1) }));
    EXPECT_EQ(d.add(array, Variant()).error().number, 13);
}

TEST(Dictionary, ByRefKeysAndValuesAreStoredAsValues)
{
    Dictionary d;
    Variant key = str(u"k");
    Variant value = Variant::fromLong(5);
    ASSERT_TRUE(d.add(Variant::fromRef(&key), Variant::fromRef(&value)).ok());
    value = Variant::fromLong(6);
    key = str(u"other");
    EXPECT_EQ(text(d.item(str(u"k")).value()), "5");
}

TEST(Dictionary, CompareModeRules)
{
    Dictionary d;
    EXPECT_EQ(d.setCompareMode(-1).error().number, 5);
    ASSERT_TRUE(d.setCompareMode(2).ok()) << "locale modes are accepted and compare as text";
    EXPECT_EQ(d.compareMode(), 2);
    ASSERT_TRUE(d.add(str(u"x"), Variant()).ok());
    EXPECT_EQ(d.setCompareMode(0).error().number, 5);
    d.removeAll();
    EXPECT_TRUE(d.setCompareMode(0).ok());
}

TEST(Dictionary, OrderSurvivesRemovalRenameAndCompaction)
{
    Dictionary d;
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(d.add(Variant::fromLong(i), Variant::fromLong(i * 2)).ok());
    for (int i = 0; i < 100; ++i) {
        if (i % 10 != 0) {
            ASSERT_TRUE(d.remove(Variant::fromLong(i)).ok());
        }
    }
    ASSERT_TRUE(d.renameKey(Variant::fromLong(50), str(u"fifty")).ok());
    ASSERT_TRUE(d.add(Variant::fromLong(1), Variant()).ok());
    EXPECT_EQ(keyTexts(d),
        std::vector<std::string>({ "0", "10", "20", "30", "40", "fifty", "60", "70", "80", "90", "1" }));
    EXPECT_EQ(text(d.item(str(u"fifty")).value()), "100");
    EXPECT_FALSE(d.exists(Variant::fromLong(50)).value());
}

TEST(Dictionary, ManyInsertsRemovalsAndLookUpsStayConsistent)
{
    Dictionary d;
    const int n = 50000;
    for (int i = 0; i < n; ++i)
        ASSERT_TRUE(d.add(keyOf(i), Variant::fromLong(i)).ok());
    for (int round = 0; round < 3; ++round) {
        for (int i = round; i < n; i += 3)
            ASSERT_TRUE(d.remove(keyOf(i)).ok());
        for (int i = round; i < n; i += 3)
            ASSERT_TRUE(d.add(keyOf(i), Variant::fromLong(-i)).ok());
    }
    ASSERT_EQ(d.count(), static_cast<size_t>(n));
    for (int i = 0; i < n; i += 7)
        ASSERT_EQ(d.item(keyOf(i)).value().asLong(), -i);
    EXPECT_EQ(keyTexts(d).front(), "k0");
}

TEST(Dictionary, ReleasingValuesMayReenterTheDictionary)
{
    Dictionary d;
    auto reenter = [&d] { (void)d.add(str(u"added by terminate"), Variant()); };
    ASSERT_TRUE(d.add(str(u"a"), Variant::fromObject(new Terminating(reenter))).ok());
    ASSERT_TRUE(d.remove(str(u"a")).ok());
    EXPECT_TRUE(d.exists(str(u"added by terminate")).value());

    ASSERT_TRUE(d.setItem(str(u"b"), Variant::fromObject(new Terminating(reenter))).ok());
    ASSERT_TRUE(d.remove(str(u"added by terminate")).ok());
    ASSERT_TRUE(d.setItem(str(u"b"), Variant::fromInteger(2)).ok());
    EXPECT_TRUE(d.exists(str(u"added by terminate")).value());

    ASSERT_TRUE(d.setItem(str(u"c"), Variant::fromObject(new Terminating(reenter))).ok());
    ASSERT_TRUE(d.remove(str(u"added by terminate")).ok());
    d.removeAll();
    EXPECT_EQ(keyTexts(d), std::vector<std::string>({ "added by terminate" }));
}

TEST(Dictionary, EnumerationWalksASnapshotOfTheKeys)
{
    Dictionary d;
    for (auto k : { u"a", u"b", u"c" })
        ASSERT_TRUE(d.add(str(k), Variant()).ok());
    Result<Ref<Enumerator>> e = d.enumerate();
    ASSERT_TRUE(e.ok());
    std::string seen;
    Variant key;
    while (e.value()->next(key).value()) {
        seen += text(key);
        (void)d.remove(key);
    }
    EXPECT_EQ(seen, "abc");
    EXPECT_EQ(d.count(), 0u);
}

TEST(Dictionary, MembersThroughDispatch)
{
    Ref<Object> o = createObject(u"scripting.DICTIONARY").value();
    EXPECT_EQ(o->typeName(), Str(u"Dictionary"));
    EXPECT_EQ(o->memberId(u"iTEM"), DispIdValue);
    std::vector<Variant> put { str(u"k"), Variant::fromInteger(7) };
    ASSERT_TRUE(o->invoke(DispIdValue, InvokeKind::PropertyPut, Args(put)).ok());
    std::vector<Variant> key { str(u"k") };
    EXPECT_EQ(text(o->invoke(DispIdValue, InvokeKind::MethodOrGet, Args(key)).value()), "7");
    EXPECT_EQ(errorOf(invokeByName(*o, u"Key", InvokeKind::PropertyGet, { str(u"k") })), 438)
        << "Key is write-only";
    EXPECT_EQ(errorOf(invokeByName(*o, u"Add", InvokeKind::Method, { str(u"x") })), 450);
    EXPECT_EQ(errorOf(invokeByName(*o, u"CompareMode", InvokeKind::PropertyPut, { str(u"text") })), 13);
    Result<Variant> keys = invokeByName(*o, u"Keys", InvokeKind::MethodOrGet);
    ASSERT_TRUE(keys.ok() && keys.value().isArray());
    EXPECT_EQ(text(keys.value().asArray()->elements()[0]), "k");
}

TEST(Factory, ProgIdsAndBuiltinClasses)
{
    Result<Ref<Object>> bad = createObject(u"Scripting.FileSystemThing");
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.error().number, 429);
    EXPECT_EQ(
        bad.error().description, Str(u"ActiveX component can't create object: 'Scripting.FileSystemThing'"));
    EXPECT_EQ(createObject(u"vbscript.regexp").value()->typeName(), Str(u"IRegExp2"));
    EXPECT_EQ(createBuiltinClass(u"REGEXP").value()->typeName(), Str(u"IRegExp2"));
    Result<Ref<Object>> none = createBuiltinClass(u"Dictionary");
    ASSERT_TRUE(none.ok());
    EXPECT_FALSE(none.value());
}
