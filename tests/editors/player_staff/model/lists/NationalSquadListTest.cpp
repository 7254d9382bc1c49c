#include <gtest/gtest.h>

#include <memory>

#include "tests/editors/player_staff/model/ModelTestSupport.h"
#include "editors/player_staff/model/lists/NationalSquadList.h"

namespace {

class NationalSquadListTest : public model_testing::ModelWorldTest {
protected:
    TPerson* Called(TClub* club, const char16_t* name, std::uint8_t nationality = 3)
    {
        TPerson* person = NewPlayer(club, name, nationality);
        NationalSquadList::SetInNationalTeam(*person, true);
        return person;
    }

    std::vector<std::u16string> RowNames() const
    {
        return model_testing::Names(list_->GetRows(), [](const NationalSquadRow& row) { return std::u16string(row.person->GetLastName()); });
    }

    void SetUp() override
    {
        ModelWorldTest::SetUp();
        list_ = std::make_unique<NationalSquadList>(*world_);
    }

    std::unique_ptr<NationalSquadList> list_;
};

TEST_F(NationalSquadListTest, ListsFlaggedClubPlayersOfTheNationalityOnly)
{
    TClub* home = NewClub(3, u"Home");
    TClub* abroad = NewClub(120, u"Abroad");
    Called(home, u"Berg");
    Called(abroad, u"Adler");
    NewPlayer(home, u"Unflagged");
    Called(home, u"Foreigner", 4);
    Called(nullptr, u"Clubless");
    Called(NewClub(207, u"Beyond"), u"Outside");
    list_->Fill(3);
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Adler", u"Berg"}));
    EXPECT_EQ(list_->GetRows()[0].club, abroad);
}

TEST_F(NationalSquadListTest, TheNationalTeamsSquadCounts)
{
    TCountry* country = world_->GetCountry(3);
    TClub* national = country->GetNationalTeam();
    if (national == nullptr) GTEST_SKIP() << "this world's countries have no national team";
    Called(national, u"Capped");
    list_->Fill(3);
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Capped"}));
}

TEST_F(NationalSquadListTest, TheSameHeaderTwiceSortsDescending)
{
    TClub* club = NewClub(3, u"Club");
    const std::vector<std::pair<const char16_t*, std::uint8_t>> caps{{u"Cyr", 40}, {u"Adler", 3}, {u"Berg", 12}};
    for (const auto& [name, appearances] : caps) Called(club, name)->SetNationalTeamRecord(appearances, 0);
    list_->Fill(3);
    list_->ClickHeader(NationalSquadList::AppearancesColumn);
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Adler", u"Berg", u"Cyr"}));
    list_->ClickHeader(NationalSquadList::AppearancesColumn);
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Cyr", u"Berg", u"Adler"}));
    list_->ClickHeader(NationalSquadList::NameColumn);
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Adler", u"Berg", u"Cyr"}));
}

// "de Jong" and "Dijk" as a person reads them: letter case and accents
// make no difference to the order of names or of clubs.
TEST_F(NationalSquadListTest, NamesAndClubsSortIgnoringCaseAndAccents)
{
    Called(NewClub(3, u"ajax"), u"Dijk");
    Called(NewClub(3, u"Zwolle"), u"de Jong");
    Called(NewClub(3, u"\u00C9vian"), u"\u00E9lan");
    Called(NewClub(3, u"Breda"), u"Alves");
    list_->Fill(3);
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Alves", u"de Jong", u"Dijk", u"\u00E9lan"}));
    list_->ClickHeader(NationalSquadList::ClubColumn);
    const std::vector<std::u16string> clubs =
        model_testing::Names(list_->GetRows(), [](const NationalSquadRow& row) { return std::u16string(row.club->GetName()); });
    EXPECT_EQ(clubs, (std::vector<std::u16string>{u"ajax", u"Breda", u"\u00C9vian", u"Zwolle"}));
}

TEST_F(NationalSquadListTest, RemovingSelectedPlayersClearsEachFlag)
{
    TClub* club = NewClub(3, u"Club");
    std::vector<TPerson*> squad;
    for (const char16_t* name : {u"Adler", u"Berg", u"Cyr", u"Dorn"}) squad.push_back(Called(club, name));
    squad[0]->SetNationalBits(0x05 | 0x02);
    list_->Fill(3);
    list_->RemoveFromSquad({0, 1, 3});
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Cyr"}));
    for (TPerson* person : {squad[0], squad[1], squad[3]}) EXPECT_FALSE(NationalSquadList::IsInNationalTeam(*person));
    EXPECT_EQ(squad[0]->GetNationalBits(), 0x05) << "the other national bits stay";
    EXPECT_TRUE(NationalSquadList::IsInNationalTeam(*squad[2]));
}

}  // namespace
