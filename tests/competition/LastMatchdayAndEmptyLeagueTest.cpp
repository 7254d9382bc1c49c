#include <gtest/gtest.h>

#include <memory>

#include "CompetitionTestSupport.h"
#include "competition/CompetitionFactory.h"
#include "competition/Cup.h"
#include "competition/CupAlloc.h"
#include "competition/League.h"
#include "core/text/Format.h"
#include "database/world/DatabaseVersion.h"

using namespace competition_testing;

namespace {

constexpr std::uint32_t Country = 3;
constexpr std::uint32_t LeagueId = 0x03010000;

class LastMatchdayAndEmptyLeagueTest : public testing::Test {
protected:
    void SetUp() override
    {
        TDatabaseVersion::SetFileVersion(TDatabaseVersion::ProgramVersion);
        LoadCupAllocation(GetCupAllocTable(), testing_support::SourcePath(u"tests\\competition\\fixtures"));
    }
    void TearDown() override { GetCupAllocTable().Clear(); }

    // Reads a run of competition sections into a fresh registry and writes
    // the league back the same way.
    std::string LoadAndSave(const std::string& text)
    {
        registry_ = std::make_unique<TCompetitionRegistry>();
        CIndexTextFile file;
        OpenText(file, text);
        SeasonDayCodes codes{};
        std::vector<std::u16string> problems;
        ReadCompetitions(file, u"COMP", codes, Country << 24, *registry_, problems);
        EXPECT_TRUE(problems.empty());
        return Save(*League());
    }
    static std::string Save(const CDBCompetition& competition)
    {
        return WrittenText([&](CIndexTextFile& file) {
            return file.WriteInt32(1) && file.WriteSectionBegin(u"COMP0") && competition.Write(file, -1) &&
                   file.WriteSectionEnd(u"COMP0");
        });
    }
    CDBLeague* League() { return dynamic_cast<CDBLeague*>(registry_->Get(LeagueId)); }

    std::unique_ptr<TCompetitionRegistry> registry_ = std::make_unique<TCompetitionRegistry>();
};

}  // namespace

TEST_F(LastMatchdayAndEmptyLeagueTest, ALeagueWithoutTeamsKeepsEveryValueAfterItsFixtureSection)
{
    CDBLeague empty(LeagueId, Country << 24, *registry_);
    empty.SetTeamsAndRounds(0, 2);
    ASSERT_LT(empty.GetMatchdayCount(), 0);
    for (int i = 0; i < 4; ++i) empty.SetSetting(i, 11 + i);
    empty.SetDayGroup(6);
    empty.SetLevel(2);
    empty.AddFollower(0x03030000, false);
    const std::string file = Save(empty);
    ASSERT_NE(file.find("%INDEX%FIXTURE\r\n%INDEXEND%FIXTURE\r\n11\r\n12\r\n"), std::string::npos);

    const std::string first = LoadAndSave(file);
    ASSERT_NE(League(), nullptr);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(League()->GetSetting(i), 11 + i);
    EXPECT_EQ(League()->GetDayGroup(), 6);
    EXPECT_EQ(League()->GetLevel(), 2);
    EXPECT_EQ(League()->GetFollowerId(0), 0x03030000u) << "the reference after the section is kept";
    EXPECT_EQ(first, file);
    EXPECT_EQ(LoadAndSave(first), first);
}

TEST_F(LastMatchdayAndEmptyLeagueTest, ALeagueWithTeamsReadsItsFixtureSectionAsBefore)
{
    CDBLeague league(LeagueId, Country << 24, *registry_);
    league.SetTeamsAndRounds(2, 1);
    // Ids of no country save as they are.
    for (std::uint32_t n = 1; n <= 2; ++n) league.AddTeam(n);
    league.SetCalendarEntry(0, 20, 1);
    league.SetCalendarEntry(1, 21, 1);
    league.GetFixturelist().SetMatch(0, 0, 2, 1);
    league.SetSetting(3, 9);
    const std::string file = Save(league);
    EXPECT_EQ(LoadAndSave(file), file);
    std::uint8_t home = 0;
    std::uint8_t away = 0;
    League()->GetFixturelist().GetMatch(0, 0, home, away);
    EXPECT_EQ(home * 10 + away, 21);
    EXPECT_EQ(League()->GetSetting(3), 9);
}

// Matchdays 1..count on the given days; day 364 is a day like any other.
TEST_F(LastMatchdayAndEmptyLeagueTest, AMatchdayOnTheLastDayOfTheSeasonCompletesTheCalendar)
{
    CDBLeague league(LeagueId, Country << 24, *registry_);
    league.SetTeamsAndRounds(3, 1);
    for (std::uint32_t n = 1; n <= 3; ++n) league.AddTeam((Country << 16) | n);
    CDBRound round(0x03080000, Country << 24, *registry_);
    round.SetLegFlags(0x2);
    CDBCup cup(0x03030000, Country << 24, *registry_);
    cup.SetCupKind(1);
    ASSERT_EQ(cup.GetMatchdayCount(), 5);
    CDBCompetition* const competitions[] = {&league, &round, &cup};
    for (CDBCompetition* competition : competitions) {
        SCOPED_TRACE(competition->GetKind());
        const int count = competition->GetMatchdayCount();
        for (int season = 0; season < 2; ++season) {
            for (int matchday = 1; matchday < count; ++matchday) {
                competition->SetCalendarEntry(season, 10 * matchday, static_cast<std::int8_t>(matchday));
            }
            competition->SetCalendarEntry(season, 364, static_cast<std::int8_t>(count));
        }
        EXPECT_EQ(competition->GetLastMatchday(0), count);
        EXPECT_EQ(competition->GetPreviousMatchday(0, 364), count - 1) << "the days before 364 only";
        for (int season = 0; season < 2; ++season) {
            EXPECT_EQ(competition->CheckConsistency(season, 0) & ErrorMatchdays, 0u);
        }
        // One matchday left unscheduled.
        competition->RemoveMatchday(1, 10);
        EXPECT_EQ(competition->CheckConsistency(0, 0) & ErrorMatchdays, 0u);
        EXPECT_EQ(competition->CheckConsistency(1, 0) & ErrorMatchdays, static_cast<std::uint32_t>(ErrorMatchdays));
    }
    EXPECT_EQ(league.CheckConsistency(0, 0) & ~static_cast<std::uint32_t>(ErrorFixturelist), 0u);
}
