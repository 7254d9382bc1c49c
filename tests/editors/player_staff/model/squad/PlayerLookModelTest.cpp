#include <gtest/gtest.h>

#include "tests/editors/player_staff/model/ModelTestSupport.h"
#include "editors/player_staff/model/squad/PlayerLookModel.h"

namespace {

TEST(PlayerLookModelPictureId, TypedTextGivesZeroOrTheLargestIdNeverGarbage)
{
    struct Case {
        std::u16string_view text;
        std::uint32_t id;
    };
    for (const Case& c : {Case{u"", 0}, Case{u"abc", 0}, Case{u"1234", 1234}, Case{u"12ab", 12},
                          Case{u"4294967295", 4294967295u}, Case{u"4294967296", 4294967295u},
                          Case{u"1234567890123456789012345678901", 4294967295u},
                          Case{u"00000000000000000000000000000007", 0}, Case{u"0000000000000000000000000000007", 7}}) {
        EXPECT_EQ(PlayerLookModel::ParsePictureId(c.text), c.id) << std::string(c.text.begin(), c.text.end());
    }
}

class PlayerLookModelTest : public model_testing::ModelWorldTest {};

TEST_F(PlayerLookModelTest, HeightAndWeightShowClampedAndStoreClamped)
{
    TPerson* person = NewPlayer(nullptr, u"Tall");
    struct Case {
        std::uint8_t height, weight;
        int shownHeight, shownWeight;
    };
    for (const Case& c : {Case{230, 40, 220, 50}, Case{0, 255, 150, 150}, Case{255, 0, 220, 50}, Case{180, 75, 180, 75}}) {
        person->SetHeightWeight(c.height, c.weight);
        const PlayerLooks looks = PlayerLookModel::Show(*person);
        EXPECT_EQ(looks.height, c.shownHeight);
        EXPECT_EQ(looks.weight, c.shownWeight);
        PlayerLookModel::Store(*person, looks);
        EXPECT_EQ(person->GetHeight(), c.shownHeight);
        EXPECT_EQ(person->GetWeight(), c.shownWeight);
        PlayerLookModel::Store(*person, PlayerLookModel::Show(*person));
        EXPECT_EQ(person->GetHeight(), c.shownHeight) << "a second store changes nothing";
    }
}

TEST_F(PlayerLookModelTest, LongSleevesAreBitZeroAndTheOtherBitsStay)
{
    TPerson* person = NewPlayer(nullptr, u"Sleeves");
    person->SetAppearanceBits(0xF0);
    PlayerLooks looks = PlayerLookModel::Show(*person);
    EXPECT_FALSE(looks.longSleeves);
    looks.longSleeves = true;
    PlayerLookModel::Store(*person, looks);
    EXPECT_EQ(person->GetAppearanceBits(), 0xF1);
    looks.longSleeves = false;
    PlayerLookModel::Store(*person, looks);
    EXPECT_EQ(person->GetAppearanceBits(), 0xF0);
}

TEST_F(PlayerLookModelTest, ThePreviewsSeeTheNamesDateAndLooks)
{
    TPerson* person = NewPlayer(nullptr, u"Shown");
    person->SetPseudonym(u"Pseudo");
    person->SetBirthDate(TDate(1980, 5, 6));
    person->SetEmpicsId(77);
    person->SetFaceId(5);
    person->SetAppearance(1, 2, 3, 4, 5);
    const TPortraitPerson portrait = PortraitOf(*person);
    EXPECT_EQ(portrait.lastName, u"Shown");
    EXPECT_EQ(portrait.firstName, u"Al");
    EXPECT_EQ(portrait.pseudonym, u"Pseudo");
    EXPECT_EQ(portrait.birthDate.GetYear(), 1980);
    EXPECT_EQ(portrait.pictureId, 77u);
    const TPortraitHead head = PlayerLookModel::HeadOf(*person);
    EXPECT_EQ(head.faceId, 5u);
    EXPECT_EQ(head.hairColour, 1u);
    EXPECT_EQ(head.face, 2u);
    EXPECT_EQ(head.hairstyle, 3u);
    EXPECT_EQ(head.facialHair, 4u);
}

}  // namespace
