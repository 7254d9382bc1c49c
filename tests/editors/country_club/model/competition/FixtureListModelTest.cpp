#include "editors/country_club/model/competition/FixtureListModel.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/editors/country_club/model/CountryModelFixture.h"
#include "competition/FixtureCreator.h"
#include "core/text/Format.h"
#include "database/club/Club.h"

using namespace country_model_testing;

namespace {

const TFixtureErrorTexts Texts{u"Day _DAY incomplete", u"_MATCHDAY: _TEAM1-_TEAM2 as on _CLASHDAY"};

class FixtureListModelTest : public ::testing::Test, public CountryFixture {
protected:
    // A league of that size with clubs "T1".."Tn" entered (entered teams
    // fewer than the size when asked).
    CDBLeague& LeagueWithClubs(int index, int teams, int rounds, int entered = -1)
    {
        CDBLeague& league = AddLeague(index, index, u"League", teams, rounds);
        if (entered < 0) entered = teams;
        for (int n = 1; n <= entered; ++n) {
            auto club = std::make_unique<TClub>(0);
            club->SetNameForAllLanguages(Format(u"T%d", n).c_str());
            league.AddTeam(country_.AddClub(std::move(club)));
        }
        league.GetFixturelist().ClearAll();
        return league;
    }
    std::pair<int, int> Match(int day, int slot)
    {
        std::uint8_t home = 0;
        std::uint8_t away = 0;
        League(index_)->GetFixturelist().GetMatch(day, slot, home, away);
        return {home, away};
    }
    void Select(int index)
    {
        index_ = index;
        model_.SelectLeague(country_.GetLeagueId(index));
    }
    void Set(int day, int slot, int home, int away)
    {
        League(index_)->GetFixturelist().SetMatch(day, slot, static_cast<std::uint8_t>(home), static_cast<std::uint8_t>(away));
    }
    // Every day as the fixture creator makes it: no pair repeats.
    void FillWithoutClash(int teams)
    {
        CFixtureCreator creator;
        ASSERT_TRUE(creator.Create(teams, League(index_)->GetRounds()));
        for (int day = 0; day < League(index_)->GetFixturelist().GetMatchdayCount(); ++day) {
            for (int slot = 0; slot < teams / 2; ++slot) {
                Set(day, slot, creator.GetHome(day, slot) + 1, creator.GetAway(day, slot) + 1);
            }
        }
    }
    std::vector<std::u16string> Messages()
    {
        std::vector<std::u16string> texts;
        for (const TFixtureError& error : model_.Check()) texts.push_back(model_.ErrorText(error, Texts));
        return texts;
    }

    FixtureListModel model_{country_};
    int index_ = 0;
};

TEST_F(FixtureListModelTest, PlacingFillsTheFirstOpenSideAndAHomeClickFreesIt)
{
    LeagueWithClubs(0, 6, 2);
    Select(0);
    ASSERT_EQ(model_.GetFreeTeams().size(), 6u);
    model_.PlaceTeam(2);
    model_.PlaceTeam(4);
    model_.PlaceTeam(0);
    EXPECT_EQ(Match(0, 0), std::make_pair(3, 5));
    EXPECT_EQ(Match(0, 1), std::make_pair(1, 0));
    const auto cells = model_.GetCells();
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].home, u"T3");
    EXPECT_EQ(cells[0].away, u"T5");
    EXPECT_EQ(cells[1].away, u"");
    auto free = model_.GetFreeTeams();
    ASSERT_EQ(free.size(), 3u);
    EXPECT_EQ(free[0].name, u"T2");
    EXPECT_EQ(free[0].position, 1);
    EXPECT_EQ(free[2].position, 5);

    model_.FreeSide(0, FixtureHomeColumn);
    EXPECT_EQ(Match(0, 0), std::make_pair(0, 5));
    free = model_.GetFreeTeams();
    ASSERT_EQ(free.size(), 4u);
    EXPECT_EQ(free[1].name, u"T3");
    model_.FreeSide(0, FixtureVersusColumn);
    EXPECT_EQ(Match(0, 0), std::make_pair(0, 5));
    // The freed home side is the first open one again.
    model_.PlaceTeam(1);
    EXPECT_EQ(Match(0, 0), std::make_pair(2, 5));
}

TEST_F(FixtureListModelTest, AFullDayOrABadPositionPlacesNothing)
{
    LeagueWithClubs(0, 4, 2);
    Select(0);
    for (int position : {0, 1, 2, 3, 0, 4, -1}) model_.PlaceTeam(position);
    EXPECT_EQ(Match(0, 0), std::make_pair(1, 2));
    EXPECT_EQ(Match(0, 1), std::make_pair(3, 4));
    EXPECT_TRUE(model_.GetFreeTeams().empty());
}

