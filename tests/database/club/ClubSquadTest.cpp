#include <gtest/gtest.h>

#include "tests/database/DatabaseTestSupport.h"
#include "database/club/Club.h"
#include "database/country/Country.h"
#include "database/world/GameIdMaps.h"
#include "database/person/Person.h"

namespace {

class ClubSquadTest : public database_testing::CurrentWorldTest {
protected:
    void SetUp() override
    {
        CurrentWorldTest::SetUp();
        TCountry& england = *world_->GetCountry(14);
        club_ = england.GetClubByUniqueId(england.CreateClub(u"Squad"));
    }

    TPerson* Add(std::uint8_t type, bool reserve, std::uint8_t position = 16, std::uint8_t ability = 40,
                 std::uint8_t shirt = 0)
    {
        TPerson* p = world_->CreatePerson(world_->GetFreePersonId(), false);
        p->SetType(type);
        p->SetFirstName(u"A");
        p->SetLastName(u"B");
        if (reserve) p->SetReserveTeam();
        p->SetPosition(0, position);
        for (int a = 0; a < TPerson::AbilityCount; ++a) p->SetAbility(a, ability);
        p->SetShirtNumber(shirt);
        club_->AddPlayer(p);
        return p;
    }

    TClub* club_ = nullptr;
};

}  // namespace

TEST_F(ClubSquadTest, SquadChecksGiveTheirBits)
{
    EXPECT_EQ(club_->CheckSquad(), 0x1) << "an empty squad";
    for (int n = 0; n < 13; ++n) Add(0, false);
    EXPECT_EQ(club_->CheckSquad(), 0x1);
    Add(1, false);
    Add(1, false);
    Add(3, true);
    EXPECT_EQ(club_->CheckSquad(), 0x4 | 0x80 | 0x1);
    Add(0, false)->SetFirstName(u"");
    EXPECT_EQ(club_->CheckSquad(), 0x4 | 0x80 | 0x100);
    EXPECT_EQ(club_->CountSquadByPersonType(), 0);
}

TEST_F(ClubSquadTest, FreeShirtNumbersSuitThePositionGroup)
{
    for (int number = 1; number <= 11; ++number) Add(0, false, 16, 40, static_cast<std::uint8_t>(number));
    struct TCase {
        int position;
        int number;
    };
    for (const TCase& c : {TCase{1, 12}, TCase{4, 14}, TCase{12, 14}, TCase{17, 14}, TCase{0, 12}, TCase{18, 99}}) {
        EXPECT_EQ(club_->GetFreeShirtNumber(c.position), c.number) << c.position;
    }
    Add(0, false, 16, 40, 12);
    Add(0, false, 16, 40, 12);
    EXPECT_EQ(club_->GetFreeShirtNumber(1), 13) << "a number worn twice is taken too";
    EXPECT_TRUE(club_->IsShirtNumberUsed(12));
    EXPECT_FALSE(club_->IsShirtNumberUsedBy(nullptr));
    EXPECT_EQ(club_->GetFreeShirtNumberFor(nullptr), 99);
    int counts[100];
    club_->CountShirtNumbers(counts);
    EXPECT_EQ(counts[0], 1);
    EXPECT_EQ(counts[12], 2);
}

// Each team counts its own players, each by his number of that team; staff
// wear no number.
TEST_F(ClubSquadTest, EachTeamCountsItsPlayersByTheirNumbersOfThatTeam)
{
    for (int number = 1; number <= 11; ++number) Add(0, false, 16, 40, static_cast<std::uint8_t>(number));
    TPerson* reserveKeeper = Add(0, true, 1, 40, 12);
    reserveKeeper->SetReserveShirtNumber(1);
    Add(0, true, 1, 40, 0)->SetReserveShirtNumber(12);
    Add(PersonManager, false, 16, 40, 12);
    EXPECT_FALSE(club_->IsShirtNumberUsed(12)) << "a reserve player's first-team number and a manager's";
    EXPECT_EQ(club_->GetFreeShirtNumber(1), 12);
    EXPECT_TRUE(club_->IsShirtNumberUsed(12, true));
    EXPECT_EQ(club_->GetFreeShirtNumber(1, true), 13);
    EXPECT_EQ(club_->GetFreeShirtNumberFor(reserveKeeper, true), 13);
    int counts[100];
    club_->CountShirtNumbers(counts, true);
    EXPECT_EQ(counts[1], 1);
    EXPECT_EQ(counts[2], 0);
    EXPECT_FALSE(club_->IsShirtNumberUsedBy(reserveKeeper, true)) << "he wears it himself";
    EXPECT_FALSE(club_->IsShirtNumberUsedBy(nullptr, true));
}

