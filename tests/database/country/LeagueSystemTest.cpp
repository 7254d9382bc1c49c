#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "tests/database/DatabaseTestSupport.h"
#include "competition/CompetitionFactory.h"
#include "competition/CompetitionId.h"
#include "competition/League.h"
#include "competition/LeagueStructure.h"
#include "competition/Pool.h"
#include "core/text/Format.h"
#include "core/text/TextManager.h"
#include "database/world/DatabaseVersion.h"
#include "database/country/CountryFile.h"
#include "database/world/WorldList.h"
#include "platform/Platform.h"

using testing_support::MessageCapture;

namespace {

using ShippedScriptsTest = database_testing::SampleWorldTest;

constexpr int ScriptIds[] = {14, 18, 21, 42, 45, 1021};

std::uint32_t Inconsistency(const CDBCompetitionBase& competition, int firstReserveTeamLevel)
{
    const auto& c = dynamic_cast<const CDBCompetition&>(competition);
    return c.CheckConsistency(0, firstReserveTeamLevel) | c.CheckConsistency(1, firstReserveTeamLevel);
}

}  // namespace

TEST_F(ShippedScriptsTest, LoadWithoutMessagesAndEveryCompetitionIsConsistent)
{
    MessageCapture messages;
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    EXPECT_TRUE(messages.Messages().empty()) << std::string(messages.Messages()[0].begin(), messages.Messages()[0].end());
    const TCompetitionRegistry& registry = world_->GetCompetitions();
    EXPECT_GE(registry.IdsOf(InternationalCountry, TypeChampionsLeague).size(), 20u);
    EXPECT_NE(registry.Get(MakeCompetitionId(InternationalCountry, TypeUic, 0)), nullptr);
    EXPECT_NE(registry.Get(MakeCompetitionId(InternationalCountry, TypePool, 0)), nullptr);
    for (const auto& [id, competition] : registry.All()) {
        const TCountry* country = world_->GetCountry(static_cast<int>(CountryOfId(id)));
        const int firstReserve = country != nullptr ? country->GetFirstReserveTeamLevel() : 0;
        EXPECT_EQ(Inconsistency(*competition, firstReserve), 0u) << std::hex << id;
    }
}

TEST_F(ShippedScriptsTest, ContinentalScriptsRestoreTheFileVersion)
{
    TDatabaseVersion::SetFileVersion(MakeDatabaseVersion(0x2007, 13));
    MessageCapture messages;
    GetCompetitionReader().loadWorldScripts(world_->GetCompetitions(), u"Script");
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(TDatabaseVersion::GetFileVersion(), MakeDatabaseVersion(0x2007, 13));
}

TEST_F(ShippedScriptsTest, EachLeagueScriptReadsConsistentLeaguesPoolsAndPlayOffs)
{
    for (const int script : ScriptIds) {
        TCompetitionRegistry registry;
        const std::uint32_t root = MakeCompetitionId(30, TypeRoot, 0);
        registry.Register(std::make_unique<CDBRoot>(root, 0, registry));
        std::vector<std::u16string> problems;
        TDatabaseVersion::SetFileVersion(0);
        MessageCapture messages;
        ASSERT_TRUE(LoadCompetitionFile(Format(u"Script\\Lg%d.txt", script), u"LG", root, registry, problems));
        EXPECT_TRUE(messages.Messages().empty() && problems.empty()) << script;
        EXPECT_GE(GetLeagueCount(registry, 30), 2) << script;
        for (const auto& [id, competition] : registry.All()) {
            EXPECT_EQ(CountryOfId(id), 30u) << "read into the owner's country";
            EXPECT_TRUE(TypeOfId(id) == TypeRoot || TypeOfId(id) == TypeLeague || TypeOfId(id) == TypeRelegation ||
                        TypeOfId(id) == TypePool) << std::hex << id;
            EXPECT_EQ(Inconsistency(*competition, 0), 0u) << script << " " << std::hex << id;
        }
    }
}

TEST_F(ShippedScriptsTest, ChoosingALeagueScriptTwiceChangesNothingTheSecondTime)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    TCountry& country = *world_->GetCountry(14);
    const std::uint32_t version = TDatabaseVersion::GetFileVersion();
    MessageCapture messages;
    country.SetLeagueSystem(14, {}, {});
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(TDatabaseVersion::GetFileVersion(), version) << "the version in force comes back";
    EXPECT_EQ(country.GetLeagueSystemId(), 14);
    ASSERT_EQ(country.GetLeagueLevels().size(), 2u);
    EXPECT_EQ(country.GetLeagueCount(), 2);
    EXPECT_EQ(std::u16string(country.GetLeagueLevelNameInLanguage(1, 1)), u"Second Division");
    EXPECT_EQ(world_->GetCompetitions().Get(country.GetLeagueId(0))->GetAssignedTeamCount(), 0);
    const std::u16string path = base_.DatabasePath(u"Country14.sav");
    const CDBCompetitionBase* first = world_->GetCompetitions().Get(country.GetLeagueId(0));
    const std::string once = database_testing::SaveCountry(country, path);
    country.SetLeagueSystem(14, {}, {});
    EXPECT_EQ(world_->GetCompetitions().Get(country.GetLeagueId(0)), first);
    EXPECT_EQ(database_testing::SaveCountry(country, path), once);
}

