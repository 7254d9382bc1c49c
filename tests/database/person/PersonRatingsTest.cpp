#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "database/person/Person.h"

namespace {

TPerson WithAbilities(std::uint8_t value, int foot = 0)
{
    TPerson p(nullptr, 0);
    for (int a = 0; a < TPerson::AbilityCount; ++a) p.SetAbility(a, value);
    p.SetPreferredFoot(foot);
    return p;
}

std::string Slots(const TPerson& p)
{
    std::string text;
    for (int slot = 0; slot < TPerson::PositionSlots; ++slot) text += std::to_string(p.GetPosition(slot)) + ",";
    return text;
}

}  // namespace

TEST(PersonRatings, TheWeightTableKeepsItsStatedProperties)
{
    const int twins[][2] = {{2, 3}, {6, 7}, {10, 11}, {13, 14}};
    const float divisors[] = {0.25f, 8.5f, 12.5f, 12.5f, 12.5f, 13.5f, 13.75f, 13.75f, 13,
                              14.25f, 15.5f, 15.5f, 15.75f, 14.25f, 14.25f, 15.75f, 14.5f, 15.25f};
    for (int p = 0; p < 18; ++p) {
        double sum = 0;
        for (int a = 0; a < 43; ++a) {
            const float w = TPerson::GetPositionWeight(p, a);
            EXPECT_EQ(std::fmod(w * 4, 1.0f), 0.0f) << p << "/" << a;
            EXPECT_TRUE(w >= 0 && w <= 1) << p << "/" << a;
            if (p >= 2 && a >= 35) {
                EXPECT_EQ(w, 0) << "goalkeeping outfield " << p;
            }
            sum += w;
        }
        EXPECT_NEAR(sum, TPerson::GetPositionWeight(p, 43), 0.001) << p;
        EXPECT_EQ(TPerson::GetPositionWeight(p, 43), divisors[p]) << p;
    }
    for (const auto& twin : twins) {
        for (int a = 0; a < 44; ++a) EXPECT_EQ(TPerson::GetPositionWeight(twin[0], a), TPerson::GetPositionWeight(twin[1], a));
    }
    for (int full : {2, 3}) {
        float foot = 0;
        for (int a : {0, 1, 4, 10, 11, 13}) foot += TPerson::GetPositionWeight(full, a);
        EXPECT_EQ(foot, 2.25f);
    }
    EXPECT_EQ(TPerson::GetPositionWeight(18, 0), 0.0f);
}

TEST(PersonRatings, RatingsFollowAbilitiesFootAndEveryChange)
{
    const TPerson forty = WithAbilities(40);
    const auto leftSide = [](int p) { return p == 3 || p == 7 || p == 11 || p == 14; };
    for (int p = 1; p < 18; ++p) {
        if (!leftSide(p)) {
            EXPECT_EQ(forty.GetPositionRating(p), 40) << p;
        }
        if (leftSide(p)) {
            EXPECT_LT(forty.GetPositionRating(p), 40) << p;
        }
    }
    EXPECT_EQ(forty.GetPositionRating(3), 37) << "40 x (12.5 - 0.4 x 2.25) / 12.5";
    for (int foot : {1, 3}) EXPECT_EQ(WithAbilities(40, foot).GetPositionRating(3), 40);
    for (std::uint8_t value : {0, 99}) {
        const TPerson p = WithAbilities(value);
        for (int position = 1; position < 18; ++position) {
            if (!leftSide(position)) {
                EXPECT_EQ(p.GetPositionRating(position), value) << position;
            }
        }
    }
    EXPECT_EQ(forty.GetPositionRating(18), 0);
    EXPECT_EQ(forty.GetPositionRating(255), 0);

    TPerson p = WithAbilities(40);
    p.SetPosition(0, 16);
    EXPECT_EQ(p.GetLevel(), 40);
    EXPECT_FALSE(p.IsRatingStale());
    p.SetAbility(6, 99);
    EXPECT_GT(p.GetLevel(), 40) << "an ability change reaches the next rating";
    const int before = p.GetPositionRating(3);
    p.SetPreferredFoot(1);
    EXPECT_GT(p.GetPositionRating(3), before) << "a foot change too";
    p.GetLevel();
    p.SetTalent(4);
    EXPECT_TRUE(p.IsRatingStale());
    p.GetLevel();
    p.SetYouthPlayer(true);
    EXPECT_TRUE(p.IsRatingStale());
    p.GetLevel();
    p.SetHeightWeight(200, 90);
    EXPECT_FALSE(p.IsRatingStale()) << "the height is no input";
}