TEST_F(FixtureListModelTest, PositionsBeyondTheEnteredTeamsShowEmptyAndStayFree)
{
    LeagueWithClubs(0, 6, 2, 4);
    Set(0, 0, 5, 2);
    Set(0, 1, 200, 0);
    Select(0);
    const auto cells = model_.GetCells();
    EXPECT_EQ(cells[0].home, u"");
    EXPECT_EQ(cells[0].away, u"T2");
    EXPECT_EQ(cells[1].home, u"");
    const auto free = model_.GetFreeTeams();
    ASSERT_EQ(free.size(), 3u);
    EXPECT_EQ(free[0].name, u"T1");
    EXPECT_EQ(free[1].name, u"T3");
}

TEST_F(FixtureListModelTest, ARepeatedPairIsOneClashNamingBothDays)
{
    LeagueWithClubs(0, 4, 2);
    FillWithoutClash(4);
    Select(0);
    EXPECT_TRUE(model_.Check().empty());
    const auto first = Match(1, 0);
    Set(4, 1, first.first, first.second);
    Select(0);
    const auto errors = model_.Check();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].kind, TFixtureError::Kind::Clash);
    EXPECT_EQ(errors[0].day, 4);
    EXPECT_EQ(errors[0].clashDay, 1);
    EXPECT_EQ(model_.ErrorText(errors[0], Texts),
              Format(u"5: T%d-T%d as on 2", first.first, first.second));
}

TEST_F(FixtureListModelTest, SwappedSidesAreAnotherPairAndFourRoundsAllowTwo)
{
    LeagueWithClubs(0, 4, 4);
    Select(0);
    ASSERT_EQ(model_.GetMatchdayCount(), 12);
    const int pairs[][2] = {{1, 2}, {2, 1}, {1, 2}, {1, 2}};
    for (int day = 0; day < 4; ++day) Set(day, 0, pairs[day][0], pairs[day][1]);
    for (int day = 0; day < 12; ++day) Set(day, 1, 3 + day % 2, 4 - day % 2);
    for (int day = 4; day < 12; ++day) Set(day, 0, 1, 3 + day);
    const auto errors = model_.Check();
    // Only 1-2 comes a third time; days 4..11 name positions 7..14 of a
    // 4-team league and are incomplete.
    ASSERT_EQ(errors.size(), 1u + 8u);
    EXPECT_EQ(errors[0].kind, TFixtureError::Kind::Clash);
    EXPECT_EQ(errors[0].day, 3);
    EXPECT_EQ(errors[0].clashDay, 0);
    for (int day = 4; day < 12; ++day) {
        EXPECT_EQ(errors[day - 3].kind, TFixtureError::Kind::IncompleteDay);
        EXPECT_EQ(errors[day - 3].day, day);
    }
}

TEST_F(FixtureListModelTest, EachIncompleteDayIsOneMessage)
{
    LeagueWithClubs(0, 6, 2);
    FillWithoutClash(6);
    Set(2, 0, 0, 0);
    Set(2, 2, 3, 0);
    Set(7, 1, 7, 1);
    Select(0);
    EXPECT_EQ(Messages(), (std::vector<std::u16string>{u"Day 3 incomplete", u"Day 8 incomplete"}));
}

TEST_F(FixtureListModelTest, ClashNamesAPositionBeyondTheEnteredTeamsByItsNumber)
{
    LeagueWithClubs(0, 6, 2, 3);
    Set(0, 0, 5, 1);
    Set(0, 1, 2, 3);
    Set(0, 2, 4, 6);
    Set(1, 0, 5, 1);
    Set(1, 1, 2, 3);
    Set(1, 2, 6, 4);
    Select(0);
    // The eight days left empty are incomplete.
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 2u + 8u);
    EXPECT_EQ(messages[2], u"Day 3 incomplete");
    EXPECT_EQ(messages[0], u"2: 5-T1 as on 1");
    EXPECT_EQ(messages[1], u"2: T2-T3 as on 1");
}

TEST_F(FixtureListModelTest, SecondLegCopiesTheFirstHalfSwappedAndLeavesAnOddLastDay)
{
    LeagueWithClubs(0, 6, 1);
    Select(0);
    ASSERT_EQ(model_.GetMatchdayCount(), 5);
    FillWithoutClash(6);
    Set(4, 0, 6, 5);
    const auto before = std::make_pair(Match(0, 1), Match(1, 2));
    model_.SecondLegLikeFirst();
    for (int day = 0; day < 2; ++day) {
        for (int slot = 0; slot < 3; ++slot) {
            const auto first = Match(day, slot);
            EXPECT_EQ(Match(day + 2, slot), std::make_pair(first.second, first.first)) << day << "/" << slot;
        }
    }
    EXPECT_EQ(Match(0, 1), before.first);
    EXPECT_EQ(Match(1, 2), before.second);
    EXPECT_EQ(Match(4, 0), std::make_pair(6, 5));
}

