// RandomBelow: the range of a draw and how many generator values it consumes.
#include "Random.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomBelowTest, ZeroDrawsNothing)
{
    ScriptedRandom random({7});
    EXPECT_EQ(RandomBelow(random, 0), 0);
    EXPECT_EQ(random.Consumed(), 0u);
}

TEST(RandomBelowTest, EveryOtherCallConsumesTwoValuesAndUsesTheSecond)
{
    ScriptedRandom random({100, 23, 5, 40, 8, 17});
    EXPECT_EQ(RandomBelow(random, 1), 0);
    EXPECT_EQ(random.Consumed(), 2u);
    EXPECT_EQ(RandomBelow(random, 9), 40 % 9);
    EXPECT_EQ(random.Consumed(), 4u);
    EXPECT_EQ(RandomBelow(random, -9), 17 % 9);
    EXPECT_EQ(random.Consumed(), 6u);
}

TEST(RandomBelowTest, StaysInRangeForEveryBound)
{
    StdRandomGenerator random;
    random.Seed(42);
    for (int n : {1, 2, 3, 9, 50, -9, -1, 2147483647, -2147483647 - 1}) {
        for (int i = 0; i < 1000; ++i) {
            const int v = RandomBelow(random, n);
            ASSERT_GE(v, 0) << n;
            ASSERT_LT(static_cast<long long>(v), n < 0 ? -static_cast<long long>(n) : n) << n;
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
