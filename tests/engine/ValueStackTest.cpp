// The frames' value stack: contiguous Empty values, reuse after release,
// and the moves between chunks that deep recursion makes.
#include "interpreter/ValueStack.h"

#include <gtest/gtest.h>

namespace vbs::test {

using Mark = ValueStack::Mark;
constexpr size_t Chunk = ValueStack::FirstChunkSize;

TEST(ValueStack, FramesFollowEachOtherAndReleaseRewinds)
{
    ValueStack stack;
    Mark m0, m1, m2;
    Variant* none = stack.allocate(0, m0);
    ASSERT_NE(none, nullptr); // a procedure without locals still gets a frame
    Variant* a = stack.allocate(3, m1);
    Variant* b = stack.allocate(2, m2);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(b, a + 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(a[i].isEmpty());
    stack.release(b, 2, m2);
    Mark again;
    EXPECT_EQ(stack.allocate(2, again), b);
}

TEST(ValueStack, ReleaseDropsTheFirstValuesOnly)
{
    ValueStack stack;
    Mark m;
    Variant* p = stack.allocate(4, m);
    Variant kept = Variant::fromString(std::u16string_view(u"shared text"));
    p[0] = kept;
    EXPECT_EQ(kept.stringRefs(), 2u);
    stack.release(p, 1, m);
    EXPECT_EQ(kept.stringRefs(), 1u);
    Mark m2;
    Variant* q = stack.allocate(4, m2);
    EXPECT_EQ(q, p);
    EXPECT_TRUE(q[0].isEmpty());
}

TEST(ValueStack, AFrameThatDoesNotFitGoesToTheNextChunkAndBack)
{
    ValueStack stack;
    Mark m1, m2, m3, m4;
    Variant* a = stack.allocate(Chunk - 1, m1);
    Variant* b = stack.allocate(2, m2);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(b, a + Chunk - 1); // not in the rest of the first chunk
    Variant* c = stack.allocate(5, m3);
    EXPECT_EQ(c, b + 2);
    stack.release(c, 5, m3);
    stack.release(b, 2, m2);
    // Back in the first chunk: its last value is still free.
    EXPECT_EQ(stack.allocate(1, m4), a + Chunk - 1);
    stack.release(a + Chunk - 1, 1, m4);
    stack.release(a, Chunk - 1, m1);
    // Everything released: the next frame starts at the first chunk again.
    Mark m5;
    EXPECT_EQ(stack.allocate(1, m5), a);
}

TEST(ValueStack, AnOversizedFrameIsRefusedWithoutMovingTheTop)
{
    ValueStack stack;
    Mark m1, m2, m3;
    Variant* a = stack.allocate(2, m1);
    EXPECT_EQ(stack.allocate(ValueStack::MaxFrame + 1, m2), nullptr);
    EXPECT_EQ(stack.allocate(1, m3), a + 2);
}

TEST(ValueStack, AFrameLargerThanAChunkGetsItsOwn)
{
    ValueStack stack;
    Mark m1, m2, m3;
    Variant* a = stack.allocate(2, m1);
    Variant* big = stack.allocate(ValueStack::ChunkSize + 10, m2);
    ASSERT_NE(big, nullptr);
    EXPECT_TRUE(big[ValueStack::ChunkSize + 9].isEmpty());
    stack.release(big, ValueStack::ChunkSize + 10, m2);
    EXPECT_EQ(stack.allocate(1, m3), a + 2);
}

} // namespace vbs::test
