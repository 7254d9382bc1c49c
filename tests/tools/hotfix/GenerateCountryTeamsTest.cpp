#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "competition/CompetitionId.h"
#include "competition/CupAlloc.h"
#include "competition/League.h"
#include "core/text/Format.h"
#include "platform/Platform.h"
#include "tests/tools/hotfix/HotfixTestSupport.h"
#include "tools/hotfix/GenerateCountryTeams.h"

namespace {

using TSchedule = CGenerateCountryTeams::TSchedule;

std::string ScheduleText(int teams)
{
    std::string text = "teams " + std::to_string(teams) + "\n";
    for (const auto& day : CGenerateCountryTeams::MakeSchedule(teams)) {
        std::string line;
        for (const auto& [home, away] : day) line += (line.empty() ? "" : " ") + std::to_string(home) + "-" + std::to_string(away);
        text += line + "\n";
    }
    return text;
}

TEST(RoundRobinTest, TablesForTwoToFortyTeamsEqualTheGoldenFile)
{
    std::string ours;
    for (int teams = 2; teams <= 40; ++teams) ours += ScheduleText(teams);
    const std::vector<std::uint8_t> golden =
        testing_support::ReadBytes(testing_support::SourcePath(u"tests\\tools\\golden\\RoundRobin.txt"));
    EXPECT_EQ(ours, std::string(golden.begin(), golden.end()));
}

TEST(RoundRobinTest, EveryOrderedPairOnceAndEveryTeamAtMostOncePerMatchday)
{
    for (int teams = 2; teams <= 40; ++teams) {
        SCOPED_TRACE(teams);
        const TSchedule schedule = CGenerateCountryTeams::MakeSchedule(teams);
        EXPECT_EQ(schedule.size(), static_cast<std::size_t>(teams % 2 == 0 ? 2 * teams - 2 : 2 * teams));
        std::set<std::pair<int, int>> pairs;
        for (const auto& day : schedule) {
            EXPECT_EQ(day.size(), static_cast<std::size_t>(teams / 2));
            std::set<int> playing;
            for (const auto& match : day) {
                EXPECT_TRUE(pairs.insert(match).second) << match.first << "-" << match.second;
                EXPECT_TRUE(playing.insert(match.first).second && playing.insert(match.second).second);
                EXPECT_TRUE(match.first >= 1 && match.first <= teams && match.second >= 1 && match.second <= teams);
            }
        }
        EXPECT_EQ(pairs.size(), static_cast<std::size_t>(teams * (teams - 1)));
    }
}

TEST(RoundRobinTest, FourAndSixTeamsPlayTheCircleInItsOrder)
{
    using M = std::vector<std::pair<int, int>>;
    const TSchedule four = CGenerateCountryTeams::MakeSchedule(4);
    EXPECT_EQ(four, (TSchedule{M{{1, 2}, {3, 4}}, M{{3, 1}, {2, 4}}, M{{1, 4}, {2, 3}}, M{{2, 1}, {4, 3}},
                               M{{1, 3}, {4, 2}}, M{{4, 1}, {3, 2}}}));
    const TSchedule six = CGenerateCountryTeams::MakeSchedule(6);
    EXPECT_EQ(six[1], (M{{3, 1}, {2, 5}, {4, 6}}));
    EXPECT_EQ(six[2], (M{{1, 5}, {6, 3}, {4, 2}}));
    EXPECT_EQ(six[9], (M{{4, 1}, {6, 2}, {5, 3}}));
    EXPECT_TRUE(CGenerateCountryTeams::MakeSchedule(1).empty());
}

// The shipped script of country 45 made small: its first league of 4
// teams and its second of 5, both without fixtures.
void WriteSmallLeagueScript()
{
    const std::vector<std::uint8_t> bytes =
        testing_support::ReadBytes(testing_support::SourcePath(u"data\\Script\\Lg45.txt"));
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string out;
    std::string line;
    int sizeLine = -1;
    int league = -1;
    bool inFixture = false;
    while (std::getline(in, line)) {
        if (line.starts_with("%INDEX%LG")) {
            league = std::stoi(line.substr(9));
            sizeLine = 4;
        }
        if (line.starts_with("%INDEXEND%FIXTURE")) inFixture = false;
        if (inFixture) continue;
        if (line.starts_with("%INDEX%FIXTURE")) inFixture = true;
        if (sizeLine-- == 0 && league <= 1) line = league == 0 ? "4\r" : "5\r";
        out += line + "\n";
    }
    testing_support::WriteBytes(platform::JoinPath(platform::GetBaseFolder(), u"Script\\Lg45.txt"), out);
}

class GenerateCountryTeamsTest : public tool_testing::HotfixTest {
protected:
    void SetUp() override
    {
        HotfixTest::SetUp();
        hadCupShapes_ = GetCupAllocTable().HasEntries();
        LoadCupAllocation(GetCupAllocTable(), platform::JoinPath(platform::GetBaseFolder(), u"Script"));
    }
    // The cup shapes are the program's: the other tests find them as they were.
    void TearDown() override
    {
        if (!hadCupShapes_) GetCupAllocTable().Clear();
        HotfixTest::TearDown();
    }

