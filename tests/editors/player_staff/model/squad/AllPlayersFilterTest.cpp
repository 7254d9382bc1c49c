#include <gtest/gtest.h>

#include <memory>

#include "tests/editors/player_staff/model/ModelTestSupport.h"
#include "competition/League.h"
#include "database/country/Country.h"
#include "editors/player_staff/model/squad/AllPlayersFilter.h"

namespace {

using Filter = AllPlayersFilter;

class AllPlayersFilterTest : public model_testing::ModelWorldTest {
protected:
    TPerson* Player(TClub* club, const char16_t* name, std::uint8_t position, int teamPart = 0)
    {
        TPerson* person = NewPlayer(club, name);
        person->SetPosition(0, position);
        if (teamPart >= 1) person->SetReserveTeam();
        if (teamPart == 2) person->SetYouthPlayer(true);
        return person;
    }

    void AddLeague(TCountry* country, int index, std::int8_t level, std::vector<TTeamId> teams)
    {
        TCompetitionRegistry& registry = country->GetCompetitionRegistry();
        auto league = std::make_unique<CDBLeague>(country->GetLeagueId(index),
                                                  static_cast<std::uint32_t>(country->GetId()) << 24, registry);
        league->SetLevel(level);
        league->SetTeamsAndRounds(18, 2);
        for (TTeamId team : teams) ASSERT_TRUE(league->AddTeam(team));
        ASSERT_TRUE(registry.Register(std::move(league)));
    }

    std::vector<std::u16string> Listed(const Filter::TFilters& filters, const std::vector<TTeamId>& teams = {})
    {
        list_.Fill(*world_, filters, teams);
        return model_testing::Names(list_.Rows(), [this](const Filter::TRow& row) {
            return std::u16string(world_->GetPerson(row.personId)->GetLastName());
        });
    }

    Filter list_;
};

using Names = std::vector<std::u16string>;

TEST(AllPlayersFilterItems, GroupsPositionsAndTheGoalkeeperFilterInOrder)
{
    const std::vector<Filter::TItem> items = Filter::PositionFilterItems();
    ASSERT_EQ(items.size(), 22u);
    EXPECT_EQ(items[0].key, u"FilterAll");
    EXPECT_EQ(items[0].value, 0xFF000000u);
    for (std::uint32_t group = 2; group <= 4; ++group) EXPECT_EQ(items[group - 1].value, 0x1000000u | group);
    EXPECT_EQ(items[1].key, u"Player.TeamPart.2");
    for (std::uint32_t position = 1; position <= 17; ++position) {
        EXPECT_EQ(items[position + 3].value, 0x2000000u | position);
    }
    EXPECT_EQ(items[4].key, u"Player.Position.Goalkeeper");
    EXPECT_EQ(items[20].key, u"Player.Position.Striker");
    EXPECT_EQ(items[21].key, u"FilterNoGoalies");
    EXPECT_EQ(items[21].value, 0x4000000u);
    const std::vector<Filter::TItem> values = Filter::ValueItems();
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[3].key, u"Player.Age");
    EXPECT_EQ(values[3].value, 3u);
}

TEST_F(AllPlayersFilterTest, PositionFiltersByGroupPositionAndGoalkeeper)
{
    struct Case {
        std::uint8_t position;
        std::uint32_t filter;
        bool passes;
    };
    TPerson* person = NewPlayer(nullptr, u"Filtered");
    for (const Case& c : {Case{1, Filter::All, true}, Case{1, 0x4000000, false}, Case{1, 0x2000001, true},
                          Case{2, 0x1000002, true}, Case{2, 0x1000003, false}, Case{12, 0x1000003, true},
                          Case{15, 0x1000003, true}, Case{17, 0x1000004, true}, Case{17, 0x2000011, true},
                          Case{16, 0x2000011, false}, Case{0, 0x1000002, false}, Case{30, 0x2000001, false}}) {
        person->SetPosition(0, c.position);
        EXPECT_EQ(Filter::PassesPosition(*person, c.filter), c.passes) << int{c.position} << std::hex << " " << c.filter;
    }
    for (std::uint8_t position = 0; position <= 20; ++position) {
        person->SetPosition(0, position);
        EXPECT_EQ(Filter::PassesPosition(*person, Filter::NoGoalkeepers), position != 1) << int{position};
    }
}

