#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>
#include <string>

#include "tests/database/DatabaseTestSupport.h"
#include "core/Random.h"
#include "database/person/Person.h"
#include "platform/Platform.h"

namespace {

constexpr int Abilities = TPerson::AbilityCount;

void Seed(unsigned seed)
{
    CrtSrand(seed);
    SeedRandom(static_cast<std::int32_t>(seed) + 1, static_cast<std::int32_t>(seed) + 2);
}

std::string GoldenText(std::u16string_view name)
{
    const auto bytes = testing_support::ReadBytes(
        platform::JoinPath(testing_support::SourcePath(u"tests\\database\\golden"), name));
    return std::string(bytes.begin(), bytes.end());
}

class PersonRandomTest : public database_testing::CurrentWorldTest {
protected:
    TPerson& NewPlayer(int age, int position)
    {
        TPerson& p = *world_->CreatePerson(world_->GetFreePersonId(), false);
        p.Init(0, 14);
        p.SetBirthDate(TDate(2007 - age, 1, 15));
        p.SetPosition(0, static_cast<std::uint8_t>(position));
        return p;
    }

    static std::string Describe(const TPerson& p)
    {
        std::string text = std::to_string(p.GetCaricature()) + ":";
        for (int a = 0; a < Abilities; ++a) text += " " + std::to_string(p.GetAbility(a));
        return text;
    }
};

}  // namespace

TEST(PersonRandomTables, AgeCurveRowsReach100AndFollowTheirClass)
{
    for (int a = 0; a < Abilities; ++a) {
        int peak = 0;
        for (int point = 0; point < 6; ++point) {
            EXPECT_LE(TPerson::GetAgeCurve(a, point), 100) << a;
            EXPECT_GT(TPerson::GetAgeCurve(a, point), 0) << a;
            if (TPerson::GetAgeCurve(a, point) == 100 && peak == 0) peak = point + 1;
        }
        ASSERT_NE(peak, 0) << "row " << a << " never reaches 100";
        const auto at = [a](int point) { return TPerson::GetAgeCurve(a, point); };
        // Skills peak at 25 to 30, the body at 20 to 25 and falls from 30, the
        // mind grows, goalkeepers peak late.
        const bool skills = at(2) == 100 || at(3) == 100;
        const bool body = peak <= 3 && at(3) < 100 && at(4) <= at(3) && at(5) <= at(4);
        const bool mind = at(0) <= at(1) && at(1) <= at(2) && at(2) <= at(3);
        const bool goalkeeping = peak >= 3 && at(3) == 100;
        EXPECT_TRUE(a > 17 || skills) << a;
        EXPECT_TRUE(a < 18 || a > 24 || body) << a;
        EXPECT_TRUE(a < 26 || a > 34 || mind) << a;
        EXPECT_TRUE(a < 35 || goalkeeping) << a;
    }
    const std::pair<int, std::array<int, 6>> given[] = {{0, {50, 80, 100, 90, 70, 60}},
                                                        {18, {100, 100, 100, 80, 50, 30}},
                                                        {34, {30, 60, 90, 100, 100, 100}},
                                                        {42, {50, 80, 100, 100, 90, 80}}};
    for (const auto& [ability, row] : given) {
        for (int point = 0; point < 6; ++point) EXPECT_EQ(TPerson::GetAgeCurve(ability, point), row[point]);
    }
    EXPECT_EQ(TPerson::GetAgeCurve(43, 0), 0);
    EXPECT_EQ(TPerson::GetAgeCurve(0, 6), 0);
}

TEST(PersonRandomTables, CaricatureEmphasis)
{
    for (int a = 0; a < Abilities; ++a) EXPECT_EQ(TPerson::GetCaricatureEmphasis(a, 0), 0) << a;
    for (int c = 1; c <= 20; ++c) {
        int strong = 0, weakened = 0;
        for (int a = 0; a < Abilities; ++a) {
            const int e = TPerson::GetCaricatureEmphasis(a, c);
            ASSERT_TRUE(e >= 0 && e <= 3);
            EXPECT_TRUE(a < 26 || e == 0) << a << " " << c;
            strong += e == 3;
            weakened += e == 1 || e == 2;
            EXPECT_EQ(TPerson::GetCaricatureEmphasis(a, 17), TPerson::GetCaricatureEmphasis(a, 18));
        }
        EXPECT_GE(strong, 2) << c;
        EXPECT_GE(weakened, 1) << c;
    }
    EXPECT_EQ(TPerson::GetCaricatureEmphasis(0, 21), 0);
    EXPECT_EQ(TPerson::GetCaricatureEmphasis(-1, 1), 0);
}

TEST(PersonRandomTables, TalentOverEveryRandValue)
{
    int counts[5] = {};
    for (int v = 0; v <= CrtRandMax; ++v) ++counts[TPerson::TalentForDraw(v * 1000 / (CrtRandMax + 1))];
    const double expected[5] = {10.1, 34.4, 48.1, 7.0, 0.4};
    for (int t = 0; t < 5; ++t) EXPECT_NEAR(100.0 * counts[t] / (CrtRandMax + 1), expected[t], 0.05) << t;
}