    CDBLeague& League(int index)
    {
        auto* league = dynamic_cast<CDBLeague*>(world_->GetCompetitions().Get(Land(45).GetLeagueId(index)));
        EXPECT_NE(league, nullptr);
        return *league;
    }

    CGenerateCountryTeams fix_{manager_};
    bool hadCupShapes_ = false;
};

TEST_F(GenerateCountryTeamsTest, RebuildsSpainWithNamedClubsTheirFixturesAndTheCup)
{
    WriteSmallLeagueScript();
    TClub& old = NewClub(u"Old", 45);
    NewPlayer(old, u"Gone");
    TClub& elsewhere = NewClub(u"Elsewhere", 44);
    const int people = static_cast<int>(world_->GetPersonCount());

    fix_.Apply(world_, nullptr, report_);

    for (int index = 0; index < Land(45).GetClubCount(); ++index) {
        EXPECT_NE(std::u16string(Land(45).GetClubByIndex(index)->GetName()), u"Old");
    }
    EXPECT_NE(Land(45).GetNationalTeam(), nullptr);
    EXPECT_EQ(std::u16string(elsewhere.GetName()), u"Elsewhere");
    EXPECT_EQ(static_cast<int>(world_->GetPersonCount()), people - 1) << "the removed club's players go with it";
    EXPECT_EQ(Land(45).GetClubCount(), 1 + 4 + 5);

    for (const auto& [index, teams] : {std::pair{0, 4}, std::pair{1, 5}}) {
        SCOPED_TRACE(index);
        CDBLeague& league = League(index);
        ASSERT_EQ(league.GetAssignedTeamCount(), teams);
        for (int t = 1; t <= teams; ++t) {
            const TClub* club = world_->GetClub(league.GetTeamIdAt(t - 1));
            ASSERT_NE(club, nullptr);
            EXPECT_EQ(std::u16string(club->GetName()), Format(u"%s T%02d", league.GetName(), t));
        }
        const TSchedule schedule = CGenerateCountryTeams::MakeSchedule(teams);
        const CDBFixturelist& fixtures = league.GetFixturelist();
        ASSERT_GE(fixtures.GetMatchdayCount(), static_cast<int>(schedule.size()));
        for (std::size_t day = 0; day < schedule.size(); ++day) {
            for (std::size_t slot = 0; slot < schedule[day].size(); ++slot) {
                std::uint8_t home = 0;
                std::uint8_t away = 0;
                fixtures.GetMatch(static_cast<int>(day), static_cast<int>(slot), home, away);
                const CGenerateCountryTeams::TMatch cell(home, away);
                EXPECT_EQ(cell, schedule[day][slot]) << day << "/" << slot;
            }
        }
    }
    EXPECT_EQ(testing_support::Narrow(League(0).GetNameInLanguage(0)) + " T01",
              testing_support::Narrow(world_->GetClub(League(0).GetTeamIdAt(0))->GetName()));

    EXPECT_EQ(Land(45).GetNationalCupType(), 4);
    auto* cup = dynamic_cast<CDBCompetition*>(world_->GetCompetitions().Get(MakeCompetitionId(45, TypeFaCup, 0)));
    ASSERT_NE(cup, nullptr);
    for (int language = 0; language < 5; ++language) {
        EXPECT_EQ(std::u16string(cup->GetNameInLanguage(language)), u"Spain FA Cup") << language;
    }
    EXPECT_NE(std::u16string(cup->GetNameInLanguage(5)), u"Spain FA Cup");
    // Spain's cup shape has 12 match days, one on each day the fix offers.
    EXPECT_EQ(cup->GetMatchdayCount(), 12);
    const std::vector<int> expectedDays = {200, 204, 208, 212, 216, 220, 224, 228, 232, 236, 240, 244};
    const std::vector<int> expectedMatchdays = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    for (int season = 0; season < 2; ++season) {
        std::vector<int> days;
        std::vector<int> matchdays;
        for (int day = 0; day < 365; ++day) {
            if (cup->GetCalendarEntry(season, day) == 0) continue;
            days.push_back(day);
            matchdays.push_back(cup->GetCalendarEntry(season, day));
        }
        EXPECT_EQ(days, expectedDays) << season;
        EXPECT_EQ(matchdays, expectedMatchdays) << season;
    }
    EXPECT_EQ(report_.Size(), 0u);
}

}  // namespace
