#include <gtest/gtest.h>

#include <algorithm>

#include "tests/editors/player_staff/model/ModelTestSupport.h"
#include "editors/player_staff/model/lists/QuickTransferModel.h"

namespace {

class QuickTransferModelTest : public model_testing::ModelWorldTest {
protected:
    TPerson* Wearing(TClub* club, int number, bool reserve)
    {
        TPerson* person = NewPlayer(club, u"Wearer");
        if (reserve) person->SetReserveTeam();
        person->SetTeamShirtNumber(static_cast<std::uint8_t>(number));
        return person;
    }

    static bool Offers(const std::vector<int>& numbers, int number)
    {
        return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
    }
};

TEST_F(QuickTransferModelTest, OffersOneTo98NeverNinetyNine)
{
    TClub* club = NewClub(3, u"Empty");
    const std::vector<int> numbers = QuickTransferModel::GetFreeNumbers(*world_, club->GetId());
    ASSERT_EQ(numbers.size(), 98u);
    EXPECT_EQ(numbers.front(), 1);
    EXPECT_EQ(numbers.back(), 98);
    EXPECT_TRUE(QuickTransferModel::GetFreeNumbers(*world_, 0x00037777).empty()) << "no such club";
}

TEST_F(QuickTransferModelTest, EachTeamPartMarksOnlyItsOwnPlayersNumbers)
{
    TClub* club = NewClub(3, u"Club");
    Wearing(club, 7, false);
    Wearing(club, 9, true);
    Wearing(club, 99, true);
    NewPlayer(club, u"Coach")->SetType(PersonManager);
    club->GetSquadPerson(3)->SetShirtNumber(5);
    const std::vector<int> first = QuickTransferModel::GetFreeNumbers(*world_, club->GetId());
    const std::vector<int> reserve = QuickTransferModel::GetFreeNumbers(*world_, club->GetId() | ReserveTeamBit);
    EXPECT_FALSE(Offers(first, 7));
    EXPECT_TRUE(Offers(first, 9));
    EXPECT_TRUE(Offers(first, 5)) << "staff wear no number";
    EXPECT_TRUE(Offers(reserve, 7));
    EXPECT_FALSE(Offers(reserve, 9));
    EXPECT_EQ(reserve.size(), 97u);
}

TEST_F(QuickTransferModelTest, AFullClubOffersOnlyUnwornNumbersAndTakesNobody)
{
    // A squad holds 60 persons, so a team part wears at most 60 numbers.
    TClub* full = NewClub(3, u"Numbers");
    for (int number = 1; number <= TClub::SquadCapacity; ++number) Wearing(full, number, false);
    TClub* from = NewClub(4, u"From");
    TPerson* mover = NewPlayer(from, u"Mover");
    const std::vector<int> offered = QuickTransferModel::GetFreeNumbers(*world_, full->GetId());
    ASSERT_EQ(offered.size(), 38u);
    EXPECT_EQ(offered.front(), 61);
    EXPECT_FALSE(QuickTransferModel::Transfer(*world_, mover->GetId(), full->GetId(), 61));
    EXPECT_EQ(world_->FindClubOfPerson(mover), from);
}

TEST_F(QuickTransferModelTest, WithoutAChosenNumberNobodyMoves)
{
    TClub* from = NewClub(4, u"From");
    TClub* to = NewClub(3, u"To");
    TPerson* mover = NewPlayer(from, u"Mover");
    EXPECT_FALSE(QuickTransferModel::Transfer(*world_, mover->GetId(), to->GetId(), 0));
    EXPECT_EQ(world_->FindClubOfPerson(mover), from);
    EXPECT_EQ(to->GetSquadCount(), 0);
}

TEST_F(QuickTransferModelTest, TransferMovesWithTheChosenNumberIntoTheTeamPart)
{
    TClub* from = NewClub(4, u"From");
    TClub* to = NewClub(3, u"To");
    TPerson* senior = NewPlayer(from, u"Senior");
    TPerson* youth = NewPlayer(from, u"Youth");
    youth->SetYouthPlayer(true);
    ASSERT_TRUE(QuickTransferModel::Transfer(*world_, senior->GetId(), to->GetId() | ReserveTeamBit, 42));
    EXPECT_EQ(world_->FindClubOfPerson(senior), to);
    EXPECT_EQ(senior->GetReserveShirtNumber(), 42) << "a reserve player's number";
    EXPECT_TRUE(senior->IsReserveTeam());
    EXPECT_FALSE(Offers(QuickTransferModel::GetFreeNumbers(*world_, to->GetId() | ReserveTeamBit), 42)) << "the number given is gone";
    ASSERT_TRUE(QuickTransferModel::Transfer(*world_, youth->GetId(), to->GetId(), 17));
    EXPECT_TRUE(youth->IsYouthPlayer());
}

TEST_F(QuickTransferModelTest, ARefusedMoveChangesNothing)
{
    TClub* from = NewClub(4, u"From");
    TClub* full = NewClub(3, u"Full");
    FillSquad(full, 60);
    const std::uint32_t other = NewClub(3, u"Other")->GetId();
    TPerson* mover = NewPlayer(from, u"Mover");
    mover->SetShirtNumber(8);
    struct Case {
        std::uint32_t person;
        std::uint32_t team;
        int number;
        const char* why;
    };
    for (const Case& c : {Case{mover->GetId(), full->GetId(), 5, "full club"},
                          Case{mover->GetId(), from->GetId(), 5, "same club"},
                          Case{mover->GetId(), 0x00000005, 5, "no country"},
                          Case{mover->GetId(), other, 99, "number 99"},
                          Case{0, full->GetId(), 5, "no player"},
                          Case{999999, from->GetId(), 5, "person gone"}}) {
        EXPECT_FALSE(QuickTransferModel::Transfer(*world_, c.person, c.team, c.number)) << c.why;
        EXPECT_EQ(world_->FindClubOfPerson(mover), from) << c.why;
        EXPECT_EQ(mover->GetShirtNumber(), 8) << c.why;
    }
}

TEST_F(QuickTransferModelTest, ListsClubPlayersAndTargetsWithReserveTeams)
{
    TCountry* country = world_->GetCountry(3);
    TClub* first = NewClub(3, u"First");
    TClub* second = NewClub(3, u"Second");
    NewPlayer(second, u"B");
    NewPlayer(first, u"A");
    NewPlayer(first, u"Staff")->SetType(PersonManager);
    const std::vector<TransferSource> players = QuickTransferModel::GetSourcePlayers(*country);
    ASSERT_EQ(players.size(), 2u);
    EXPECT_EQ(std::u16string(players[0].person->GetLastName()), u"A");
    EXPECT_EQ(players[0].club, first);
    EXPECT_EQ(players[1].club, second);
    const std::vector<TransferTarget> targets = QuickTransferModel::GetTargets(*country);
    ASSERT_EQ(targets.size(), 4u);
    EXPECT_EQ(targets[0].teamId, first->GetId());
    EXPECT_EQ(targets[1].teamId, first->GetId() | ReserveTeamBit);
    // Each name is kept, not a buffer the next reserve name overwrites.
    EXPECT_EQ(targets[0].name, u"First");
    EXPECT_EQ(targets[1].name, std::u16string(first->GetReserveName()));
    EXPECT_EQ(targets[3].name, std::u16string(second->GetReserveName()));
    EXPECT_NE(targets[1].name, targets[3].name);
    EXPECT_EQ(targets[2].teamId, second->GetId());
}

}  // namespace
