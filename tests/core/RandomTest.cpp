#include <gtest/gtest.h>

#include <set>

#include "core/Random.h"

TEST(RandomNextTest, FirstDrawsFromTheStartSeeds)
{
    SeedRandom(1, 1);
    const int expected[] = {32767, 31933, 21216, 10914, 1210, 5298, 21779, 2774};
    for (int value : expected) EXPECT_EQ(RandomNext(), value);
}

TEST(RandomNextTest, FollowsTheSeeds)
{
    SeedRandom(12345, 67890);
    EXPECT_EQ(RandomNext(), 30919);
    EXPECT_EQ(RandomNext(), 29763);
    EXPECT_EQ(RandomNext(), 4806);
}

TEST(RandomNextTest, StaysInRangeForExtremeSeeds)
{
    const std::int32_t seeds[] = {0, -1, 2147483647, -2147483647 - 1, 2147483562};
    for (std::int32_t seed : seeds) {
        SeedRandom(seed, seed);
        for (int i = 0; i < 100; ++i) {
            int value = RandomNext();
            ASSERT_GE(value, 0);
            ASSERT_LE(value, 32767);
        }
    }
}

TEST(RandomIntTest, SmallRangesDoNotAdvanceTheGenerator)
{
    SeedRandom(1, 1);
    EXPECT_EQ(RandomInt(0), 0);
    EXPECT_EQ(RandomInt(1), 0);
    EXPECT_EQ(RandomInt(-5), 0);
    EXPECT_EQ(RandomInt(1000), 32767 % 1000);
    EXPECT_EQ(RandomInt(1000), 31933 % 1000);
}

TEST(CrtRandTest, MatchesTheWindowsRuntime)
{
    CrtSrand(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected) EXPECT_EQ(CrtRand(), value);
}

TEST(RandomInRangeTest, ScalesTheRuntimeDraw)
{
    CrtSrand(1);
    const int expected[] = {1, 4, 2, 5, 4, 3};
    for (int value : expected) EXPECT_EQ(RandomInRange(1, 6), value);
}

TEST(RandomInRangeTest, CoversTheWholeRangeAndNothingElse)
{
    CrtSrand(7);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        int value = RandomInRange(-3, 3);
        ASSERT_GE(value, -3);
        ASSERT_LE(value, 3);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 7u);
}

TEST(RandomInRangeTest, EmptyReversedAndWideRanges)
{
    CrtSrand(1);
    EXPECT_EQ(RandomInRange(5, 5), 5);
    EXPECT_EQ(RandomInRange(5, 4), 5);
    EXPECT_EQ(RandomInRange(9, -9), 9);
    // The second draw, 18467, scaled to the whole int range.
    EXPECT_EQ(RandomInRange(-2147483647 - 1, 2147483647), 273096846);
}

TEST(RandomByteInRangeTest, FullByteRangeAndReversedRange)
{
    CrtSrand(1);
    std::set<int> everyByte;
    for (int i = 0; i < 5000; ++i) everyByte.insert(RandomByteInRange(0, 255));
    EXPECT_EQ(everyByte.size(), 256u);
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        std::uint8_t value = RandomByteInRange(250, 255);
        ASSERT_GE(value, 250);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(RandomByteInRange(200, 100), 200);
}
