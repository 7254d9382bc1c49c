#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CompetitionTestSupport.h"
#include "competition/CompetitionId.h"
#include "competition/FixtureCreator.h"
#include "competition/FixtureTemplate.h"
#include "competition/League.h"
#include "competition/LeagueStructure.h"
#include "competition/Pool.h"
#include "database/country/Country.h"

namespace {

constexpr std::uint32_t Country = 5;

std::u16string SystemText(int system, std::size_t capacity = 64)
{
    std::vector<char16_t> buffer(capacity, u'#');
    GetLeagueSystemText(system, buffer.data(), capacity);
    return buffer.data();
}

std::string LevelsText(TCountry& country)
{
    std::string text;
    for (const TLeagueLevel& level : country.GetLeagueLevels()) {
        text += "[" + std::to_string(level.firstLeague) + "+" + std::to_string(level.count) + "]";
    }
    return text;
}

TLevelBytes Bytes(std::initializer_list<int> values)
{
    TLevelBytes bytes{};
    std::size_t i = 0;
    for (int v : values) bytes[i++] = static_cast<std::uint8_t>(v);
    return bytes;
}

// A country of its own registry with a root and one league per level.
class LeagueStructureTest : public testing::Test {
protected:
    void SetUp() override
    {
        country_.SetId(static_cast<std::int32_t>(Country));
        registry().Register(std::make_unique<CDBRoot>(MakeCompetitionId(Country, TypeRoot, 0), 0, registry()));
    }
    TCompetitionRegistry& registry() { return country_.GetCompetitionRegistry(); }
    CDBLeague* League(int index) { return dynamic_cast<CDBLeague*>(registry().Get(country_.GetLeagueId(index))); }
    CDBPool* Pool(int level)
    {
        return dynamic_cast<CDBPool*>(registry().Get(MakeCompetitionId(Country, TypePool, static_cast<std::uint32_t>(level))));
    }
    CDBLeague& AddLeague(int index, int level, const char16_t* name, int teams = 18)
    {
        auto league = std::make_unique<CDBLeague>(country_.GetLeagueId(index), MakeCompetitionId(Country, 0, 0), registry());
        league->SetLevel(static_cast<std::int8_t>(level));
        league->SetTeamsAndRounds(teams, 2);
        for (int language = 0; language < 6; ++language) league->SetName(language, name);
        for (int n = 1; n <= teams; ++n) league->AddTeam((Country << 16) | static_cast<std::uint32_t>(index * 20 + n));
        league->SetCalendarEntry(0, 10 + index, 1);
        CDBLeague& added = *league;
        registry().Register(std::move(league));
        return added;
    }
    void ThreeLevels()
    {
        AddLeague(0, 0, u"Premier");
        AddLeague(1, 1, u"Liga Nord", 16);
        AddLeague(2, 2, u"2 Division A", 20);
    }
    std::vector<TRuleEntry> Rules(const CDBCompetition& c) { return GetTeamRuleStore().GetList(c.GetRuleListIndex()); }

    TCountry country_;
};

TRuleEntry Rule(std::uint32_t command, std::uint32_t id, int x, int y)
{
    TRuleEntry entry;
    entry.command = command;
    entry.word1 = id;
    entry.argX = static_cast<std::uint8_t>(x);
    entry.argY = static_cast<std::uint8_t>(y);
    return entry;
}

}  // namespace

TEST(LeagueSystems, TextsAndLinkMasksOfTheTable)
{
    EXPECT_EQ(GetLeagueSystemCount(), 38);
    const struct {
        int system;
        const char16_t* text;
    } texts[] = {{13, u"1-2-4"}, {10, u"1-1-4-16"}, {1, u"1"}, {37, u"1-1-1-1-1-2"}, {0, u"-"}, {38, u"-"}, {-1, u"-"}};
    for (const auto& row : texts) EXPECT_EQ(SystemText(row.system), row.text) << row.system;
    EXPECT_EQ(SystemText(10, 5), u"1-1-") << "cut before the end of the buffer";
    const struct {
        int system, level, mask;
    } masks[] = {{13, 0, 21}, {13, 1, 21}, {13, 2, 63}, {13, 3, 0}, {10, 2, 17}, {11, 1, 33}, {8, 1, 9},
                 {21, 2, 9},  {35, 3, 9},  {15, 0, 17}, {6, 0, 63}, {0, 0, 0},   {24, 2, 33}, {13, 16, 0}};
    for (const auto& row : masks) {
        EXPECT_EQ(GetLeagueSystemLinkMask(row.system, row.level), row.mask) << row.system << "/" << row.level;
    }
    EXPECT_EQ(GetLeagueSystemLeagues(10, 3), 16);
    EXPECT_EQ(GetLeagueSystemLeagues(10, 4), 0);
}

