#include <gtest/gtest.h>

#include "DatabaseTestSupport.h"
#include "competition/League.h"
#include "core/text/Format.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "editors/country_club/model/competition/LeagueCompositionModel.h"

namespace {

constexpr int SampleCountry = 21;

TLeagueCompositionTexts Texts()
{
    return {u"_LEAGUE_NAME (_CLUB_COUNT)", {u"-", u"Up", u"Down"}, {u"-", u"Winner", u"Finalist"}, u"Too few teams",
            u"Reserve teams"};
}

class LeagueCompositionTest : public database_testing::SampleWorldTest {
protected:
    void SetUp() override
    {
        SampleWorldTest::SetUp();
        ASSERT_TRUE(world_->LoadWorld(u"Database"));
        country_ = world_->GetCountry(SampleCountry);
        MakeTwoLevels();
        ASSERT_EQ(country_->GetLeagueCount(), 2);
        composition_ = std::make_unique<TLeagueComposition>(*country_, Texts());
    }
    // The sample's one league of 16 becomes two full leagues of 8 on
    // levels 0 and 1, below the country's first level for reserve teams.
    void MakeTwoLevels()
    {
        auto& top = dynamic_cast<CDBLeague&>(League(0));
        const std::vector<std::uint32_t> teams = Teams(top);
        ASSERT_EQ(teams.size(), 16u);
        ASSERT_EQ(country_->GetFirstReserveTeamLevel(), 2);
        TCompetitionRegistry& registry = world_->GetCompetitions();
        auto second = std::make_unique<CDBLeague>(country_->GetLeagueId(1), top.GetOwnerId(), registry);
        second->SetLevel(1);
        second->SetName(world_->GetDatabaseLanguage(), u"Second");
        second->SetTeamsAndRounds(8, 2);
        top.SetTeamsAndRounds(8, 2);
        top.ResetTeams();
        for (std::size_t i = 0; i < 8; ++i) {
            top.AddTeam(teams[i]);
            second->AddTeam(teams[i + 8]);
        }
        registry.Register(std::move(second));
    }
    CDBLeagueBase& League(int index)
    {
        return *dynamic_cast<CDBLeagueBase*>(world_->GetCompetitions().Get(country_->GetLeagueId(index)));
    }
    std::vector<std::uint32_t> Teams(const CDBLeagueBase& league)
    {
        std::vector<std::uint32_t> teams;
        for (int slot = 0; slot < league.GetAssignedTeamCount(); ++slot) teams.push_back(league.GetTeamSlot(slot));
        return teams;
    }
    static bool Lists(const std::vector<TCompositionRow>& rows, std::uint32_t team)
    {
        for (const TCompositionRow& row : rows) {
            if (row.data == team) return true;
        }
        return false;
    }

    TCountry* country_ = nullptr;
    std::unique_ptr<TLeagueComposition> composition_;
};

TEST_F(LeagueCompositionTest, LeagueRowsNameEveryLeagueWithItsSize)
{
    const std::vector<TCompositionRow> rows = composition_->LeagueRows();
    ASSERT_EQ(static_cast<int>(rows.size()), country_->GetLeagueCount());
    EXPECT_EQ(rows[1].data, country_->GetLeagueId(1));
    EXPECT_EQ(rows[1].text, Format(u"%s (%d)", League(1).GetName(), League(1).GetTeamCount()));
    EXPECT_EQ(composition_->GetCurrentLeague(), &League(0));
    EXPECT_FALSE(composition_->SetCurrentLeague(0x12345678));
    EXPECT_EQ(composition_->GetCurrentLeague(), &League(0));
}

TEST_F(LeagueCompositionTest, ClubRowsNumberTheTeamsAndEndWithAnEmptyRow)
{
    CDBLeagueBase& league = League(0);
    const std::vector<TCompositionRow> rows = composition_->ClubRows();
    ASSERT_EQ(static_cast<int>(rows.size()), league.GetAssignedTeamCount() + 1);
    EXPECT_EQ(rows.back().data, 0u);
    EXPECT_EQ(rows.back().text, u"");
    const TClub& club = *country_->GetClubByUniqueId(league.GetTeamSlot(0));
    EXPECT_EQ(rows[0].text.substr(0, 3), u" 1\t");
    EXPECT_EQ(rows[0].data, league.GetTeamSlot(0));
    EXPECT_NE(rows[0].text.find(club.GetName()), std::u16string::npos);
    EXPECT_EQ(rows[7].text.substr(0, 3), u" 8\t");
}

TEST_F(LeagueCompositionTest, AReserveTeamHasItsOwnNameAndMarks)
{
    CDBLeagueBase& league = League(1);
    league.ClearTeams();
    TClub& club = *country_->GetClubByIndex(0);
    const std::uint32_t reserve = club.GetId() | ReserveTeamBit;
    ASSERT_TRUE(composition_->SetCurrentLeague(league.GetId()));
    ASSERT_TRUE(composition_->Drop(0, reserve));
    ASSERT_TRUE(composition_->Mark(reserve, TSeasonMark::Promoted));
    ASSERT_TRUE(composition_->Mark(reserve, TSeasonMark::CupFinalist));
    EXPECT_TRUE(club.IsPromoted(false));
    EXPECT_FALSE(club.IsPromoted(true));
    const std::vector<TCompositionRow> rows = composition_->ClubRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, std::u16string(u" 1\t") + club.GetReserveName() + u"\tUp\tFinalist");
    EXPECT_FALSE(Lists(composition_->FreeClubRows(false), reserve));
    ASSERT_TRUE(composition_->Mark(reserve, TSeasonMark::Neither));
    EXPECT_EQ(composition_->ClubRows()[0].text, std::u16string(u" 1\t") + club.GetReserveName() + u"\t-\tFinalist");
}

