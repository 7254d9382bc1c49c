#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../common/TestSupport.h"
#include "competition/FixtureCreator.h"

namespace {

std::string Day(const CFixtureCreator& creator, int day)
{
    std::string text;
    for (int slot = 0; slot < creator.GetMatchesPerDay(); ++slot) {
        text += "(" + std::to_string(creator.GetHome(day, slot)) + "," + std::to_string(creator.GetAway(day, slot)) + ")";
    }
    return text;
}

}  // namespace

TEST(FixtureCreator, SmallTablesAsTheCircleGivesThem)
{
    CFixtureCreator creator;
    ASSERT_TRUE(creator.Create(4, 1));
    EXPECT_EQ(Day(creator, 0) + Day(creator, 1) + Day(creator, 2), "(1,0)(3,2)(0,2)(3,1)(3,0)(2,1)");
    // Built even where a team's home run across its bye exceeds three.
    creator.Create(5, 2);
    EXPECT_EQ(creator.GetDays(), 10);
    EXPECT_EQ(Day(creator, 0), "(1,0)(3,2)(-1,4)");
    for (int d = 0; d < 5; ++d) {
        for (int s = 0; s < 3; ++s) EXPECT_EQ(creator.GetHome(d + 5, s), creator.GetAway(d, s));
        EXPECT_TRUE(creator.GetHome(d, 2) == -1 || creator.GetAway(d, 2) == -1) << "the bye stands last";
    }
    EXPECT_FALSE(creator.Create(2, 1));
    EXPECT_FALSE(creator.Create(18, 0));
}

TEST(FixtureCreator, TeamZeroKeepsSlotZero)
{
    CFixtureCreator creator;
    ASSERT_TRUE(creator.Create(18, 2));
    EXPECT_EQ(creator.GetDays(), 34);
    EXPECT_EQ(creator.GetMatchesPerDay(), 9);
    for (int d = 0; d < 17; ++d) EXPECT_EQ(d % 2 == 0 ? creator.GetAway(d, 0) : creator.GetHome(d, 0), 0) << d;
    EXPECT_EQ(creator.GetHome(40, 0), -1);
}

TEST(FixtureCreator, SelfChecksHoldForEveryCount)
{
    for (int teams = 3; teams <= 128; ++teams) {
        for (int rounds = 1; rounds <= 2; ++rounds) {
            CFixtureCreator creator;
            creator.Create(teams, rounds);
            const int perRound = creator.GetDays() / rounds;
            std::vector<int> met(static_cast<std::size_t>(teams * teams), 0);
            for (int d = 0; d < creator.GetDays(); ++d) {
                if (d % perRound == 0) std::fill(met.begin(), met.end(), 0);
                std::vector<int> seen(static_cast<std::size_t>(teams), 0);
                for (int s = 0; s < creator.GetMatchesPerDay(); ++s) {
                    for (int team : {creator.GetHome(d, s), creator.GetAway(d, s)}) {
                        if (team >= 0) {
                            ASSERT_EQ(++seen[static_cast<std::size_t>(team)], 1) << teams << " day " << d;
                        }
                    }
                    const int home = creator.GetHome(d, s);
                    const int away = creator.GetAway(d, s);
                    if (home >= 0 && away >= 0) ++met[static_cast<std::size_t>(std::min(home, away) * teams + std::max(home, away))];
                }
                if (d % perRound == perRound - 1) {
                    for (int a = 0; a < teams; ++a) {
                        for (int b = a + 1; b < teams; ++b) ASSERT_EQ(met[static_cast<std::size_t>(a * teams + b)], 1);
                    }
                }
            }
        }
    }
}

// The first round only, a block per day: "Day d:", a line per match, an
// empty line.
TEST(FixtureCreator, DumpWritesTheFirstRoundAsText)
{
    CFixtureCreator creator;
    ASSERT_TRUE(creator.Create(3, 2));
    testing_support::TempFolder folder;
    ASSERT_TRUE(creator.Dump(folder.File(u"fixtures.txt")));
    std::string expected;
    for (int day = 0; day < 3; ++day) {
        expected += "Day " + std::to_string(day) + ":\r\n";
        for (int slot = 0; slot < 2; ++slot) {
            expected += "   " + std::to_string(creator.GetHome(day, slot)) + " : " +
                        std::to_string(creator.GetAway(day, slot)) + "\r\n";
        }
        expected += "\r\n";
    }
    EXPECT_EQ(testing_support::ReadBytes(folder.File(u"fixtures.txt")), testing_support::Bytes(expected));
    EXPECT_TRUE(expected.starts_with("Day 0:\r\n   1 : 0\r\n   -1 : 2\r\n\r\nDay 1:\r\n")) << expected;

    testing_support::MessageCapture messages;
    EXPECT_FALSE(creator.Dump(folder.File(u"missing\\fixtures.txt")));
    EXPECT_EQ(messages.Messages().size(), 1u);
}
