// RandomBelow: the range of a draw and how many generator values it consumes.
#include "Random.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomBelowTest, ZeroDrawsNothingAndEveryOtherBoundConsumesTwoValuesKeepingTheSecond)
{
    ScriptedRandom random({100, 23, 5, 40, 8, 17});
    const struct { int n, expected; size_t consumed; } draws[] = {
        {0, 0, 0}, {1, 0, 2}, {9, 40 % 9, 4}, {0, 0, 4}, {-9, 17 % 9, 6}};
    for (const auto& draw : draws) {
        SCOPED_TRACE(draw.n);
        EXPECT_EQ(RandomBelow(random, draw.n), draw.expected);
        EXPECT_EQ(random.Consumed(), draw.consumed);
    }
}

TEST(RandomBelowTest, StaysBelowTheMagnitudeOfEveryBound)
{
    StdRandomGenerator random;
    random.Seed(42);
    for (int n : {1, 2, 3, 9, 50, -9, -1, 2147483647, -2147483647 - 1}) {
        const long long range = n < 0 ? -static_cast<long long>(n) : n;
        for (int i = 0; i < 1000; ++i) {
            const int v = RandomBelow(random, n);
            ASSERT_TRUE(v >= 0 && v < range) << n << " gave " << v;
        }
    }
}

TEST(RandomBelowTest, SameSeedSameSequence)
{
    StdRandomGenerator a, b;
    a.Seed(7);
    b.Seed(7);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(RandomBelow(a, 1000), RandomBelow(b, 1000));
}

}  // namespace