TEST_F(AllPlayersFilterTest, EveryClubPlayerOfTheCountryButStaffAndNationalTeams)
{
    TClub* home = NewClub(3, u"Home");
    Player(home, u"Keeper", 1);
    Player(home, u"Back", 2, 1);
    Player(home, u"Kid", 9, 2);
    NewPlayer(home, u"Coach")->SetType(1);
    TCountry* country = world_->GetCountry(3);
    country->CreateNationalTeam();
    NewPlayer(country->GetNationalTeam(), u"Capped");
    Player(NewClub(120, u"Abroad"), u"Far", 4);
    EXPECT_EQ(Listed({Filter::All, 3, Filter::All, Filter::All}), (Names{u"Keeper", u"Back", u"Kid"}));
    EXPECT_EQ(Listed({Filter::All, 3, Filter::All, Filter::NoGoalkeepers}), (Names{u"Back", u"Kid"}));
    EXPECT_EQ(Listed({}), (Names{u"Keeper", u"Back", u"Kid", u"Far"}));
    const auto continent = static_cast<std::uint32_t>(world_->GetCountry(120)->GetContinent());
    const Names byContinent = Listed({continent, Filter::All, Filter::All, Filter::All});
    EXPECT_NE(std::find(byContinent.begin(), byContinent.end(), u"Far"), byContinent.end());
    EXPECT_EQ(std::find(byContinent.begin(), byContinent.end(), u"Keeper") != byContinent.end(),
              world_->GetCountry(3)->GetContinent() == world_->GetCountry(120)->GetContinent());
}

TEST_F(AllPlayersFilterTest, ALeagueLevelListsTheTeamThatPlaysThereAndNoYouth)
{
    TCountry* country = world_->GetCountry(3);
    TClub* top = NewClub(3, u"Top");
    TClub* second = NewClub(3, u"Second");
    TClub* low = NewClub(3, u"Low");
    AddLeague(country, 0, 0, {top->GetId(), second->GetId() | ReserveTeamBit});
    AddLeague(country, 1, 1, {low->GetId()});
    AddLeague(country, 2, 1, {second->GetId()});
    Player(top, u"TopFirst", 2);
    Player(top, u"TopReserve", 2, 1);
    Player(top, u"TopYouth", 2, 2);
    Player(second, u"SecondFirst", 3);
    Player(second, u"SecondReserve", 3, 1);
    Player(second, u"SecondYouth", 3, 2);
    Player(low, u"LowFirst", 4);
    struct Case {
        std::uint32_t choice;
        Names listed;
    };
    for (const Case& c : {Case{0x1000000, {u"TopFirst", u"SecondReserve"}},
                          Case{0x1000001, {u"SecondFirst", u"LowFirst"}},
                          Case{0x2000002, {u"SecondFirst"}}, Case{0x2000001, {u"LowFirst"}},
                          Case{0x1000005, {}}}) {
        const std::vector<TTeamId> teams = Filter::BuildLeagueTeams(*country, c.choice);
        EXPECT_EQ(Listed({Filter::All, 3, c.choice, Filter::All}, teams), c.listed) << std::hex << c.choice;
    }
    EXPECT_EQ(Filter::BuildLeagueTeams(*country, 0x1000000),
              (std::vector<TTeamId>{top->GetId(), second->GetId() | ReserveTeamBit}));
    EXPECT_TRUE(Filter::BuildLeagueTeams(*country, Filter::All).empty());
}

TEST_F(AllPlayersFilterTest, AReservePlayerReportsHisClubWithBit24)
{
    TClub* club = NewClub(3, u"Club");
    TPerson* first = Player(club, u"First", 2);
    TPerson* reserve = Player(club, u"Reserve", 2, 1);
    TPerson* elsewhere = Player(nullptr, u"Free", 2);
    Listed({Filter::All, 3, Filter::All, Filter::All});
    EXPECT_EQ(list_.ReportedClub(*first), club->GetId());
    EXPECT_EQ(list_.ReportedClub(*reserve), club->GetId() | ReserveTeamBit);
    EXPECT_EQ(list_.ClubOf(reserve->GetId()), club->GetId());
    EXPECT_EQ(list_.ReportedClub(*elsewhere), 0u);
}

TEST_F(AllPlayersFilterTest, TheClubTableFindsEveryListedPerson)
{
    TClub* a = NewClub(3, u"A");
    TClub* b = NewClub(3, u"B");
    FillSquad(a, 30);
    FillSquad(b, 25);
    Listed({Filter::All, 3, Filter::All, Filter::All});
    ASSERT_EQ(list_.Rows().size(), 55u);
    for (const Filter::TRow& row : list_.Rows()) EXPECT_EQ(list_.ClubOf(row.personId), row.clubId);
    EXPECT_EQ(list_.ClubOf(0), 0u);
}