TEST_F(FixtureListModelTest, ClearingEmptiesTheDayOrTheTable)
{
    LeagueWithClubs(0, 6, 2);
    FillWithoutClash(6);
    Select(0);
    model_.SetMatchday(3);
    model_.ClearMatchday();
    EXPECT_EQ(Match(3, 2), std::make_pair(0, 0));
    EXPECT_NE(Match(2, 2), std::make_pair(0, 0));
    EXPECT_EQ(model_.GetFreeTeams().size(), 6u);
    model_.ClearAll();
    for (int day = 0; day < model_.GetMatchdayCount(); ++day) EXPECT_EQ(Match(day, 0), std::make_pair(0, 0));
}

TEST_F(FixtureListModelTest, TemplateFillEqualsTheCreatorPlusOneForItsSizes)
{
    int index = 0;
    for (int teams : {8, 9, 13, 24}) {
        for (int rounds : {1, 2}) {
            LeagueWithClubs(index, teams, rounds);
            Select(index++);
            ASSERT_TRUE(model_.CanFillFromTemplate()) << teams;
            model_.FillFromTemplate();
            CFixtureCreator creator;
            ASSERT_TRUE(creator.Create(teams, rounds));
            for (int day = 0; day < model_.GetMatchdayCount(); ++day) {
                for (int slot = 0; slot < teams / 2; ++slot) {
                    ASSERT_EQ(Match(day, slot), std::make_pair(creator.GetHome(day, slot) + 1, creator.GetAway(day, slot) + 1))
                        << teams << "/" << rounds << " day " << day;
                }
            }
            EXPECT_TRUE(model_.Check().empty()) << teams << "/" << rounds;
        }
    }
}

TEST_F(FixtureListModelTest, TemplateFillIsRefusedOutsideItsSizes)
{
    int index = 0;
    for (int teams : {7, 25}) {
        LeagueWithClubs(index, teams, 2);
        Select(index++);
        Set(0, 0, 9, 9);
        EXPECT_FALSE(model_.CanFillFromTemplate()) << teams;
        model_.FillFromTemplate();
        EXPECT_EQ(Match(0, 0), std::make_pair(9, 9)) << teams;
        EXPECT_EQ(Match(1, 0), std::make_pair(0, 0)) << teams;
    }
}

TEST_F(FixtureListModelTest, TheMatchDayIsClampedToTheNewLeague)
{
    LeagueWithClubs(0, 18, 2);
    LeagueWithClubs(1, 8, 2);
    Select(0);
    model_.SetMatchday(30);
    EXPECT_EQ(model_.GetMatchday(), 30);
    Select(1);
    EXPECT_EQ(model_.GetMatchdayCount(), 14);
    EXPECT_EQ(model_.GetMatchday(), 13);
    model_.SetMatchday(-5);
    EXPECT_EQ(model_.GetMatchday(), 0);
}

TEST_F(FixtureListModelTest, AnIdThatDoesNotResolveSelectsNothing)
{
    LeagueWithClubs(0, 6, 2);
    Select(0);
    model_.SetMatchday(4);
    model_.SelectLeague(country_.GetLeagueId(9));
    EXPECT_FALSE(model_.HasLeague());
    EXPECT_EQ(model_.GetMatchday(), 0);
    EXPECT_TRUE(model_.GetCells().empty());
    EXPECT_TRUE(model_.GetFreeTeams().empty());
    EXPECT_TRUE(model_.Check().empty());
    EXPECT_FALSE(model_.CanFillFromTemplate());
    model_.PlaceTeam(0);
    model_.FreeSide(0, FixtureHomeColumn);
    model_.ClearMatchday();
    model_.ClearAll();
    model_.SecondLegLikeFirst();
    model_.FillFromTemplate();
}

TEST_F(FixtureListModelTest, ACountryWithoutLeaguesListsNothing)
{
    EXPECT_TRUE(model_.GetLeagueIds().empty());
    EXPECT_TRUE(model_.Check().empty());
}

TEST_F(FixtureListModelTest, LeaguesAreListedInIndexOrderWithTheirNames)
{
    LeagueWithClubs(0, 6, 2);
    AddLeague(1, 1, u"Second");
    const auto ids = model_.GetLeagueIds();
    ASSERT_EQ(ids.size(), 2u);
    EXPECT_EQ(ids[1], country_.GetLeagueId(1));
    EXPECT_EQ(model_.GetLeagueName(ids[1]), u"Second");
}

}  // namespace
