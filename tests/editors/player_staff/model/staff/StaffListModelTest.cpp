#include <gtest/gtest.h>

#include "tests/editors/player_staff/model/ModelTestSupport.h"
#include "editors/player_staff/model/staff/PersonTypeTable.h"
#include "editors/player_staff/model/staff/StaffListModel.h"

namespace {

constexpr int Country = 3;

class StaffListModelTest : public model_testing::ModelWorldTest {
protected:
    void SetUp() override
    {
        ModelWorldTest::SetUp();
        TCountry* country = world_->GetCountry(Country);
        country->SetLanguage(0, 21);
        country->SetLanguage(1, 9);
        club_ = NewClub(Country, u"Staffed");
        other_ = NewClub(Country, u"Other");
    }

    TPerson* Staff(TClub* club, const char16_t* name, std::uint8_t type)
    {
        TPerson* person = NewPlayer(club, name);
        person->SetType(type);
        return person;
    }

    TClub* club_ = nullptr;
    TClub* other_ = nullptr;
};

TEST_F(StaffListModelTest, TheStaffInSquadOrderWithTheirRoles)
{
    NewPlayer(club_, u"Kicker");
    TPerson* scout = Staff(club_, u"Scout", 8);
    TPerson* boss = Staff(club_, u"Boss", 1);
    TPerson* odd = Staff(club_, u"Odd", 19);
    EXPECT_EQ(StaffListModel::CollectStaff(club_), (std::vector<TPerson*>{scout, boss, odd}));
    EXPECT_TRUE(StaffListModel::CollectStaff(nullptr).empty());
    EXPECT_EQ(std::u16string(StaffListModel::RoleKey(*scout)), u"List.ChiefScout");
    EXPECT_EQ(StaffListModel::RoleKey(*odd), nullptr) << "a type beyond the table shows without a role";
    EXPECT_EQ(StaffListModel::RowText(*boss, u"Manager"), u"Manager\tBoss, A.");
    EXPECT_EQ(StaffListModel::RowText(*odd, u""), u"\tOdd, A.");
}

TEST_F(StaffListModelTest, ANewManagerSpeaksTheClubCountrysFirstTwoLanguagesAndGraysHisRole)
{
    const int persons = world_->GetPersonCount();
    TPerson* boss = StaffListModel::AddStaff(*club_, 1);
    ASSERT_NE(boss, nullptr);
    EXPECT_EQ(world_->GetPersonCount(), persons + 1);
    EXPECT_EQ(club_->FindPlayer(boss->GetId()), boss);
    EXPECT_EQ(boss->GetType(), 1);
    EXPECT_EQ(boss->GetNationality(), Country);
    EXPECT_EQ(boss->GetLanguage(0), 21);
    EXPECT_EQ(boss->GetLanguage(1), 9);
    EXPECT_EQ(boss->GetPosition(0), 1);
    EXPECT_TRUE(boss->IsFirstTeam());
    const auto grayed = PersonTypeTable::GrayedCommands(*club_);
    EXPECT_NE(std::find(grayed.begin(), grayed.end(), 32780), grayed.end());
}

TEST_F(StaffListModelTest, AFullClubTakesNobodyAndTheWorldKeepsItsPersons)
{
    FillSquad(club_, StaffListModel::FullSquad);
    const int persons = world_->GetPersonCount();
    const std::uint32_t freeId = world_->GetFreePersonId();
    EXPECT_EQ(StaffListModel::AddStaff(*club_, 5), nullptr);
    EXPECT_EQ(world_->GetPersonCount(), persons);
    EXPECT_EQ(world_->GetFreePersonId(), freeId);
    EXPECT_EQ(club_->GetSquadCount(), StaffListModel::FullSquad);
}

TEST_F(StaffListModelTest, DeletingTakesTheMemberOutOfSquadAndWorld)
{
    TPerson* coach = Staff(club_, u"Coach", 5);
    const std::uint32_t id = coach->GetId();
    StaffListModel::DeleteStaff(*club_, *coach);
    EXPECT_EQ(club_->FindPlayer(id), nullptr);
    EXPECT_EQ(world_->GetPerson(id), nullptr);
    EXPECT_TRUE(StaffListModel::CollectStaff(club_).empty());
}

TEST_F(StaffListModelTest, AMoveGoesIntoTheOtherClubsFirstTeamUnlessItIsFull)
{
    TPerson* coach = Staff(club_, u"Coach", 6);
    coach->SetReserveTeam();
    ASSERT_TRUE(StaffListModel::MoveStaff(*club_, *coach, *other_));
    EXPECT_EQ(club_->FindPlayer(coach->GetId()), nullptr);
    EXPECT_EQ(other_->FindPlayer(coach->GetId()), coach);
    EXPECT_TRUE(coach->IsFirstTeam());

    FillSquad(club_, TClub::SquadCapacity);
    EXPECT_FALSE(StaffListModel::MoveStaff(*other_, *coach, *club_));
    EXPECT_EQ(other_->FindPlayer(coach->GetId()), coach);
    EXPECT_FALSE(StaffListModel::MoveStaff(*other_, *coach, *other_)) << "a move onto his own club";
    EXPECT_EQ(other_->GetSquadCount(), 1);
}

TEST_F(StaffListModelTest, ATakeOverNeedsThePersonInTheSourceAndRoomInTheClub)
{
    TPerson* doctor = Staff(other_, u"Doctor", 9);
    EXPECT_FALSE(StaffListModel::TakeOver(*club_, *other_, doctor->GetId() + 1000));
    ASSERT_TRUE(StaffListModel::TakeOver(*club_, *other_, doctor->GetId()));
    EXPECT_EQ(club_->FindPlayer(doctor->GetId()), doctor);
    EXPECT_EQ(other_->FindPlayer(doctor->GetId()), nullptr);

    TPerson* physio = Staff(other_, u"Physio", 13);
    FillSquad(club_, TClub::SquadCapacity);
    EXPECT_FALSE(StaffListModel::TakeOver(*club_, *other_, physio->GetId()));
    EXPECT_EQ(other_->FindPlayer(physio->GetId()), physio);
}

}  // namespace
