#include <gtest/gtest.h>

#include <memory>

#include "tests/editors/player_staff/model/ModelTestSupport.h"
#include "editors/player_staff/model/lists/FreeAgentsList.h"
#include "editors/player_staff/model/RowAfterRemoval.h"

namespace {

class FreeAgentsListTest : public model_testing::ModelWorldTest {
protected:
    std::vector<std::u16string> RowNames() const
    {
        return model_testing::Names(list_->GetRows(), [](const TPerson* person) { return std::u16string(person->GetLastName()); });
    }

    void SetUp() override
    {
        ModelWorldTest::SetUp();
        list_ = std::make_unique<FreeAgentsList>(*world_);
    }

    std::unique_ptr<FreeAgentsList> list_;
};

TEST_F(FreeAgentsListTest, SigningToAClubOf58SignsTwoAndTheThirdStays)
{
    TClub* club = NewClub(3, u"Full");
    FillSquad(club, 58);
    for (const char16_t* name : {u"Adam", u"Bert", u"Carl"}) NewPlayer(nullptr, name);
    list_->Fill();
    EXPECT_EQ(list_->SignToClub({0, 1, 2}, club->GetId()), 2);
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Carl"}));
    EXPECT_EQ(world_->GetFreeAgents().GetCount(), 1);
    EXPECT_EQ(club->GetSquadCount(), 60);
}

TEST_F(FreeAgentsListTest, TheReserveBitOfTheChosenIdSetsTheTeamPart)
{
    TClub* club = NewClub(3, u"Club");
    TPerson* first = NewPlayer(nullptr, u"Adam");
    TPerson* reserve = NewPlayer(nullptr, u"Bert");
    first->SetReserveTeam();
    list_->Fill();
    ASSERT_EQ(list_->SignToClub({1}, club->GetId() | ReserveTeamBit), 1);
    EXPECT_TRUE(reserve->IsReserveTeam());
    ASSERT_EQ(list_->SignToClub({0}, club->GetId()), 1);
    EXPECT_TRUE(first->IsFirstTeam());
    EXPECT_EQ(club->GetSquadCount(), 2);
}

TEST_F(FreeAgentsListTest, AnIdWithoutCountryOrClubSignsNobody)
{
    NewPlayer(nullptr, u"Adam");
    list_->Fill();
    for (std::uint32_t id : {0x00000001u, 0x00037777u}) EXPECT_EQ(list_->SignToClub({0}, id), 0) << id;
    EXPECT_EQ(list_->GetRows().size(), 1u);
}

TEST_F(FreeAgentsListTest, DeletingTheLastRowsLeavesTheSelectionOnTheNewLastRow)
{
    for (const char16_t* name : {u"Adam", u"Bert", u"Carl", u"Dirk"}) NewPlayer(nullptr, name);
    list_->Fill();
    const std::uint32_t deletedId = list_->GetRows()[3]->GetId();
    const std::vector<int> selected{2, 3};
    list_->Delete(selected);
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Adam", u"Bert"}));
    EXPECT_EQ(world_->GetPerson(deletedId), nullptr) << "deleted from the world";
    EXPECT_EQ(RowAfterRemoval(3, selected, static_cast<int>(list_->GetRows().size())), 1);
}

TEST_F(FreeAgentsListTest, AStaffMemberSortsByTheTypeRule)
{
    TPerson* manager = NewPlayer(nullptr, u"Boss");
    manager->SetType(PersonManager);
    NewPlayer(nullptr, u"Keeper")->SetPosition(0, 1);
    NewPlayer(nullptr, u"Striker")->SetPosition(0, 10);
    list_->Fill();
    EXPECT_EQ(std::u16string(list_->GetNationalityText(*manager)), u"") << "staff show only their role";
    list_->ClickHeader(FreeAgentsList::PositionColumn);
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Keeper", u"Striker", u"Boss"})) << "staff after players";
    list_->ClickHeader(FreeAgentsList::PositionColumn);
    EXPECT_EQ(RowNames(), (std::vector<std::u16string>{u"Boss", u"Striker", u"Keeper"}));
}

TEST_F(FreeAgentsListTest, NationalityWithoutACountrySortsWithoutFailing)
{
    NewPlayer(nullptr, u"Adam", 250);
    NewPlayer(nullptr, u"Bert", 0);
    list_->Fill();
    list_->ClickHeader(FreeAgentsList::NationalityColumn);
    EXPECT_EQ(list_->GetRows().size(), 2u);
}

}  // namespace
