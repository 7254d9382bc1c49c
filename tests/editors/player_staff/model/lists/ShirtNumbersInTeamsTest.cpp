// A reserve-team player wears his reserve number wherever a number is
// shown, offered, given or exported; a move between the first and the
// reserve team gives him a free number of the team he joins. Each case
// ends on the bytes the game database gets.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "tests/editors/player_staff/model/ModelTestSupport.h"
#include "editors/player_staff/model/lists/QuickTransferModel.h"
#include "editors/player_staff/model/lists/ShirtNumberBoard.h"
#include "editors/player_staff/model/staff/PlayerGeneratorProposal.h"
#include "core/Random.h"
#include "editors/player_staff/model/squad/SquadListModel.h"

namespace {

using database_testing::ExportedShirtNumbers;
using Numbers = std::pair<int, int>;

class ShirtNumbersInTeamsTest : public model_testing::ModelWorldTest {
protected:
    void SetUp() override
    {
        ModelWorldTest::SetUp();
        club_ = NewClub(3, u"Club");
        // First team: keepers and forwards on 1..11. Reserve team: 1..5,
        // each with a first-team number of 20.. left from earlier days.
        for (int number = 1; number <= 11; ++number) Wearing(club_, number, false, number == 1 ? 1 : 16);
        for (int number = 1; number <= 5; ++number) {
            Wearing(club_, number, true, number == 1 ? 1 : 16)->SetShirtNumber(static_cast<std::uint8_t>(19 + number));
        }
    }

    TPerson* Wearing(TClub* club, int number, bool reserve, std::uint8_t position)
    {
        TPerson* person = NewPlayer(club, u"Wearer");
        person->SetPosition(0, position);
        if (reserve) person->SetReserveTeam();
        person->SetShirtNumberIn(reserve, static_cast<std::uint8_t>(number));
        return person;
    }

    static bool Offers(const std::vector<int>& numbers, int number)
    {
        return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
    }