// Fixed seeds of both generators give the checked-in abilities.
TEST_F(PersonRandomTest, GeneratedAbilitiesMatchTheGoldenFile)
{
    std::string text;
    const std::pair<int, int> players[] = {{1, 29}, {4, 24}, {7, 19}, {12, 27}, {15, 33}, {16, 22}, {17, 36}};
    for (unsigned seed : {1u, 2007u}) {
        for (const auto& [position, age] : players) {
            TPerson& p = NewPlayer(age, position);
            Seed(seed);
            p.GenerateAbilities(position, 1.0);
            text += std::to_string(seed) + " " + std::to_string(position) + " " + Describe(p) + "\n";
            Seed(seed);
            p.ScaleAbilitiesToRating(60, position);
            text += "  scaled to 60: " + Describe(p) + "\n";
        }
    }
    EXPECT_EQ(text, GoldenText(u"random_abilities.txt")) << text;
}

TEST_F(PersonRandomTest, GeneratedAbilitiesKeepTheirRanges)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const int position = 1 + static_cast<int>(seed % 17);
        Seed(seed);
        TPerson& p = NewPlayer(17 + static_cast<int>(seed % 20), position);
        p.SetCharacterWord(1u << (seed % 23));
        p.GenerateAbilities(position, 1.0);
        for (int a = 0; a < Abilities; ++a) {
            EXPECT_GE(p.GetAbility(a), 7) << seed << " " << a;
            EXPECT_LE(p.GetAbility(a), 84) << seed << " " << a;
        }
        if (position == 1) {
            EXPECT_EQ(p.GetCaricature(), 0);
        } else {
            EXPECT_TRUE(p.GetCaricature() == 0 || TPerson::IsCaricatureAllowedAt(position, p.GetCaricature()));
        }
        EXPECT_TRUE(p.IsRatingStale());
    }
}

TEST_F(PersonRandomTest, ScalingMeetsTheTargetWithinTwoAndAHalf)
{
    for (const auto& [position, target] : {std::pair{1, 60}, std::pair{4, 30}, std::pair{12, 75}, std::pair{17, 50}}) {
        for (unsigned seed = 1; seed <= 10; ++seed) {
            Seed(seed);
            TPerson& p = NewPlayer(25, position);
            p.GenerateAbilities(position, 1.0);
            p.ScaleAbilitiesToRating(target, position);
            EXPECT_NEAR(p.GetPositionRating(position), target, 2.5) << position << " " << seed;
            for (int a = 0; a < Abilities; ++a) EXPECT_TRUE(p.GetAbility(a) >= 1 && p.GetAbility(a) <= 84);
        }
    }
}

TEST_F(PersonRandomTest, ScalingFromNothingAndOutsideThePositions)
{
    TPerson& p = NewPlayer(25, 16);
    for (int a = 0; a < Abilities; ++a) p.SetAbility(a, 0);
    Seed(3);
    p.ScaleAbilitiesToRating(50, 16);
    EXPECT_NEAR(p.GetPositionRating(16), 50, 2.5);
    TPerson& q = NewPlayer(25, 16);
    q.ScaleAbilitiesToRating(70, 18);
    q.ScaleAbilitiesToRating(70, -1);
    for (int a = 0; a < Abilities; ++a) EXPECT_EQ(q.GetAbility(a), 40);
    // All 40 already rate 40: nothing to do.
    q.ScaleAbilitiesToRating(40, 4);
    for (int a = 0; a < Abilities; ++a) EXPECT_EQ(q.GetAbility(a), 40);
}

TEST_F(PersonRandomTest, MentalAbilitiesFollowTraitsAndKeepSetValues)
{
    const auto decision = [this](std::uint32_t traits) {
        TPerson& p = NewPlayer(25, 12);
        for (int a = 26; a <= 34; ++a) p.SetAbility(a, 0);
        p.SetAbility(34, 50);
        p.SetCharacterWord(traits);
        Seed(5);
        p.GenerateMentalAbilities(12);
        EXPECT_EQ(p.GetAbility(34), 50);
        for (int a = 26; a <= 33; ++a) EXPECT_TRUE(p.GetAbility(a) >= 15 && p.GetAbility(a) <= 85);
        return p.GetAbility(29);
    };
    const int plain = decision(0);
    EXPECT_EQ(decision(1u << 7), plain + 10);   // IdentificationHigh
    EXPECT_EQ(decision(1u << 8), plain - 10);   // IdentificationLow
}

// Only abilities still 0 draw: with all nine set, the generator's next
// number is the one it would have given without the call.
TEST_F(PersonRandomTest, KeptMentalAbilitiesDrawNothing)
{
    Seed(9);
    const int untouched = RandomInt(1000);
    TPerson& p = NewPlayer(25, 12);
    for (int a = 26; a <= 34; ++a) p.SetAbility(a, static_cast<std::uint8_t>(20 + a));
    Seed(9);
    p.GenerateMentalAbilities(12);
    EXPECT_EQ(RandomInt(1000), untouched);
    for (int a = 26; a <= 34; ++a) EXPECT_EQ(p.GetAbility(a), 20 + a);
}