// A player changing team keeps his number of the new team when no one there
// wears it; else, or without one, he gets a free number of that team.
TEST_F(ClubSquadTest, PlacingInATeamGivesANumberOfThatTeam)
{
    TPerson* keeper = Add(0, false, 1, 40, 1);
    TPerson* forward = Add(0, false, 16, 40, 9);
    TPerson* reserveForward = Add(0, true, 16, 40, 9);
    reserveForward->SetReserveShirtNumber(9);
    club_->PlaceInTeam(*keeper, true);
    EXPECT_TRUE(keeper->IsReserveTeam());
    EXPECT_EQ(keeper->GetReserveShirtNumber(), 1) << "a reserve number of 0 is none";
    club_->PlaceInTeam(*forward, true);
    EXPECT_EQ(forward->GetReserveShirtNumber(), 11);
    EXPECT_EQ(forward->GetShirtNumber(), 9) << "his first-team number stays";
    reserveForward->SetShirtNumber(1);
    club_->PlaceInTeam(*reserveForward, false);
    EXPECT_TRUE(reserveForward->IsFirstTeam());
    EXPECT_EQ(reserveForward->GetShirtNumber(), 1) << "the keeper left the first team";
    club_->PlaceInTeam(*reserveForward, false);
    EXPECT_EQ(reserveForward->GetShirtNumber(), 1) << "staying in a team changes nothing";
    club_->GiveFreeShirtNumber(*keeper);
    EXPECT_EQ(keeper->GetReserveShirtNumber(), 1) << "his own number is free for him";
    club_->GiveFreeShirtNumber(*reserveForward);
    EXPECT_EQ(reserveForward->GetShirtNumber(), 9);
}

TEST_F(ClubSquadTest, StrengthTakesTheBestElevenByGroup)
{
    for (int n = 0; n < 10; ++n) Add(0, false, 16, 50);
    EXPECT_EQ(club_->GetTeamStrength(0), 0) << "ten players";
    Add(0, false, 1, 80);
    Add(0, false, 1, 90);
    // Keeper 90, two forwards 50 (the other forwards find no room).
    EXPECT_DOUBLE_EQ(club_->GetTeamStrength(0), (90 + 50 + 50) / 3.0);
    EXPECT_DOUBLE_EQ(club_->GetAverageLevel(1), 0);
    EXPECT_EQ(club_->GetPlayerCountInTeam(1), 0);
    EXPECT_EQ(club_->GetPlayerCountInTeam(0), club_->GetPlayerCount());
    EXPECT_GT(club_->GetPlayerCount(), 11);
    EXPECT_GT(club_->GetAverageAge(0), 20);

    TCountry& england = *world_->GetCountry(14);
    TClub* weaker = club_;
    TClub* stronger = england.GetClubByUniqueId(england.CreateClub(u"Stronger"));
    for (int n = 0; n < 12; ++n) {
        TPerson* p = world_->CreatePerson(world_->GetFreePersonId(), false);
        p->SetPosition(0, n == 0 ? 1 : 16);
        for (int a = 0; a < TPerson::AbilityCount; ++a) p->SetAbility(a, 95);
        stronger->AddPlayer(p);
    }
    TGameIdMaps& maps = GetGameIdMaps();
    BuildGameIdMaps(maps);
    EXPECT_LT(maps.GetExportClubId(stronger->GetId()), maps.GetExportClubId(weaker->GetId()));
}

TEST_F(ClubSquadTest, TheNationalSquadGathersMarkedPlayersOfTheNationality)
{
    const TNationalSquadStats none = world_->GetCountry(14)->GetNationalSquadStats();
    EXPECT_EQ(none.count, 0);
    EXPECT_EQ(none.strength, 0);
    EXPECT_EQ(none.age, 0);
    // A keeper of 80, three forwards of 50, 60 and 70 (two take places), an
    // unmarked player and a foreigner.
    const std::uint8_t positions[] = {1, 17, 17, 17, 17, 17};
    const std::uint8_t levels[] = {80, 50, 60, 70, 99, 99};
    for (int n = 0; n < 6; ++n) {
        TPerson* p = Add(0, false, positions[n], levels[n]);
        p->SetNationality(n == 5 ? 9 : 14);
        p->SetNationalBits(n == 4 ? 0 : 2);
        p->SetBirthDate(TDate(1977 + n, 1, 1));
    }
    const TNationalSquadStats stats = world_->GetCountry(14)->GetNationalSquadStats();
    EXPECT_EQ(stats.count, 4);
    EXPECT_FLOAT_EQ(stats.strength, (80 + 70 + 60) / 3.0f);
    EXPECT_FLOAT_EQ(stats.level, (80 + 50 + 60 + 70) / 4.0f);
    EXPECT_FLOAT_EQ(stats.age, (30 + 29 + 28 + 27) / 4.0f);
}