TEST_F(ShippedScriptsTest, AGenericSystemAfterAScriptBuildsItsLeagues)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    TCountry& country = *world_->GetCountry(45);
    country.SetLeagueSystem(45, {}, {});
    ASSERT_EQ(country.GetLeagueCount(), 2);
    TLevelBytes leagues{};
    TLevelBytes rules{};
    for (int level = 0; level < 16; ++level) leagues[static_cast<std::size_t>(level)] = static_cast<std::uint8_t>(GetLeagueSystemLeagues(13, level));
    country.SetLeagueSystem(0, leagues, rules);
    EXPECT_EQ(country.GetLeagueSystemId(), 0);
    EXPECT_EQ(country.GetLeagueCount(), 7);
    EXPECT_EQ(country.GetLeagueLevels().size(), 3u);
}

TEST_F(ShippedScriptsTest, EachSampleClubFindsItsLeague)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    for (int id : {14, 21, 45}) {
        TCountry& country = *world_->GetCountry(id);
        const CDBCompetitionBase* league = world_->GetCompetitions().Get(country.GetLeagueId(0));
        for (const auto& [team, club] : country.GetClubs()) {
            EXPECT_EQ(world_->GetLeagueOfClub(*club), IsNationalTeamId(team) ? nullptr : league) << std::hex << team;
        }
    }
}

TEST_F(ShippedScriptsTest, SeasonCalendarsShowTheContinentsInternationalDates)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    TCountry& europe = *world_->GetCountry(14);
    ASSERT_EQ(europe.GetContinent(), 0);
    TSeasonDayCodes days{};
    europe.GetSeasonCalendar(0, days);
    const struct {
        int day;
        std::uint32_t code;
    } season0[] = {{196, 1}, {143, 31}, {138, 32}, {175, 34}, {240, 30}, {250, 29}, {176, 0}, {1, 0}};
    for (const auto& row : season0) EXPECT_EQ(days[static_cast<std::size_t>(row.day)], row.code) << row.day;
    EXPECT_EQ(days, MergeContinentalDayCodes(0, 0));
    europe.GetSeasonCalendar(1, days);
    EXPECT_EQ(days[177], 29u) << "the nations' cup marks the second season only";
    EXPECT_EQ(days[287], 0u) << "the nations' qualifying marks nothing in the second season";
    TCountry& south = *world_->GetCountry(52);
    ASSERT_EQ(south.GetContinent(), 1);
    south.GetSeasonCalendar(0, days);
    EXPECT_EQ(days[40], 4u);
    EXPECT_EQ(days[196], 0u);
    world_->GetCountry(95)->GetSeasonCalendar(0, days);
    EXPECT_EQ(days, MergeContinentalDayCodes(1, 0)) << "North America follows South America's dates";
    world_->GetCountry(97)->GetSeasonCalendar(0, days);
    EXPECT_EQ(days, TSeasonDayCodes{}) << "no template for Africa";
}

TEST(SeasonCalendar, TheIndoorSeasonMarksEveryInternationalIndoorDay)
{
    TCountry country;
    country.SetId(7);
    country.SetContinentByte(5);
    TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    for (std::uint32_t index : {1u, 2u, 4u}) {
        auto indoor = std::make_unique<CDBLeague>(MakeCompetitionId(0, 22, index), 0, registry);
        indoor->SetCalendarEntry(1, static_cast<int>(100 + index), 1);
        registry.Register(std::move(indoor));
    }
    TSeasonDayCodes days{};
    country.GetSeasonCalendar(1, days);
    EXPECT_EQ(days[101] + days[102], 0u) << "only with the indoor season";
    country.SetIndoorSeason(true);
    country.GetSeasonCalendar(1, days);
    EXPECT_EQ(days[101] * 100 + days[102], 2626u);
    EXPECT_EQ(days[104], 0u) << "up to the first missing index";
    country.GetSeasonCalendar(0, days);
    EXPECT_EQ(days[101], 0u);
}