TEST_F(LeagueCompositionTest, FreeClubsWithOrWithoutReserveTeams)
{
    const std::uint32_t team = League(0).GetTeamSlot(3);
    const std::uint32_t reserve = team | ReserveTeamBit;
    EXPECT_TRUE(Lists(composition_->FreeClubRows(false), reserve));
    EXPECT_FALSE(Lists(composition_->FreeClubRows(true), reserve));
    EXPECT_FALSE(Lists(composition_->FreeClubRows(false), team));
    ASSERT_TRUE(composition_->PickUp(team));
    EXPECT_TRUE(Lists(composition_->FreeClubRows(true), team)) << "a club picked up is free at once";
    for (const TCompositionRow& row : composition_->FreeClubRows(true)) EXPECT_EQ(row.data & ReserveTeamBit, 0u);
    EXPECT_FALSE(Lists(composition_->FreeClubRows(false), country_->GetNationalTeam()->GetId()));
}

TEST_F(LeagueCompositionTest, DropsInsertAtARowAndAppendBelowTheRows)
{
    CDBLeagueBase& league = League(0);
    std::vector<std::uint32_t> teams = Teams(league);
    ASSERT_GE(teams.size(), 4u);
    ASSERT_TRUE(composition_->PickUp(teams[3]));
    ASSERT_TRUE(composition_->Drop(1, teams[3]));
    EXPECT_EQ(Teams(league)[1], teams[3]);
    ASSERT_TRUE(composition_->PickUp(teams[3]));
    ASSERT_TRUE(composition_->Drop(500, teams[3]));
    EXPECT_EQ(Teams(league).back(), teams[3]) << "below the rows appends";
    ASSERT_TRUE(composition_->PickUp(teams[0]));
    ASSERT_TRUE(composition_->Drop(-1, teams[0]));
    EXPECT_EQ(Teams(league).back(), teams[0]);
}

TEST_F(LeagueCompositionTest, AClubDroppedOnAFullLeagueStaysFree)
{
    CDBLeagueBase& league = League(0);
    ASSERT_EQ(league.GetAssignedTeamCount(), league.GetTeamCount());
    const std::uint32_t team = League(1).GetTeamSlot(0);
    ASSERT_TRUE(composition_->SetCurrentLeague(League(1).GetId()));
    ASSERT_TRUE(composition_->PickUp(team));
    ASSERT_TRUE(composition_->SetCurrentLeague(league.GetId()));
    EXPECT_FALSE(composition_->Drop(0, team));
    EXPECT_FALSE(composition_->Append(league.GetId(), team));
    EXPECT_TRUE(Lists(composition_->FreeClubRows(true), team));
    EXPECT_TRUE(composition_->Append(League(1).GetId(), team));
    EXPECT_EQ(Teams(League(1)).back(), team);
}

TEST_F(LeagueCompositionTest, OneCupWinnerPerCountry)
{
    const std::uint32_t first = League(0).GetTeamSlot(0);
    const std::uint32_t second = League(1).GetTeamSlot(0);
    ASSERT_TRUE(composition_->Mark(first, TSeasonMark::CupWinner));
    ASSERT_TRUE(composition_->Mark(second, TSeasonMark::CupWinner));
    EXPECT_FALSE(country_->GetClubByUniqueId(first)->IsCupWinner(true));
    EXPECT_TRUE(country_->GetClubByUniqueId(second)->IsCupWinner(true));
    EXPECT_FALSE(composition_->Mark(0x0000FFFF, TSeasonMark::CupWinner)) << "no country byte";
    EXPECT_TRUE(country_->GetClubByUniqueId(second)->IsCupWinner(true));
}

TEST_F(LeagueCompositionTest, ClearOneAndAll)
{
    composition_->ClearCurrent();
    EXPECT_EQ(League(0).GetAssignedTeamCount(), 0);
    EXPECT_GT(League(1).GetAssignedTeamCount(), 0);
    EXPECT_EQ(composition_->ClubRows().size(), 1u);
    composition_->ClearAll();
    for (int index = 0; index < country_->GetLeagueCount(); ++index) EXPECT_EQ(League(index).GetAssignedTeamCount(), 0);
}

TEST_F(LeagueCompositionTest, TheCheckNamesShortLeaguesAndReserveTeams)
{
    EXPECT_EQ(composition_->Check().errors, 0);
    ASSERT_TRUE(composition_->PickUp(League(0).GetTeamSlot(0)));
    TCompositionCheck check = composition_->Check();
    EXPECT_EQ(check.errors, 1);
    EXPECT_EQ(check.lines, (std::vector<std::u16string>{League(0).GetName(), u"Too few teams"}));
    ASSERT_TRUE(composition_->Drop(0, League(0).GetTeamSlot(1) | ReserveTeamBit));
    check = composition_->Check();
    EXPECT_EQ(check.errors, 1) << "full again, but with a reserve team on the top level";
    EXPECT_EQ(check.lines, (std::vector<std::u16string>{League(0).GetName(), u"Reserve teams"}));
    ASSERT_TRUE(composition_->SetCurrentLeague(League(1).GetId()));
    ASSERT_TRUE(composition_->PickUp(League(1).GetTeamSlot(0)));
    EXPECT_EQ(composition_->Check().errors, 2);
}

}  // namespace
