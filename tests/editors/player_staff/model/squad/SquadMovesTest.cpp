#include <algorithm>
#include <atomic>

#include <gtest/gtest.h>

#include "tests/editors/player_staff/model/SquadModelTestSupport.h"
#include "database/world/CompleteWorld.h"
#include "editors/player_staff/model/lists/FreeAgentsList.h"
#include "editors/player_staff/model/search/PlayerSearch.h"
#include "editors/player_staff/model/squad/SquadListModel.h"

namespace {

using squad_testing::TPlayerSpec;

// Players moved between clubs and the players without club by the squad
// list's and the search result's commands.
class SquadMovesTest : public squad_testing::SquadWorldTest {
protected:
    TPerson* FreeAgent(const TPlayerSpec& wanted)
    {
        TPerson* person = Add(wanted, nullptr);
        world_->GetFreeAgents().Add(person);
        return person;
    }
    bool IsFreeAgent(const TPerson* person) const
    {
        const std::vector<TPerson*> agents = FreeAgentsList::Persons(world_->GetFreeAgents());
        return std::find(agents.begin(), agents.end(), person) != agents.end();
    }
};

TEST_F(SquadMovesTest, TheChosenTeamDecidesTheTeamPartOfATransfer)
{
    TPerson* senior = Add({});
    TPerson* youth = Add({.teamPart = 2});
    const std::uint32_t club = club_->GetId();
    struct Case {
        const TPerson* person;
        std::uint32_t chosen;
        int part;
    };
    for (const Case& c : {Case{senior, club, 0}, Case{senior, club | ReserveTeamBit, 1}, Case{youth, club, 2},
                          Case{youth, club | ReserveTeamBit, 2}}) {
        EXPECT_EQ(SquadListModel::TransferTeamPart(*c.person, c.chosen), c.part) << std::hex << c.chosen;
    }
    EXPECT_EQ(PlayerSearch::RegisterTeamPart(*senior), 0);
    EXPECT_EQ(PlayerSearch::RegisterTeamPart(*youth), 2);
}

TEST_F(SquadMovesTest, ATakenOverPlayerGetsTheFlagsOfTheList)
{
    TClub* other = NewClub(England, u"Other");
    struct Case {
        int part;
        bool reserve;
        bool youth;
    };
    for (const Case& c : {Case{0, false, false}, Case{1, true, false}, Case{2, false, true}}) {
        TPerson* person = Add({.teamPart = 1}, other);
        ASSERT_TRUE(SquadListModel::TakeOver(*club_, *person, c.part)) << c.part;
        EXPECT_EQ(world_->FindClubOfPerson(person), club_);
        EXPECT_EQ(person->IsReserveTeam(), c.reserve) << c.part;
        EXPECT_EQ(person->IsYouthPlayer(), c.youth) << c.part;
    }
    EXPECT_EQ(other->GetSquadCount(), 0);
}

TEST_F(SquadMovesTest, AFreeAgentTakenOverLeavesTheList)
{
    TPerson* person = FreeAgent({});
    ASSERT_TRUE(SquadListModel::TakeOver(*club_, *person, 0));
    EXPECT_FALSE(IsFreeAgent(person));
    EXPECT_FALSE(SquadListModel::TakeOver(*club_, *person, 0)) << "he is in the squad already";
}

TEST_F(SquadMovesTest, AGeneratedPlayerJoinsHisTeamPart)
{
    struct Case {
        TDate born;
        int part;
        bool reserve;
        bool youth;
    };
    // The reference day is 2007-07-01: one born in 1992 is 15.
    for (const Case& c : {Case{TDate(1985, 1, 1), 0, false, false}, Case{TDate(1985, 1, 1), 1, true, false},
                          Case{TDate(1985, 1, 1), 2, false, true}, Case{TDate(1992, 1, 1), 0, false, true}}) {
        TPerson* person = world_->CreatePerson(world_->GetFreePersonId(), false);
        person->SetBirthDate(c.born);
        ASSERT_TRUE(SquadListModel::AddGenerated(*club_, *person, c.part));
        EXPECT_EQ(person->IsReserveTeam(), c.reserve) << c.part;
        EXPECT_EQ(person->IsYouthPlayer(), c.youth) << c.part << " " << c.born.GetYear();
    }
}

TEST_F(SquadMovesTest, AFullSquadRefusesAGeneratedPlayer)
{
    for (int n = 0; n < TClub::SquadCapacity; ++n) Add({});
    TPerson* person = SquadListModel::CreateForSquad(*club_);
    ASSERT_NE(person, nullptr) << "sixty entries are fewer than seventy";
    EXPECT_FALSE(SquadListModel::AddGenerated(*club_, *person, 0));
}

TEST_F(SquadMovesTest, AReleasedHitBecomesAPlayerWithoutClub)
{
    TPerson* person = Add({.last = u"Leaving"});
    PlayerSearch::THit hit{person, club_->GetId()};
    ASSERT_TRUE(PlayerSearch::ReleaseHit(*world_, hit));
    EXPECT_EQ(hit.clubId, 0u);
    EXPECT_EQ(club_->GetSquadCount(), 0);
    EXPECT_TRUE(IsFreeAgent(person));
    EXPECT_FALSE(PlayerSearch::ReleaseHit(*world_, hit)) << "a hit without a club is left alone";
    EXPECT_EQ(world_->GetFreeAgents().GetCount(), 1);
    // The released player is found again, now without a club.
    const std::atomic<bool> stop{false};
    const std::vector<PlayerSearch::THit> hits =
        PlayerSearch::Run(*world_, FreeAgentsList::Persons(world_->GetFreeAgents()),
                          PlayerSearch::MakeCriteria(u"", u"leaving", u""), stop);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].person, person);
    EXPECT_EQ(hits[0].clubId, 0u);
}

