#include "editors/country_club/model/competition/SeasonCalendarModel.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/editors/country_club/model/CountryModelFixture.h"
#include "competition/Cup.h"
#include "database/export/CountryExport.h"
#include "DatabaseTestSupport.h"
#include "tests/common/TestSupport.h"

using namespace country_model_testing;

namespace {

const TCalendarCheckTexts Texts{u"<Fixturelist>", u"<Matchdays>", u"<NotEnoughTeams>", u"<Reserves>", u"<Clash>"};

class SeasonCalendarModelTest : public ::testing::Test, public CountryFixture {
protected:
    // Levels 0, 1, 1 with one match day on day 10 in each season's league 0.
    void ThreeLeagues()
    {
        AddLeague(0, 0, u"Top");
        AddLeague(1, 1, u"North");
        AddLeague(2, 1, u"South");
    }
    int Entry(int league, int day) { return League(league)->GetMatchdayOnDay(0, day); }
};

struct SeasonRow {
    int season;
    int row;
    std::uint32_t dayNumber;
};

TEST(SeasonCalendarDates, GridsStartOnTheFirstSundayOfJuly)
{
    // Day numbers from Python's date.toordinal() + 1721425.
    const SeasonRow rows[] = {{0, 0, 2454283}, {1, 0, 2454654}, {0, 359, 2454642}, {1, 359, 2455013}};
    for (const SeasonRow& row : rows) {
        const TDate date = SeasonCalendarModel::GridStart(row.season) + row.row;
        EXPECT_EQ(date.GetDayNumber(), row.dayNumber) << row.season << "/" << row.row;
    }
    EXPECT_EQ(SeasonCalendarModel::GridStart(0).GetWeekday(), 6);
    EXPECT_EQ(SeasonCalendarModel::GridStart(1).GetWeekday(), 6);
    EXPECT_EQ(SeasonCalendarModel::SeasonText(1), u"2008/2009");
}

TEST_F(SeasonCalendarModelTest, ColumnsAreTheLeaguesInIndexOrderThenTheCompareColumn)
{
    AddLeague(0, 0, u"Top");
    AddLeague(3, 1, u"Fourth");
    SeasonCalendarModel model(country_);
    const auto& ids = model.GetColumnIds();
    ASSERT_EQ(ids.size(), 5u);
    EXPECT_EQ(ids[0], 0u);
    EXPECT_EQ(ids[1], 0u);
    EXPECT_EQ(ids[2], country_.GetLeagueId(0));
    EXPECT_EQ(ids[3], country_.GetLeagueId(3));
    EXPECT_EQ(ids[4], country_.GetLeagueId(0)) << "compares with itself first";
    EXPECT_EQ(model.GetLastLeagueColumn(), 3);
    EXPECT_EQ(model.GetCompareColumn(), 4);
}

TEST_F(SeasonCalendarModelTest, ACountryWithoutLeaguesHasThreeColumnsAndChecksClean)
{
    SeasonCalendarModel model(country_);
    EXPECT_EQ(model.GetColumnCount(), 3);
    EXPECT_EQ(model.GetLastLeagueColumn(), -1);
    EXPECT_FALSE(model.Click(5, 2));
    const TCalendarCheck check = model.CheckCalendar(Texts);
    EXPECT_FALSE(check.errorSeen);
    EXPECT_EQ(check.count, 0);
    EXPECT_EQ(check.body, u"");
}

TEST_F(SeasonCalendarModelTest, DayZeroTheInternationalAndTheCompareColumnChangeNothing)
{
    ThreeLeagues();
    SeasonCalendarModel model(country_);
    model.SetEditMode(TCalendarEditMode::AllLeagues);
    EXPECT_FALSE(model.Click(0, 2));
    EXPECT_FALSE(model.Click(5, 1));
    EXPECT_FALSE(model.Click(5, 0));
    EXPECT_FALSE(model.Click(5, model.GetCompareColumn()));
    EXPECT_FALSE(model.Click(360, 2));
    for (int league = 0; league < 3; ++league) {
        EXPECT_EQ(Entry(league, 0), 0);
        EXPECT_EQ(Entry(league, 5), 0);
    }
    EXPECT_EQ(model.CellText(5, 2), u"-");
    EXPECT_EQ(model.CellText(5, 1), u"");
}

TEST_F(SeasonCalendarModelTest, OneCompetitionModeAddsAndRemovesInTheClickedColumnOnly)
{
    ThreeLeagues();
    SeasonCalendarModel model(country_);
    EXPECT_TRUE(model.Click(20, 3));
    EXPECT_NE(Entry(1, 20), 0);
    EXPECT_EQ(Entry(0, 20), 0);
    EXPECT_EQ(Entry(2, 20), 0);
    EXPECT_EQ(model.CellText(20, 3), League(1)->GetMatchdayName(Entry(1, 20)));
    EXPECT_TRUE(model.Click(20, 3));
    EXPECT_EQ(Entry(1, 20), 0);
}

TEST_F(SeasonCalendarModelTest, AllLeaguesModeSkipsLeaguesWithAMatchNearby)
{
    ThreeLeagues();
    SeasonCalendarModel model(country_);
    ASSERT_TRUE(model.Click(29, 4));
    model.SetEditMode(TCalendarEditMode::AllLeagues);
    ASSERT_TRUE(model.Click(30, 2));
    EXPECT_NE(Entry(0, 30), 0);
    EXPECT_NE(Entry(1, 30), 0);
    EXPECT_EQ(Entry(2, 30), 0) << "South plays on the day before";
    EXPECT_NE(Entry(2, 29), 0);
    // A filled cell removes the day wherever it is.
    ASSERT_TRUE(model.Click(30, 3));
    for (int league = 0; league < 3; ++league) EXPECT_EQ(Entry(league, 30), 0) << league;
    EXPECT_NE(Entry(2, 29), 0);
}

TEST_F(SeasonCalendarModelTest, SameLevelModeActsOnTheClickedLevelOnly)
{
    ThreeLeagues();
    SeasonCalendarModel model(country_);
    model.SetEditMode(TCalendarEditMode::SameLevel);
    ASSERT_TRUE(model.Click(40, 3));
    EXPECT_EQ(Entry(0, 40), 0);
    EXPECT_NE(Entry(1, 40), 0);
    EXPECT_NE(Entry(2, 40), 0);
    ASSERT_TRUE(model.Click(50, 2));
    EXPECT_NE(Entry(0, 50), 0);
    EXPECT_EQ(Entry(1, 50), 0);
}

TEST_F(SeasonCalendarModelTest, TheSeasonPicksTheCalendarEdited)
{
    ThreeLeagues();
    SeasonCalendarModel model(country_);
    model.SetSeason(1);
    ASSERT_TRUE(model.Click(60, 2));
    EXPECT_NE(League(0)->GetMatchdayOnDay(1, 60), 0);
    EXPECT_EQ(League(0)->GetMatchdayOnDay(0, 60), 0);
    model.SetSeason(2);
    EXPECT_EQ(model.GetSeason(), 0);
}

TEST_F(SeasonCalendarModelTest, WithoutARootNothingIsEdited)
{
    TCountry other;
    other.SetId(7);
    auto league = std::make_unique<CDBLeague>(other.GetLeagueId(0), MakeCompetitionId(7, TypeRoot, 0), other.GetCompetitionRegistry());
    CDBLeague& added = *league;
    other.GetCompetitionRegistry().Register(std::move(league));
    SeasonCalendarModel model(other);
    ASSERT_EQ(model.GetColumnCount(), 4);
    EXPECT_FALSE(model.Click(10, 2));
    EXPECT_EQ(added.GetMatchdayOnDay(0, 10), 0);
}

// A league whose consistency bits the test sets per season.
class FixedBitsLeague : public CDBLeague {
public:
    FixedBitsLeague(std::uint32_t id, TCompetitionRegistry& registry, std::uint32_t season0, std::uint32_t season1)
        : CDBLeague(id, MakeCompetitionId(CountryFixture::Id, TypeRoot, 0), registry), bits_{season0, season1}
    {
    }
    std::uint32_t CheckConsistency(int season, int) const override { return bits_[season & 1]; }

private:
    std::uint32_t bits_[2];
};

struct CheckCase {
    std::uint32_t season0;
    std::uint32_t season1;
    const char16_t* body;
    int count;
    bool seen;
};

TEST_F(SeasonCalendarModelTest, TheCheckListsWhatEachSeasonCounts)
{
    const CheckCase cases[] = {
        {ErrorMatchdays | ErrorInternationalClash, 0, u"2007/2008\r\nLiga\r\n<Matchdays>\r\n<Clash>\r\n\r\n", 2, true},
        {ErrorFixturelist, 0, u"2007/2008\r\nLiga\r\n<Fixturelist>\r\n", 0, true},
        {0, ErrorNotEnoughTeams | ErrorReserveTeamsInLeague | ErrorFixturelist, u"", 0, false},
        {ErrorNotEnoughTeams | ErrorReserveTeamsInLeague, ErrorMatchdays,
         u"2007/2008\r\nLiga\r\n<NotEnoughTeams>\r\n<Reserves>\r\n\r\n2008/2009\r\nLiga\r\n<Matchdays>\r\n", 3, true},
        {0x1, 0x1, u"", 0, false},
    };
    for (const CheckCase& c : cases) {
        CountryFixture fresh;
        auto league = std::make_unique<FixedBitsLeague>(fresh.country_.GetLeagueId(0), fresh.Registry(), c.season0, c.season1);
        for (int language = 0; language < TCountry::LanguageCount; ++language) league->SetName(language, u"Liga");
        fresh.Registry().Register(std::move(league));
        SeasonCalendarModel model(fresh.country_);
        const TCalendarCheck check = model.CheckCalendar(Texts);
        EXPECT_EQ(check.body, c.body) << c.season0 << "/" << c.season1;
        EXPECT_EQ(check.count, c.count) << c.season0 << "/" << c.season1;
        EXPECT_EQ(check.errorSeen, c.seen) << c.season0 << "/" << c.season1;
    }
}

TEST_F(SeasonCalendarModelTest, TheCompareColumnIsNeverChecked)
{
    auto league = std::make_unique<FixedBitsLeague>(country_.GetLeagueId(0), Registry(), ErrorMatchdays, ErrorMatchdays);
    Registry().Register(std::move(league));
    SeasonCalendarModel model(country_);
    ASSERT_EQ(model.GetColumnIds().back(), country_.GetLeagueId(0));
    // Once per season for its league column, never for the compare column.
    EXPECT_EQ(model.CheckCalendar(Texts).count, 2);
}

// The shipped sample: every complete country's calendar passes the check
// that OK runs, so a new user is never shown errors in data the project
// ships.
class SampleCalendarTest : public database_testing::SampleWorldTest {};

TEST_F(SampleCalendarTest, EveryCompleteCountryPassesTheCheck)
{
    ASSERT_TRUE(world_->LoadWorld(u"Database"));
    std::vector<int> complete;
    for (int id = 1; id <= 206; ++id) {
        TCountry* country = world_->GetCountry(id);
        if (country == nullptr || !IsComplete(*country)) continue;
        complete.push_back(id);
        const TCalendarCheck check = SeasonCalendarModel(*country).CheckCalendar(Texts);
        EXPECT_FALSE(check.errorSeen) << "country " << id << ":\n" << testing_support::Narrow(check.body);
        EXPECT_EQ(check.count, 0) << "country " << id;
    }
    EXPECT_EQ(complete, (std::vector<int>{14, 21, 45}));
}

}  // namespace