TEST_F(AllPlayersFilterTest, AVanishedPlayerShowsNotAvailableThrice)
{
    TClub* club = NewClub(3, u"Club");
    TPerson* gone = Player(club, u"Gone", 2);
    const std::uint32_t id = gone->GetId();
    Listed({Filter::All, 3, Filter::All, Filter::All});
    club->RemovePlayer(gone);
    world_->DeletePerson(gone);
    const auto texts = Filter::RowTexts(*world_, id, Filter::Level, 0);
    for (const std::u16string& text : texts) EXPECT_EQ(text, u"(n/a)");
}

TEST_F(AllPlayersFilterTest, ValueColumnFollowsTheMode)
{
    TPerson* person = Player(NewClub(3, u"Club"), u"Valued", 2);
    person->SetAbility(5, 77);
    EXPECT_EQ(Filter::RowTexts(*world_, person->GetId(), Filter::Ability, 5)[2], u"77");
    EXPECT_EQ(Filter::RowTexts(*world_, person->GetId(), Filter::Level, 0)[2],
              model_testing::ModelWorldTest::Digits(person->GetLevel()));
    EXPECT_EQ(Filter::RowTexts(*world_, person->GetId(), Filter::Nationality, 0)[2],
              world_->GetCountry(person->GetNationality())->GetAbbreviation());
}

TEST_F(AllPlayersFilterTest, SortTypesCompareNamesPositionsAndValues)
{
    TPerson* a = Player(nullptr, u"Adler", 9);
    TPerson* b = Player(nullptr, u"Berg", 3);
    a->SetAbility(2, 40);
    b->SetAbility(2, 60);
    EXPECT_LT(Filter::Compare(*world_, 0, *a, *b, Filter::Level, 0), 0);
    EXPECT_GT(Filter::Compare(*world_, 1, *a, *b, Filter::Level, 0), 0);
    EXPECT_EQ(Filter::Compare(*world_, 2, *a, *b, Filter::Ability, 2), -20);
    EXPECT_EQ(Filter::Compare(*world_, 2, *a, *a, Filter::Nationality, 0), 0);
}

}  // namespace

namespace {

TEST_F(AllPlayersFilterTest, TheCountryComboListsCountriesWithClubsOfTheContinentByName)
{
    for (int id = 1; id <= Filter::LastCountry; ++id) {
        if (TCountry* country = world_->GetCountry(id)) country->SetContinentByte(1);
    }
    world_->GetCountry(3)->SetContinentByte(2);
    world_->GetCountry(5)->SetContinentByte(2);
    world_->GetCountry(7)->SetContinentByte(2);
    NewClub(3, u"Three");
    NewClub(5, u"Five");
    world_->GetCountry(5)->SetNameInLanguage(world_->GetDatabaseLanguage(), u"Aland");
    world_->GetCountry(3)->SetNameInLanguage(world_->GetDatabaseLanguage(), u"Zealand");
    const auto rows = Filter::CountryRows(*world_, 2);
    ASSERT_EQ(rows.size(), 2u) << "country 7 has no clubs";
    EXPECT_EQ(rows[0].value, 5u);
    EXPECT_EQ(rows[1].value, 3u);
    EXPECT_EQ(Filter::CountryRows(*world_, 1).size() + 2, Filter::CountryRows(*world_, Filter::All).size());
}

TEST_F(AllPlayersFilterTest, TheLeagueComboHasALevelRowAndALeagueRowWhereALevelHasSeveral)
{
    TCountry* country = world_->GetCountry(3);
    TClub* a = NewClub(3, u"A");
    TClub* b = NewClub(3, u"B");
    TClub* c = NewClub(3, u"C");
    AddLeague(country, 0, 0, {a->GetId()});
    AddLeague(country, 1, 1, {b->GetId()});
    AddLeague(country, 2, 1, {c->GetId()});
    const int language = world_->GetDatabaseLanguage();
    country->SetLeagueLevelName(language, 0, u"Top");
    country->SetLeagueLevelName(language, 1, u"Regional");
    const auto rows = Filter::LeagueRows(*country, language, u"(all)");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].text, u"Top (all)");
    EXPECT_EQ(rows[0].value, 0x1000000u);
    EXPECT_EQ(rows[1].text, u"Regional (all)");
    EXPECT_EQ(rows[1].value, 0x1000001u);
    EXPECT_TRUE(rows[2].text.starts_with(u"Regional - "));
    EXPECT_EQ(rows[2].value, 0x2000001u);
    EXPECT_EQ(rows[3].value, 0x2000002u);
    EXPECT_TRUE(Filter::LeagueRows(*world_->GetCountry(4), language, u"(all)").empty());
}

}  // namespace