TEST_F(SquadMovesTest, AHitWhoseClubNoLongerHoldsHimIsLeftAlone)
{
    TPerson* person = Add({});
    TClub* other = NewClub(England, u"Other");
    PlayerSearch::THit hit{person, other->GetId()};
    EXPECT_FALSE(PlayerSearch::ReleaseHit(*world_, hit));
    EXPECT_EQ(world_->FindClubOfPerson(person), club_);
    EXPECT_FALSE(IsFreeAgent(person));
}

TEST_F(SquadMovesTest, AMovedHitNamesItsNewClub)
{
    TPerson* person = FreeAgent({});
    TClub* other = NewClub(England, u"Other");
    PlayerSearch::THit hit{person, 0};
    ASSERT_TRUE(PlayerSearch::MoveHit(hit, other, 1));
    EXPECT_EQ(hit.clubId, other->GetId());
    EXPECT_TRUE(person->IsReserveTeam());
    EXPECT_FALSE(IsFreeAgent(person));
    EXPECT_FALSE(PlayerSearch::MoveHit(hit, nullptr, 0));
    EXPECT_EQ(hit.clubId, other->GetId());
}

TEST_F(SquadMovesTest, TheWorldsFreeAgentsJoinInTheirOrder)
{
    TPerson* a = FreeAgent({});
    TPerson* b = FreeAgent({});
    EXPECT_EQ(FreeAgentsList::Persons(world_->GetFreeAgents()), (std::vector<TPerson*>{a, b}));
    TPerson* c = Add({});
    ASSERT_TRUE(SquadListModel::ReleasePerson(*club_, *c, SquadListModel::JoinFreeAgents(*world_)));
    EXPECT_EQ(FreeAgentsList::Persons(world_->GetFreeAgents()), (std::vector<TPerson*>{a, b, c}));
    EXPECT_FALSE(SquadListModel::ReleasePerson(*club_, *c, SquadListModel::JoinFreeAgents(*world_)));
}

}  // namespace
