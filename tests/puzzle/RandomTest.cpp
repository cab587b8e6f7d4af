// RandomBelow: the range of a draw and how many generator values it consumes.
#include "Random.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

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