TEST(FixtureTemplate, FillEqualsTheCreatorPlusOne)
{
    for (int teams = FixtureTemplateFirstCount; teams <= FixtureTemplateLastCount; ++teams) {
        ASSERT_EQ(GetFixtureTemplate(teams).size(), static_cast<std::size_t>(2 * (teams + teams % 2 - 1)));
        for (int rounds = 1; rounds <= 4; ++rounds) {
            CFixtureCreator creator;
            ASSERT_TRUE(creator.Create(teams, rounds));
            CDBFixturelist fixtures;
            fixtures.Allocate(teams / 2, MatchdayCountFormula(teams, rounds));
            FillFixturelistFromTemplate(fixtures, teams, rounds);
            for (int day = 0; day < fixtures.GetMatchdayCount(); ++day) {
                for (int slot = 0; slot < teams / 2; ++slot) {
                    std::uint8_t home = 0;
                    std::uint8_t away = 0;
                    fixtures.GetMatch(day, slot, home, away);
                    ASSERT_EQ(home, creator.GetHome(day, slot) + 1) << teams << "/" << rounds << " day " << day;
                    ASSERT_EQ(away, creator.GetAway(day, slot) + 1) << teams << "/" << rounds << " day " << day;
                }
            }
        }
    }
}

TEST(FixtureTemplate, OddCountsEndWithTheTeamWithoutAMatch)
{
    CFixtureCreator creator;
    creator.Create(9, 2);
    const auto& rows = GetFixtureTemplate(9);
    ASSERT_EQ(rows.size(), 18u);
    for (std::size_t day = 0; day < rows.size(); ++day) {
        ASSERT_EQ(rows[day].size(), 9u);
        const int home = creator.GetHome(static_cast<int>(day), 4);
        EXPECT_EQ(rows[day][8], (home >= 0 ? home : creator.GetAway(static_cast<int>(day), 4)) + 1);
    }
}

TEST(FixtureTemplate, OtherCountsAndNoRoundsLeaveTheTableAlone)
{
    for (const auto& [teams, rounds] : {std::pair{7, 2}, std::pair{25, 2}, std::pair{18, 0}, std::pair{18, -1}}) {
        CDBFixturelist fixtures;
        fixtures.Allocate(12, 48);
        fixtures.SetMatch(0, 0, 9, 9);
        FillFixturelistFromTemplate(fixtures, teams, rounds);
        std::uint8_t home = 0;
        std::uint8_t away = 0;
        fixtures.GetMatch(0, 0, home, away);
        EXPECT_EQ(home * 100 + away, 909) << teams << "/" << rounds;
        fixtures.GetMatch(1, 0, home, away);
        EXPECT_EQ(home + away, 0);
    }
}