    TClub* club_ = nullptr;
};

TEST_F(ShirtNumbersInTeamsTest, TheReserveBoardShowsAndSetsReserveNumbers)
{
    ShirtNumberBoard reserveBoard(club_, false);
    TPerson* second = club_->GetSquadPerson(12);
    ASSERT_TRUE(second->IsReserveTeam());
    EXPECT_EQ(reserveBoard.PersonOn(2), second->GetId());
    EXPECT_EQ(reserveBoard.PersonOn(99), 0u) << "no reserve player is left without his number";
    ASSERT_TRUE(reserveBoard.Drop(second->GetId(), 30));
    EXPECT_EQ(ExportedShirtNumbers(*second), (Numbers{0, 30}));
    EXPECT_EQ(second->GetShirtNumber(), 21) << "his first-team number stays";
}

TEST_F(ShirtNumbersInTeamsTest, QuickTransferOffersWhatTheBoardShowsFreeAndGivesIt)
{
    const std::vector<int> reserveFree = QuickTransferModel::GetFreeNumbers(*world_, club_->GetId() | ReserveTeamBit);
    const std::vector<int> firstFree = QuickTransferModel::GetFreeNumbers(*world_, club_->GetId());
    const ShirtNumberBoard reserveBoard(club_, false);
    const ShirtNumberBoard firstBoard(club_, true);
    for (int number = 1; number <= QuickTransferModel::LastOfferedNumber; ++number) {
        EXPECT_EQ(Offers(reserveFree, number), reserveBoard.PersonOn(number) == 0) << "reserve " << number;
        EXPECT_EQ(Offers(firstFree, number), firstBoard.PersonOn(number) == 0) << "first " << number;
    }
    TPerson* mover = NewPlayer(NewClub(4, u"From"), u"Mover");
    mover->SetShirtNumber(3);
    ASSERT_TRUE(QuickTransferModel::Transfer(*world_, mover->GetId(), club_->GetId() | ReserveTeamBit, 7));
    EXPECT_EQ(ExportedShirtNumbers(*mover), (Numbers{0, 7}));
    EXPECT_FALSE(Offers(QuickTransferModel::GetFreeNumbers(*world_, club_->GetId() | ReserveTeamBit), 7));
    EXPECT_EQ(ShirtNumberBoard(club_, false).PersonOn(7), mover->GetId());
}

TEST_F(ShirtNumbersInTeamsTest, AMoveIntoTheReserveTeamGivesAFreeReserveNumber)
{
    TPerson* keeper = NewPlayer(NewClub(4, u"From"), u"Keeper");
    keeper->SetPosition(0, 1);
    keeper->SetShirtNumber(1);
    ASSERT_TRUE(keeper->MoveToClub(club_, 1));
    // Reserve numbers 1..5 are worn; a keeper's next is 12.
    EXPECT_EQ(ExportedShirtNumbers(*keeper), (Numbers{0, 12}));
    EXPECT_EQ(ShirtNumberBoard(club_, false).PersonOn(12), keeper->GetId());

    TPerson* forward = NewPlayer(NewClub(4, u"Other"), u"Forward");
    forward->SetPosition(0, 16);
    ASSERT_TRUE(forward->MoveToClub(club_, 0));
    // First-team numbers 1..11 are worn; a forward's next is 14.
    EXPECT_EQ(ExportedShirtNumbers(*forward), (Numbers{14, 0}));
}

TEST_F(ShirtNumbersInTeamsTest, SwappingTeamsGivesANumberOfTheTeamJoined)
{
    TPerson* up = club_->GetSquadPerson(11);  // reserve 1, first-team number 20
    TPerson* down = club_->GetSquadPerson(1);  // first team 2, no reserve number yet
    ASSERT_TRUE(up->IsReserveTeam());
    SquadListModel::SwapTeam(*club_, *up);
    EXPECT_EQ(ExportedShirtNumbers(*up), (Numbers{20, 0})) << "his own first-team number is free";
    SquadListModel::SwapTeam(*club_, *down);
    // Reserve numbers 2..5 are worn, 1 is free again; a forward's next is 9.
    EXPECT_EQ(ExportedShirtNumbers(*down), (Numbers{0, 9}));

    TPerson* clash = club_->GetSquadPerson(12);  // reserve 2, first-team number 21
    clash->SetShirtNumber(3);
    SquadListModel::SwapTeam(*club_, *clash);
    EXPECT_EQ(ExportedShirtNumbers(*clash), (Numbers{14, 0})) << "3 is worn in the first team";
    EXPECT_EQ(ShirtNumberBoard(club_, true).PersonOn(14), clash->GetId());
}

TEST_F(ShirtNumbersInTeamsTest, PlayersTakenOverOrGeneratedIntoTheSecondTeamWearReserveNumbers)
{
    TPerson* taken = NewPlayer(NewClub(4, u"From"), u"Taken");
    taken->SetPosition(0, 16);
    ASSERT_TRUE(SquadListModel::TakeOver(*club_, *taken, SquadListModel::SecondTeam));
    EXPECT_EQ(ExportedShirtNumbers(*taken), (Numbers{0, 9}));

    // The generator, opened from the second team's list, proposes a free
    // reserve number; the player wears the number chosen there.
    TPerson* generated = SquadListModel::CreateForSquad(*club_);
    ASSERT_NE(generated, nullptr);
    SquadListModel::PlaceInTeamPart(*club_, *generated, SquadListModel::SecondTeam);
    const bool reserve = generated->IsReserveTeam();
    EXPECT_TRUE(reserve);
    for (unsigned seed = 1; seed <= 20; ++seed) {
        CrtSrand(seed);
        const PlayerGeneratorProposal::TProposal proposal = PlayerGeneratorProposal::Propose(*club_, 0, false, reserve);
        EXPECT_EQ(proposal.shirtNumber, club_->GetFreeShirtNumber(proposal.position, true)) << seed;
    }
    generated->GenerateRandomPlayer(club_, u"Gen", u"Erated", 20, 16, 40, 50, 2, -1);
    PlayerGeneratorProposal::JoinTeam(*generated, reserve, 40);
    ASSERT_TRUE(SquadListModel::AddGenerated(*club_, *generated, SquadListModel::SecondTeam));
    EXPECT_EQ(ExportedShirtNumbers(*generated), (Numbers{0, 40}));
    EXPECT_EQ(ShirtNumberBoard(club_, false).PersonOn(40), generated->GetId());

    club_->GenerateTeam(false, 50, 25);
    const ShirtNumberBoard board(club_, false);
    for (int slot = 0; slot < club_->GetSquadCount(); ++slot) {
        TPerson* person = club_->GetSquadPerson(slot);
        if (!person->IsReserveTeam()) continue;
        const Numbers exported = ExportedShirtNumbers(*person);
        EXPECT_EQ(exported.first, 0);
        EXPECT_EQ(board.PersonOn(exported.second), person->GetId()) << "each on his own number";
    }
}

}  // namespace
