#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "database/world/WorldList.h"
#include "platform/Platform.h"
#include "tests/common/TestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/base/WorldCountryDirectory.h"

namespace {

// A world of the shipped Countries.sav with a few clubs: country 1 and 206
// have players, 2 only a club without players and a national team with
// some, 3 no club, 5 no name, 207 clubs with players.
class WorldCountryDirectoryTest : public gui_test::GalleryTest {
protected:
    void SetUp() override
    {
        GalleryTest::SetUp();
        const std::u16string previousBase = platform::GetBaseFolder();
        platform::SetBaseFolder(testing_support::SourcePath(u"data"));
        testing_support::MessageCapture messages;
        world_ = GetWorldList().CreateCompleteWorld();
        platform::SetBaseFolder(previousBase);
        ASSERT_NE(world_, nullptr);
        ASSERT_TRUE(messages.Messages().empty());

        AddClub(1, 2);
        AddClub(2, 0);
        Sign(world_->GetCountry(2)->GetNationalTeam(), 3);
        AddClub(206, 1);
        AddClub(207, 4);
        for (int language = 0; language < TCountry::LanguageCount; ++language)
            world_->GetCountry(5)->SetNameInLanguage(language, u"");

        SetCountryDirectory(&directory_);
        ASSERT_TRUE(combo_.Attach(gallery_.GetItem(IDC_GALLERY_COMBO)));
        ASSERT_TRUE(list_.Attach(gallery_.GetItem(IDC_GALLERY_COLUMNLIST)));
    }
    void TearDown() override
    {
        SetCountryDirectory(nullptr);
        GetWorldList().RemoveWorld(world_);
    }

    void Sign(TClub* club, int persons)
    {
        for (int i = 0; i < persons; ++i) ASSERT_TRUE(club->AddPlayer(world_->CreatePerson(nextPersonId_++, false)));
    }
    void AddClub(int countryId, int persons)
    {
        TCountry* country = world_->GetCountry(countryId);
        Sign(country->GetClubByUniqueId(country->CreateClub(u"Club")), persons);
    }

    std::vector<LPARAM> ComboData() const { return ItemData(combo_); }
    // Countries 1..206 without the nameless 5.
    static std::vector<LPARAM> NamedCountries()
    {
        std::vector<LPARAM> ids;
        for (LPARAM id = 1; id <= 206; ++id)
            if (id != 5) ids.push_back(id);
        return ids;
    }

    TCompleteWorld* world_ = nullptr;
    std::uint32_t nextPersonId_ = 1;
    CWorldCountryDirectory directory_;
    win::CComboBox combo_;
    win::CListBox list_;
};

TEST_F(WorldCountryDirectoryTest, NamedCountriesOneTo206InEveryListingMode)
{
    gallery_.FillCountryCombo(combo_, 206, 0);
    EXPECT_EQ(ComboData(), NamedCountries());
    EXPECT_EQ(combo_.GetItemText(0), world_->GetCountry(1)->GetName());
    EXPECT_EQ(combo_.GetItemData(combo_.GetCurSel()), 206);

    // The row of data 0 is the "none" row, not country 0.
    std::vector<LPARAM> withNone = NamedCountries();
    withNone.insert(withNone.begin(), 0);
    for (const auto& [mode, none] : {std::pair{1, u"No nationality"}, std::pair{2, u"No country"}}) {
        gallery_.FillCountryCombo(combo_, 0, mode);
        EXPECT_EQ(ComboData(), withNone) << mode;
        EXPECT_EQ(combo_.GetItemText(0), none);
    }
}

TEST_F(WorldCountryDirectoryTest, ClubModesLookAtClubsAndTheirSquads)
{
    gallery_.FillCountryCombo(combo_, 0, 3);
    EXPECT_EQ(ComboData(), (std::vector<LPARAM>{1, 2, 206}));

    // Country 2's only players are in its national team.
    gallery_.FillCountryCombo(combo_, 206, 4);
    EXPECT_EQ(ComboData(), (std::vector<LPARAM>{1, 206}));
    EXPECT_EQ(combo_.GetCurSel(), 1);

    TClub* club = world_->GetCountry(1)->GetClubByIndex(1);
    while (club->GetSquadCount() > 0) ASSERT_TRUE(club->RemovePlayer(club->GetSquadPerson(0)));
    gallery_.FillCountryList(list_, 206, 4);
    ASSERT_EQ(list_.GetCount(), 1);
    EXPECT_EQ(list_.GetItemData(0), 206);
    EXPECT_EQ(list_.GetCurSel(), 0);

    // An unknown mode lists nothing.
    gallery_.FillCountryCombo(combo_, 1, 9);
    EXPECT_TRUE(ComboData().empty());
}

TEST_F(WorldCountryDirectoryTest, AnswersAsEmptyWithoutAWorld)
{
    GetWorldList().RemoveWorld(world_);
    world_ = nullptr;
    EXPECT_EQ(directory_.GetCountryName(1), nullptr);
    gallery_.FillCountryCombo(combo_, 0, 1);
    EXPECT_EQ(ComboData(), (std::vector<LPARAM>{0}));
}

TEST_F(WorldCountryDirectoryTest, OnlyRealCountryIdsHaveNames)
{
    EXPECT_EQ(directory_.GetCountryName(0), nullptr);
    EXPECT_EQ(directory_.GetCountryName(208), nullptr);
    EXPECT_EQ(directory_.GetCountryName(-1), nullptr);
    EXPECT_EQ(directory_.GetCountryName(207), world_->GetCountry(207)->GetName());
    EXPECT_EQ(directory_.GetClubCountWithoutNationalTeam(2), 1);
    EXPECT_EQ(directory_.GetClubCountWithoutNationalTeam(208), 0);
    EXPECT_TRUE(directory_.HasClubWithSquad(207));
    EXPECT_FALSE(directory_.HasClubWithSquad(2));
}

}  // namespace