TEST_F(LeagueStructureTest, System13OnOneLeaguePerLevelGivesSevenLeagues)
{
    ThreeLevels();
    League(1)->SetCalendarEntry(1, 200, 1);
    const TLevelBytes rules = Bytes({2, 3, 4});
    country_.SetLeagueSystem(0, Bytes({1, 2, 4}), rules);
    EXPECT_EQ(LevelsText(country_), "[0+1][1+2][3+4]");
    const int levels[] = {0, 1, 1, 2, 2, 2, 2};
    for (int index = 0; index < 7; ++index) {
        ASSERT_NE(League(index), nullptr) << index;
        EXPECT_EQ(League(index)->GetLevel(), levels[index]);
        EXPECT_EQ(League(index)->GetRelegationRule(), rules[static_cast<std::size_t>(levels[index])]);
        EXPECT_EQ(League(index)->GetAssignedTeamCount(), 0) << "the team lists are emptied";
    }
    EXPECT_EQ(League(7), nullptr);
    // The first league of a level is the old one, calendar included; the
    // others take its settings and a fixture table from the template.
    EXPECT_EQ(League(1)->GetTeamCount(), 16);
    EXPECT_EQ(League(1)->GetCalendarEntry(1, 200), 1);
    EXPECT_EQ(League(2)->GetTeamCount(), 16);
    EXPECT_EQ(std::u16string(League(2)->GetNameInLanguage(3)), u"Liga Nord");
    EXPECT_EQ(League(2)->GetCalendarEntry(1, 200), 0);
    std::uint8_t home = 0;
    std::uint8_t away = 0;
    League(2)->GetFixturelist().GetMatch(0, 0, home, away);
    EXPECT_EQ(home * 100 + away, GetFixtureTemplate(16)[0][0] * 100 + GetFixtureTemplate(16)[0][1]);
    EXPECT_EQ(League(6)->GetTeamCount(), 20);
    EXPECT_EQ(country_.GetLevelRelegationRule(2), 4);
    for (int level = 0; level < 3; ++level) EXPECT_NE(Pool(level), nullptr) << level;
    EXPECT_EQ(Pool(3), nullptr);
    // The level names are the shared parts of the first leagues' names.
    EXPECT_EQ(std::u16string(country_.GetLeagueLevelNameInLanguage(0, 0)), u"Premier");
    EXPECT_EQ(std::u16string(country_.GetLeagueLevelNameInLanguage(4, 1)), u"Liga");
    EXPECT_EQ(std::u16string(country_.GetLeagueLevelNameInLanguage(0, 2)), u"Division A");
}

TEST_F(LeagueStructureTest, TheSameGenericSystemChangesNothing)
{
    ThreeLevels();
    const CDBLeague* first = League(0);
    country_.SetLeagueSystem(-1, Bytes({1, 1, 1}), Bytes({3, 3, 3}));
    EXPECT_EQ(League(0), first);
    EXPECT_EQ(League(0)->GetAssignedTeamCount(), 18) << "nothing rebuilt, nothing emptied";
    EXPECT_EQ(Pool(0), nullptr);
}

