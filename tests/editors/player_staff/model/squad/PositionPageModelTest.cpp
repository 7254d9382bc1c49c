#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tests/editors/player_staff/model/ModelTestSupport.h"
#include "editors/player_staff/model/squad/LanguageSlotStore.h"
#include "editors/player_staff/model/squad/PositionPageModel.h"

namespace {

class PositionPageModelTest : public model_testing::ModelWorldTest {
protected:
    void SetUp() override
    {
        ModelWorldTest::SetUp();
        person_ = NewPlayer(nullptr, u"Shown");
    }

    void SetLanguages(std::array<std::uint8_t, 4> slots)
    {
        std::uint8_t raw[4] = {slots[0], slots[1], slots[2], slots[3]};
        person_->SetLanguageSlots(raw);
    }

    std::array<std::uint8_t, 4> Languages() const
    {
        return {person_->GetLanguage(0), person_->GetLanguage(1), person_->GetLanguage(2), person_->GetLanguage(3)};
    }

    std::array<std::uint8_t, 6> Positions() const
    {
        std::array<std::uint8_t, 6> positions{};
        for (int slot = 0; slot < 6; ++slot) positions[slot] = person_->GetPosition(slot);
        return positions;
    }

    TPerson* person_ = nullptr;
};

using Slots = std::array<std::uint8_t, 4>;

TEST_F(PositionPageModelTest, ChosenLanguagesAreTakenAsTheyAreThenCompacted)
{
    struct Case {
        Slots stored;
        std::vector<std::uint8_t> chosen;
        Slots expected;
    };
    for (const Case& c : {
             Case{{5, 3, 7, 0}, {5, 0, 0}, {5, 0, 0, 0}},
             Case{{5, 3, 7, 0}, {5, 0, 7}, {5, 7, 0, 0}},
             Case{{5, 3, 7, 9}, {4, 3, 4}, {4, 3, 9, 0}},  // the twin in slot 2 goes, slot 3 moves up
             Case{{5, 3, 7, 9}, {0, 0, 0}, {9, 0, 0, 0}},
             Case{{5, 3, 7, 3}, {5, 3, 7}, {5, 3, 7, 0}},  // a stored repeat beyond the page
             Case{{5, 3, 7, 0}, {5, 63, 200}, {5, 0, 0, 0}},
             Case{{1, 2, 3, 4}, {2, 1, 4}, {2, 1, 4, 0}},  // slot 3 repeats the new slot 2
         }) {
        SetLanguages(c.stored);
        LanguageSlotStore::Store(*person_, c.chosen);
        EXPECT_EQ(Languages(), c.expected) << int{c.stored[0]} << int{c.stored[1]} << int{c.stored[2]};
    }
}

TEST_F(PositionPageModelTest, RepeatedPositionsAreClearedAndTheRestMovesUp)
{
    struct Case {
        std::array<std::uint8_t, 6> chosen;
        std::array<std::uint8_t, 6> expected;
    };
    for (const Case& c : {
             Case{{5, 5, 8, 0, 0, 0}, {5, 8, 0, 0, 0, 0}},
             Case{{5, 6, 8, 9, 5, 10}, {5, 6, 8, 9, 10, 0}},
             Case{{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
             Case{{18, 3, 0, 0, 0, 0}, {3, 0, 0, 0, 0, 0}},  // not a listed main position: none
             Case{{4, 200, 6, 0, 0, 0}, {4, 6, 0, 0, 0, 0}},
         }) {
        PositionPageValues values = PositionPageModel::Show(*person_);
        std::copy(c.chosen.begin(), c.chosen.end(), values.positions);
        PositionPageModel::Store(*person_, values);
        EXPECT_EQ(Positions(), c.expected) << int{c.chosen[0]} << "/" << int{c.chosen[1]};
    }
}

TEST_F(PositionPageModelTest, ValuesTheControlsLackShowAsNoneOrClamped)
{
    for (int slot = 0; slot < 6; ++slot) person_->SetPosition(slot, static_cast<std::uint8_t>(slot == 0 ? 0 : 18 + slot));
    person_->SetNationalExperience(9);
    person_->SetInternationalExperience(255);
    person_->SetTacticalEducation(8);
    SetLanguages({0, 63, 12, 70});
    const PositionPageValues values = PositionPageModel::Show(*person_);
    for (std::uint8_t position : values.positions) EXPECT_EQ(position, 0);
    EXPECT_EQ(values.nationalExperience, 6);
    EXPECT_EQ(values.internationalExperience, 4);
    EXPECT_EQ(values.tacticalEducation, 7);
    EXPECT_EQ(values.languages[0], 0) << "slot 0 does not list language 0";
    EXPECT_EQ(values.languages[1], 0);
    EXPECT_EQ(values.languages[2], 12);
    PositionPageModel::Store(*person_, values);
    EXPECT_EQ(Languages(), (Slots{12, 70, 0, 0})) << "the slot beyond the page is kept";
    EXPECT_EQ(person_->GetPosition(0), 0);
}

TEST_F(PositionPageModelTest, AStaffMemberKeepsExperienceAndTacticalEducation)
{
    person_->SetType(5);
    person_->SetNationalExperience(3);
    person_->SetInternationalExperience(2);
    person_->SetTacticalEducation(1);
    PositionPageValues values = PositionPageModel::Show(*person_);
    values.nationalExperience = 6;
    values.internationalExperience = 4;
    values.tacticalEducation = 7;
    values.foot = 2;
    PositionPageModel::Store(*person_, values);
    EXPECT_EQ(person_->GetNationalExperience(), 3);
    EXPECT_EQ(person_->GetInternationalExperience(), 2);
    EXPECT_EQ(person_->GetTacticalEducation(), 1);
    EXPECT_EQ(person_->GetPreferredFoot(), 2) << "the foot is stored for everyone";
}

TEST_F(PositionPageModelTest, APlayerStoresClampedValues)
{
    PositionPageValues values = PositionPageModel::Show(*person_);
    values.foot = 9;
    values.nationalExperience = -1;
    values.internationalExperience = 40;
    values.tacticalEducation = 8;
    PositionPageModel::Store(*person_, values);
    EXPECT_EQ(person_->GetPreferredFoot(), 3);
    EXPECT_EQ(person_->GetNationalExperience(), 0);
    EXPECT_EQ(person_->GetInternationalExperience(), 4);
    EXPECT_EQ(person_->GetTacticalEducation(), 7);
}

TEST_F(PositionPageModelTest, ShowingAndStoringTwiceChangesNothingTheSecondTime)
{
    person_->SetPosition(0, 7);
    person_->SetPosition(1, 7);
    person_->SetPosition(2, 9);
    SetLanguages({4, 4, 0, 6});
    PositionPageModel::Store(*person_, PositionPageModel::Show(*person_));
    const auto positions = Positions();
    const auto languages = Languages();
    PositionPageModel::Store(*person_, PositionPageModel::Show(*person_));
    EXPECT_EQ(Positions(), positions);
    EXPECT_EQ(Languages(), languages);
    EXPECT_EQ(languages, (Slots{4, 6, 0, 0}));
}

}  // namespace

namespace {

TEST(PositionPageModelGaps, TwoGapsInARowCloseSoThatStoringAgainChangesNothing)
{
    TPerson person(nullptr, 1);
    const std::uint8_t slots[] = {0, 0, 7, 0, 0, 3};
    for (int slot = 0; slot < 6; ++slot) person.SetPosition(slot, slots[slot]);
    PositionPageModel::Store(person, PositionPageModel::Show(person));
    const std::uint8_t expected[] = {7, 0, 0, 3, 0, 0};
    for (int slot = 0; slot < 6; ++slot) EXPECT_EQ(person.GetPosition(slot), expected[slot]) << slot;
    PositionPageModel::Store(person, PositionPageModel::Show(person));
    for (int slot = 0; slot < 6; ++slot) EXPECT_EQ(person.GetPosition(slot), expected[slot]) << slot;
}

}  // namespace
