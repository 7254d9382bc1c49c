#include "editors/country_club/model/club/RandomKit.h"

#include <gtest/gtest.h>

#include "core/Random.h"
#include "database/club/Kit.h"

namespace {

std::vector<int> Range(int first, int last, int step)
{
    std::vector<int> values;
    for (int value = first; value <= last; value += step) values.push_back(value);
    return values;
}

struct TCandidateCase {
    const char16_t* token;
    std::vector<int> candidates;
};

TEST(RandomKit, TokensGiveTheirCandidates)
{
    const TCandidateCase cases[] = {
        {u"ws", {7, 15}},
        {u"sw", {63}},
        {u"bl", {18}},
        {u"ro", Range(8, 56, 8)},
        {u"ge", {3, 11, 19}},
    };
    for (const TCandidateCase& c : cases) {
        const auto colour = ColourOfToken(c.token);
        ASSERT_TRUE(colour.has_value());
        EXPECT_EQ(RandomKitCandidates({*colour}), c.candidates) << testing::PrintToString(c.candidates);
    }
}

TEST(RandomKit, TokensMatchByTheirBeginningInTableOrder)
{
    EXPECT_EQ(ColourOfToken(u"dro"), 0x750C07u);
    EXPECT_EQ(ColourOfToken(u"hbl.tga"), 0x64C5DCu);
    EXPECT_EQ(ColourOfToken(u"SW.tga"), 0x000000u);
    EXPECT_EQ(ColourOfToken(u"rot"), 0xB50000u);
    EXPECT_EQ(ColourOfToken(u"orange"), 0xF96611u);
    EXPECT_FALSE(ColourOfToken(u"x").has_value());
    EXPECT_FALSE(ColourOfToken(u"b").has_value());
    EXPECT_FALSE(ColourOfToken(u"").has_value());
}

struct TBadgeCase {
    const char16_t* path;
    std::vector<std::uint32_t> colours;
};

TEST(RandomKit, GeneratedBadgePathsAddTheirTwoColours)
{
    const TBadgeCase cases[] = {
        {u"color\\Badge%d\\bl_sw.tga", {0x0C3E95, 0x000000}},
        {u"color\\Badge%d\\dro_hbl.tga", {0x750C07, 0x64C5DC}},
        {u"COLOR\\BADGE%D\\ws.tga", {0xFFFFFF}},
        {u"color\\Badge%d\\xx_li_ro.tga", {0x9900CC}},
        {u"Germany\\Badge%d\\bl_sw.tga", {}},
        {u"color\\Badge256\\bl_sw.tga", {}},
        {u"color\\Badge", {}},
        {u"", {}},
    };
    for (const TBadgeCase& c : cases) {
        EXPECT_EQ(BadgePathColours(c.path), c.colours) << testing::PrintToString(std::u16string(c.path).size());
    }
}

TEST(RandomKit, DistanceAddsTheChannelDifferences)
{
    EXPECT_EQ(ColourDistance(0xFFFFFF, 0x000000), 765);
    EXPECT_EQ(ColourDistance(0xFF102030, 0x00302010), 0x20 + 0 + 0x20);
    EXPECT_EQ(ColourDistance(0x0C3E95, 0x0C3E95), 0);
}

TEST(RandomKit, FarReferencesGiveNoCandidateAndChangeNothing)
{
    const std::vector<int> candidates = RandomKitCandidates({0x00FF00, 0x00FFFF});
    EXPECT_TRUE(candidates.empty());
    TKit kit;
    kit.SetStyle(0, 0, 5);
    const TKit before = kit;
    int draws = 0;
    EXPECT_FALSE(MakeRandomKit(kit, candidates, [&](int n) { return ++draws % n; }));
    EXPECT_EQ(kit, before);
    EXPECT_EQ(draws, 0);
}

TEST(RandomKit, AllBlackGivesColour63EverywhereAndStyle0NeverReaches42)
{
    const std::vector<int> candidates = RandomKitCandidates({0x000000, 0x000000, 0x000000});
    ASSERT_EQ(candidates, std::vector<int>{63});
    for (int seed = 1; seed <= 200; ++seed) {
        SeedRandom(seed, seed * 7 + 1);
        TKit kit;
        ASSERT_TRUE(MakeRandomKit(kit, candidates, RandomInt));
        for (int k = 0; k < TKit::KitCount; ++k) {
            for (const int slot : {0, 2, 3}) {
                std::uint8_t a = 0, b = 0, c = 0;
                kit.GetColour(k, slot, a, b, c);
                EXPECT_EQ(a, 63);
                EXPECT_EQ(b, 63);
                EXPECT_EQ(c, 63);
            }
            EXPECT_GE(kit.GetStyle(k, 0), 1);
            EXPECT_LE(kit.GetStyle(k, 0), 41);
            EXPECT_GE(kit.GetStyle(k, 1), 1);
            EXPECT_LE(kit.GetStyle(k, 1), 13);
            EXPECT_GE(kit.GetStyle(k, 2), 1);
            EXPECT_LE(kit.GetStyle(k, 2), 4);
        }
    }
}

TEST(RandomKit, SeededDrawsRepeatAndLeaveSlotOneAlone)
{
    const std::vector<int> candidates = RandomKitCandidates({0xFFFFFF, 0xB50000, 0x0C3E95});
    TKit first;
    first.SetColour(0, 1, 11, 12, 13);
    TKit second = first;
    SeedRandom(42, 4242);
    ASSERT_TRUE(MakeRandomKit(first, candidates, RandomInt));
    SeedRandom(42, 4242);
    ASSERT_TRUE(MakeRandomKit(second, candidates, RandomInt));
    EXPECT_EQ(first, second);
    std::uint8_t a = 0, b = 0, c = 0;
    first.GetColour(0, 1, a, b, c);
    EXPECT_EQ(a, 11);
    EXPECT_EQ(c, 13);
}

// A source that plays back a script of draws, then repeats its last one.
RandomSource Script(std::vector<int> draws)
{
    auto next = std::make_shared<std::size_t>(0);
    return [draws = std::move(draws), next](int n) {
        const int value = draws[std::min(*next, draws.size() - 1)];
        ++*next;
        return value % n;
    };
}

TEST(RandomKit, AlikeDrawsAreRedrawnUntilTheNinthIsKept)
{
    // Candidates 7 (white) and 63 (black): the second colour of a slot is
    // redrawn while it equals the first, so white, white, black gives
    // white, black.
    const std::vector<int> candidates = {7, 63};
    std::vector<int> draws = {0, /*slot 0*/ 0, 0, 1, 0};
    TKit kit;
    ASSERT_TRUE(MakeRandomKit(kit, candidates, Script(draws)));
    std::uint8_t a = 0, b = 0, c = 0;
    kit.GetColour(0, 0, a, b, c);
    EXPECT_EQ(a, 7);
    EXPECT_EQ(b, 63);
    EXPECT_EQ(c, 7);

    // Only white: every colour after the first needs nine draws, the
    // ninth kept as it is.
    int calls = 0;
    TKit white;
    ASSERT_TRUE(MakeRandomKit(white, {7}, [&](int n) {
        ++calls;
        return 0;
    }));
    // Per kit and part: one style, a first colour (one draw for the home
    // kit, nine for the away kit, which is alike the home colour) and two
    // colours of nine draws each.
    EXPECT_EQ(calls, 3 * (1 + 1 + 9 + 9) + 3 * (1 + 9 + 9 + 9));
}

}  // namespace