TEST(PersonRatings, PositionSlotsAreCleanedAndCaricaturesChecked)
{
    struct TCase {
        const char* slots;
        const char* cleaned;
    };
    for (const TCase& c : {TCase{"\x05\x05\x09\x09\x02\x02", "5,9,0,2,0,0,"}, TCase{"\x00\x00\x07\x00\x03\x00", "0,7,0,3,0,0,"}}) {
        TPerson p(nullptr, 0);
        for (int slot = 0; slot < 6; ++slot) p.SetPosition(slot, static_cast<std::uint8_t>(c.slots[slot]));
        p.NormalisePositions();
        EXPECT_EQ(Slots(p), c.cleaned);
    }
    TPerson p(nullptr, 0);
    p.SetPosition(0, 1);
    EXPECT_TRUE(p.IsCaricatureAllowed(0));
    EXPECT_FALSE(p.IsCaricatureAllowed(14));
    p.SetPosition(2, 17);
    EXPECT_TRUE(p.IsCaricatureAllowed(14));
    EXPECT_FALSE(p.IsCaricatureAllowed(21));
    EXPECT_EQ(p.GetPositionGroup(), 1);
    EXPECT_EQ(p.GetSecondaryPositionGroup(1), 4);
    p.SetPosition(0, 200);
    EXPECT_EQ(p.GetPositionGroup(), 0);
    EXPECT_FALSE(p.IsCaricatureAllowed(0) && p.GetPosition(2) == 0);
}

TEST(PersonCompare, ShortNamesTraitsAndSortOrders)
{
    TPerson a(nullptr, 0);
    TPerson b(nullptr, 0);
    a.SetFirstName(u"Anna");
    a.SetLastName(u"Berg");
    EXPECT_EQ(TPerson::GetShortName(&a), u"Berg, A.");
    EXPECT_EQ(TPerson::GetShortName(nullptr), u"(null)");
    b.SetLastName(u"Berg");
    EXPECT_EQ(TPerson::GetShortName(&b), u"Berg");
    EXPECT_EQ(TPerson::Compare(&a, nullptr, 0), -1);
    EXPECT_EQ(TPerson::Compare(nullptr, &a, 0), 1);
    EXPECT_GT(TPerson::Compare(&a, &b, 0), 0) << "an empty first name sorts first";
    EXPECT_EQ(TPerson::Compare(&a, &b, 9), 0);
    b.SetType(1);
    EXPECT_EQ(TPerson::Compare(&a, &b, 6), -1) << "staff after players";
    b.SetBirthDate(TDate(1970, 1, 1));
    EXPECT_EQ(TPerson::Compare(&a, &b, 7), 1);
    a.SetPosition(0, 17);
    b.SetPosition(0, 17);
    a.SetAbility(0, 90);
    EXPECT_EQ(TPerson::Compare(&a, &b, 5), 1);

    a.SetCharacterWord((1u << 2) | (1u << 15));
    const std::uint32_t mask = a.GetAllowedTraitMask();
    EXPECT_EQ(mask & (1u << 3), 0u);
    EXPECT_EQ(mask & (1u << 16), 0u);
    EXPECT_NE(mask & (1u << 2), 0u);
    EXPECT_EQ(__builtin_popcount(mask), 30);
    a.SetNickname(u"Nick");
    a.FinalCheck();
    EXPECT_EQ(a.GetNickname()[0], 0);
    EXPECT_TRUE(a.IsRealPerson());
}