TEST_F(LeagueStructureTest, PoolsJoinEachLevelToTheNext)
{
    AddLeague(0, 0, u"Top");
    AddLeague(1, 1, u"North");
    AddLeague(2, 1, u"South");
    country_.SetLevelRelegationRule(0, 2);
    country_.SetLevelRelegationRule(1, 3);
    country_.BuildLeaguePools();
    const std::uint32_t l0 = country_.GetLeagueId(0), l1 = country_.GetLeagueId(1), l2 = country_.GetLeagueId(2);
    EXPECT_EQ(Rules(*Pool(0)), (std::vector<TRuleEntry>{Rule(RuleGetTabXToY, l0, 1, 16), Rule(RuleGetTabXToY, l1, 1, 1),
                                                         Rule(RuleGetTabXToY, l2, 1, 1), Rule(RuleEnd, 0, 0, 0)}));
    EXPECT_EQ(Rules(*Pool(1)),
              (std::vector<TRuleEntry>{Rule(RuleGetTabXToY, l0, 17, 2), Rule(RuleGetTabXToY, l1, 2, 14),
                                       Rule(RuleGetTabXToY, l2, 2, 14), Rule(RuleGetTabSpare, 0, 0, 0),
                                       Rule(RuleEnd, 0, 0, 0)}));
    EXPECT_EQ(Rules(*League(2)), (std::vector<TRuleEntry>{Rule(RuleGetPool, Pool(1)->GetId(), 18, 18),
                                                          Rule(RuleGetTabSpare, 0, 0, 0), Rule(RuleEnd, 0, 0, 0)}));
    EXPECT_EQ(Pool(1)->GetCheckedCount(), 2);
    EXPECT_TRUE(Pool(1)->GetReserveTeams());
    const std::string text = competition_testing::WrittenText([&](CIndexTextFile& f) { return League(2)->Write(f, -1); });
    EXPECT_NE(text.find("\r\n2\r\nGET_POOL"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nGET_TAB_SPARE\r\n"), std::string::npos) << "written without arguments";
}

TEST_F(LeagueStructureTest, AFewerLevelSystemDropsTheDeeperLeagues)
{
    ThreeLevels();
    country_.SetLeagueSystem(0, Bytes({1, 3}), Bytes({1, 1}));
    EXPECT_EQ(LevelsText(country_), "[0+1][1+3]");
    EXPECT_EQ(League(4), nullptr);
    EXPECT_EQ(std::u16string(League(3)->GetNameInLanguage(0)), u"Liga Nord");
    EXPECT_EQ(Pool(2), nullptr);
}

TEST(LevelNames, SeveralLeaguesShareTheFirstNamesCommonPart)
{
    const struct {
        const char16_t* name;
        const char16_t* level;
    } rows[] = {{u"Liga Nord", u"Liga"}, {u"2 Division A", u"Division A"}, {u"2Bundesliga", u"2Bundesliga"},
                {u"3 ", u"3 "},          {u"Regionalliga", u"Regionalliga"}, {u"", u""}};
    for (const auto& row : rows) EXPECT_EQ(ShortenLevelName(row.name), row.level) << std::string(row.name, row.name + std::char_traits<char16_t>::length(row.name));
}

TEST(LeagueTeams, InsertSetAndClearKeepTheListBounded)
{
    TCompetitionRegistry registry;
    CDBLeague league(0x05010000, 0x05000000, registry);
    league.SetTeamsAndRounds(4, 2);
    const std::uint32_t a = 0x50001, b = 0x50002, c = 0x50003;
    EXPECT_TRUE(league.InsertTeam(-1, a));
    EXPECT_TRUE(league.InsertTeam(0, b));
    EXPECT_TRUE(league.InsertTeam(9, c)) << "a position past the count appends";
    EXPECT_FALSE(league.InsertTeam(0, 0x50000)) << "an empty id";
    EXPECT_TRUE(league.InsertTeam(1, a)) << "an entered team stays where it is";
    EXPECT_EQ(league.GetTeamIdAt(1), a);
    EXPECT_EQ(league.GetTeamIdAt(0), b);
    EXPECT_EQ(league.GetTeamIdAt(7), b) << "slot 0 out of range";
    league.SetTeamIdAt(3, 0x50009);
    EXPECT_EQ(league.GetAssignedTeamCount(), 4);
    EXPECT_FALSE(league.InsertTeam(0, 0x5000A)) << "full";
    league.SetTeamIdAt(4, 0x5000B);
    EXPECT_EQ(league.GetAssignedTeamCount(), 4) << "beyond the size";
    league.ClearTeams();
    EXPECT_EQ(league.GetAssignedTeamCount(), 0);
    league.GetFixturelist().SetMatch(1, 1, 3, 4);
    league.GetFixturelist().ClearMatchday(1);
    std::uint8_t home = 9;
    std::uint8_t away = 9;
    league.GetFixturelist().GetMatch(1, 1, home, away);
    EXPECT_EQ(home + away, 0);
}

TEST(LeagueChains, MatchesNearAreFoundAlongFirstFollowersAndCyclesEnd)
{
    TCompetitionRegistry registry;
    for (std::uint32_t index : {0u, 1u, 2u}) registry.Register(std::make_unique<CDBLeague>(0x05010000 | index, 0, registry));
    auto* first = dynamic_cast<CDBLeague*>(registry.Get(0x05010000));
    auto* second = dynamic_cast<CDBLeague*>(registry.Get(0x05010001));
    auto* third = dynamic_cast<CDBLeague*>(registry.Get(0x05010002));
    first->AddFollower(second->GetId(), false);
    second->AddFollower(third->GetId(), false);
    third->AddFollower(first->GetId(), false);
    third->SetCalendarEntry(0, 100, 1);
    for (const auto& [day, near] : {std::pair{99, true}, std::pair{101, true}, std::pair{102, false}, std::pair{0, false}}) {
        EXPECT_EQ(HasMatchNearInChain(first, 0, day), near) << day;
    }
    EXPECT_FALSE(HasMatchNearInChain(nullptr, 0, 100));
}

TEST_F(LeagueStructureTest, ALevelWithoutLeaguesEndsThePyramid)
{
    AddLeague(0, 0, u"Top");
    AddLeague(1, 2, u"Deep");
    EXPECT_EQ(LevelsText(country_), "[0+1]");
    country_.BuildLeaguePools();
    EXPECT_NE(Pool(0), nullptr);
    EXPECT_EQ(Pool(1), nullptr);
    EXPECT_EQ(Rules(*Pool(0)).back().command, RuleEnd);
}