TEST(LevelNames, DefaultsAfterLoading)
{
    TCountry country;
    country.SetId(7);
    TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    const std::pair<int, const char16_t*> leagues[] = {{0, u"Top"}, {1, u"Liga Nord"}, {1, u"Liga Süd"}, {2, u"Third"},
                                                       {3, u"Fourth"}, {4, u"Fifth"}, {5, u"6 Kreis A"}, {5, u"6 Kreis B"}};
    std::uint32_t index = 0;
    for (const auto& [level, name] : leagues) {
        auto league = std::make_unique<CDBLeague>(country.GetLeagueId(static_cast<int>(index++)), 0, registry);
        league->SetLevel(static_cast<std::int8_t>(level));
        for (int language = 0; language < 6; ++language) league->SetName(language, name);
        registry.Register(std::move(league));
    }
    for (int level = 0; level < 16; ++level) {
        for (int language = 0; language < 6; ++language) country.SetLeagueLevelName(language, level, u"");
    }
    country.SetLeagueLevelName(0, 2, u"Dritte");
    country.SetLeagueLevelName(3, 2, u"Tercera");
    country.FillDefaultLevelNames();
    const auto name = [&](int language, int level) { return std::u16string(country.GetLeagueLevelNameInLanguage(language, level)); };
    EXPECT_EQ(name(5, 0), u"Top") << "a single league names its level";
    EXPECT_EQ(name(1, 1), std::u16string(CTextManager::Instance()->GetTextInLanguage(u"Database.Division.02"_tk, 0)));
    EXPECT_EQ(name(4, 2), u"Dritte") << "empty languages take language 0's name";
    EXPECT_EQ(name(3, 2), u"Tercera");
    EXPECT_EQ(name(2, 5), u"Kreis A") << "no default text below level 4";
    EXPECT_EQ(name(0, 6), u"");
}

TEST_F(ShippedScriptsTest, FilesBefore2006GetPoolsBetweenTheirLevels)
{
    const std::u16string folder = testing_support::BinaryPath(u"generated\\fixtures");
    if (!platform::FileExists(platform::JoinPath(folder, u"Country21_2005.sav"))) GTEST_SKIP() << "fixtures not generated";
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    const std::uint32_t pool = MakeCompetitionId(21, TypePool, 0);
    for (const auto& [name, pooled] : {std::pair{u"Country21_2005.sav", true}, std::pair{u"Country21_v1.sav", true},
                                       std::pair{u"Country21_2006.sav", false}}) {
        CIndexTextFile file;
        ASSERT_TRUE(file.OpenRead(platform::JoinPath(folder, name)));
        ASSERT_TRUE(ReadCountrySections(*world_->GetCountry(21), file));
        EXPECT_EQ(world_->GetCompetitions().Get(pool) != nullptr, pooled) << testing_support::Narrow(name);
    }
    const auto& league = dynamic_cast<const CDBCompetition&>(*world_->GetCompetitions().Get(MakeCompetitionId(21, TypeLeague, 0)));
    EXPECT_EQ(league.GetLevel(), 0);
}

TEST_F(ShippedScriptsTest, AnOldFileOfTwoLevelsGetsAPoolPerLevel)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    CIndexTextFile file;
    ASSERT_TRUE(file.OpenRead(testing_support::SourcePath(u"fuzz\\corpus\\country_file\\Country14-2004-leagues.sav")));
    MessageCapture messages;
    ASSERT_TRUE(ReadCountrySections(*world_->GetCountry(14), file));
    const TCompetitionRegistry& registry = world_->GetCompetitions();
    for (std::uint32_t level : {0u, 1u}) EXPECT_NE(registry.Get(MakeCompetitionId(14, TypePool, level)), nullptr) << level;
    EXPECT_EQ(registry.Get(MakeCompetitionId(14, TypePool, 2)), nullptr);
    const auto& top = dynamic_cast<const CDBPool&>(*registry.Get(MakeCompetitionId(14, TypePool, 0)));
    EXPECT_EQ(top.GetLevel(), 0);
    EXPECT_EQ(dynamic_cast<const CDBPool&>(*registry.Get(MakeCompetitionId(14, TypePool, 1))).GetCheckedCount(), 2);
}

TEST_F(ShippedScriptsTest, ALevelOfRegionalLeaguesIsNamedByTheirSharedWord)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    TCountry& country = *world_->GetCountry(21);
    country.SetLeagueSystem(1021, {}, {});
    ASSERT_EQ(country.GetLeagueLevels().size(), 2u);
    EXPECT_EQ(country.GetLeagueLevels()[1].count, 2);
    const auto name = [&](int language, int level) { return std::u16string(country.GetLeagueLevelNameInLanguage(language, level)); };
    EXPECT_EQ(name(0, 1), u"Regionalliga");
    EXPECT_EQ(name(3, 1), u"Tercera");
    EXPECT_EQ(name(5, 1), u"") << "the last language keeps its own";
    EXPECT_EQ(name(1, 0), u"First Division");
}
