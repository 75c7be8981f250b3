// What scripts cannot see of the Dictionary: the references it holds and its
// hash table under heavy churn. Its members are tested by tests/scripts/objects.
#include "objects/Dictionary.h"

#include <gtest/gtest.h>

using namespace vbs;

namespace {

Variant str(std::u16string_view s) { return Variant::fromString(s); }

Variant keyOf(int i)
{
    std::u16string key = u"k";
    for (char c : std::to_string(i))
        key.push_back(static_cast<char16_t>(c));
    return Variant::fromString(key);
}

} // namespace

TEST(Dictionary, HoldsOneReferenceToAnObjectKey)
{
    Ref<Object> a = makeRef<Dictionary>();
    {
        Dictionary d;
        ASSERT_TRUE(d.add(Variant::fromObject(a), str(u"a")).ok());
        EXPECT_EQ(a->refCount(), 2u);
        EXPECT_TRUE(d.exists(Variant::fromObject(a)).value());
        EXPECT_EQ(a->refCount(), 2u) << "a look-up keeps no reference";
    }
    EXPECT_EQ(a->refCount(), 1u);
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
    EXPECT_EQ(d.keysArray().asArray()->elements()[0].stringView(), u"k0");

    // A small table whose removed entries outnumber the live ones.
    Dictionary small;
    ASSERT_TRUE(small.add(keyOf(-1), Variant::fromLong(-1)).ok());
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(small.add(keyOf(i), Variant::fromLong(i)).ok());
        ASSERT_TRUE(small.exists(keyOf(i)).value());
        if (i % 10 != 0) {
            ASSERT_TRUE(small.remove(keyOf(i)).ok());
        }
    }
    for (int i = -1; i < 100; ++i) {
        ASSERT_EQ(small.exists(keyOf(i)).value(), i % 10 == 0 || i < 0) << i;
    }
}

// Keys of every short length that differ in a single unit are different keys.
TEST(Dictionary, KeysDifferingInOneUnitAreDistinct)
{
    for (size_t n = 1; n <= 12; ++n) {
        Dictionary d;
        for (size_t at = 0; at < n; ++at) {
            std::u16string key(n, u'a');
            key[at] = u'b';
            ASSERT_TRUE(d.add(str(key), Variant::fromLong(static_cast<int32_t>(at))).ok()) << n << " " << at;
            ASSERT_TRUE(d.exists(str(key)).value());
        }
        EXPECT_FALSE(d.exists(str(std::u16string(n, u'a'))).value()) << n;
        EXPECT_EQ(d.count(), n);
    }
}
