#include <gtest/gtest.h>

#include <ostream>

#include "tests/editors/country_club/model/CountryModelFixture.h"
#include "editors/country_club/model/competition/LeagueDataModel.h"

using namespace country_model_testing;

namespace {

constexpr int System3 = 3;  // 1-2

class LeagueDataModelTest : public testing::Test, protected CountryFixture {
protected:
    TLeagueDataContext Generic(int level = 0) { return {System3, level, false, 0}; }
    TLeagueDataContext Script(int level = 0) { return {-1, level, true, 0}; }
    int NumberIndex(int controlId)
    {
        for (int i = 0; i < LeagueNumberComboCount; ++i) {
            if (LeagueNumberCombos[static_cast<std::size_t>(i)].controlId == controlId) return i;
        }
        ADD_FAILURE() << controlId;
        return 0;
    }
    TLeagueLevelRules rules_{2, 3, 4, true};
};

TEST_F(LeagueDataModelTest, TwentyFourTeamsInThreeRoundsStoreTwoRounds)
{
    CDBLeague& league = AddLeague(0, 0, u"Premier", 18, 2);
    TLeagueDataView view = LoadLeagueData(league, rules_, Generic());
    view.size = 24;
    view.rounds = 3;
    StoreLeagueData(view, league, rules_, Generic());
    EXPECT_EQ(league.GetTeamCount(), 24);
    EXPECT_EQ(league.GetRounds(), 2);
}

TEST_F(LeagueDataModelTest, OneRoundShowsAndStoresTwoInAGenericCountry)
{
    CDBLeague& league = AddLeague(0, 0, u"Premier", 18, 1);
    const TLeagueDataView view = LoadLeagueData(league, rules_, Generic());
    EXPECT_EQ(view.rounds, 2);
    StoreLeagueData(view, league, rules_, Generic());
    EXPECT_EQ(league.GetRounds(), 2);
}

TEST_F(LeagueDataModelTest, ScriptLeaguesOfOneRoundAndThirtyTeamsPassThrough)
{
    CDBLeague& oneRound = AddLeague(0, 0, u"Premier", 18, 1);
    CDBLeague& wide = AddLeague(1, 1, u"Wide", 30, 2);
    wide.GetFixturelist().SetMatch(0, 0, 1, 2);
    const TLeagueLevelRules odd{7, 9, 5, false};
    for (CDBLeague* league : {&oneRound, &wide}) {
        const TLeagueDataView view = LoadLeagueData(*league, odd, Script());
        EXPECT_TRUE(view.fromScript);
        const TLeagueLevelRules out = StoreLeagueData(view, *league, odd, Script());
        EXPECT_EQ(out.relegation, 7);
        EXPECT_EQ(out.foreigner, 9);
        EXPECT_EQ(out.sort, 5);
        EXPECT_FALSE(out.reserves);
    }
    EXPECT_EQ(oneRound.GetRounds(), 1);
    EXPECT_EQ(wide.GetTeamCount(), 30);
    std::uint8_t home = 0, away = 0;
    wide.GetFixturelist().GetMatch(0, 0, home, away);
    EXPECT_EQ(home, 1) << "the fixtures stay";
    EXPECT_EQ(away, 2);
}

TEST_F(LeagueDataModelTest, MultipliersStoreRoundedPerCent)
{
    EXPECT_EQ(MultiplierByte(1.23), 123);
    EXPECT_EQ(MultiplierByte(0.1), 10);
    EXPECT_EQ(MultiplierByte(2.5), 250);
    EXPECT_EQ(MultiplierByte(9.0), 250);
    CDBLeague& league = AddLeague(0, 0, u"Premier");
    league.SetTransferMultiplier(255);
    TLeagueDataView view = LoadLeagueData(league, rules_, Generic());
    EXPECT_DOUBLE_EQ(view.transfer, 2.5);
    view.attendance = 1.23;
    StoreLeagueData(view, league, rules_, Generic());
    EXPECT_EQ(league.GetAttendanceMultiplier(), 123);
    EXPECT_EQ(league.GetTransferMultiplier(), 255) << "an unchanged shown value keeps the byte";
}

TEST_F(LeagueDataModelTest, DashesStoreFifteenAndThirty)
{
    CDBLeague& league = AddLeague(0, 0, u"Premier");
    TLeagueDataView view = LoadLeagueData(league, rules_, Generic());
    for (int id : {2027, 2028, 2029}) view.numbers[static_cast<std::size_t>(NumberIndex(id))] = 30;
    for (int id : {2023, 2024, 2025, 2026}) view.numbers[static_cast<std::size_t>(NumberIndex(id))] = 15;
    view.numbers[static_cast<std::size_t>(NumberIndex(2000))] = 15;
    StoreLeagueData(view, league, rules_, Generic());
    EXPECT_EQ(league.GetLeagueDataB(), 0x7BDEFFFFu);
    EXPECT_EQ(league.GetLeagueDataAField(0), 15);
}

struct NumberCase {
    int controlId;
    int value;
    std::uint32_t dataA;
    std::uint32_t dataB;
    int dayGroup;
};

void PrintTo(const NumberCase& c, std::ostream* out) { *out << "control " << c.controlId << " value " << c.value; }

class LeagueNumberMapping : public LeagueDataModelTest, public testing::WithParamInterface<NumberCase> {};

TEST_P(LeagueNumberMapping, EachComboWritesItsField)
{
    CDBLeague& league = AddLeague(0, 0, u"Premier");
    TLeagueDataView view = LoadLeagueData(league, rules_, Generic());
    view.numbers[static_cast<std::size_t>(NumberIndex(GetParam().controlId))] = GetParam().value;
    StoreLeagueData(view, league, rules_, Generic());
    EXPECT_EQ(league.GetLeagueDataA(), GetParam().dataA);
    EXPECT_EQ(league.GetLeagueDataB(), GetParam().dataB);
    EXPECT_EQ(league.GetDayGroup(), GetParam().dayGroup);
}

INSTANTIATE_TEST_SUITE_P(Controls, LeagueNumberMapping,
                         testing::Values(NumberCase{2030, 7, 0xFFFFFFFF, 0x0000FFFF, 7},
                                         NumberCase{2027, 5, 0xFFFFFFFF, 0x0005FFFF, 3},
                                         NumberCase{2028, 1, 0xFFFFFFFF, 0x0020FFFF, 3},
                                         NumberCase{2029, 1, 0xFFFFFFFF, 0x0400FFFF, 3},
                                         NumberCase{2000, 0, 0xFFFFFFF0, 0x0000FFFF, 3},
                                         NumberCase{2016, 0, 0xFFFFFF0F, 0x0000FFFF, 3},
                                         NumberCase{2022, 1, 0x1FFFFFFF, 0x0000FFFF, 3},
                                         NumberCase{2023, 2, 0xFFFFFFFF, 0x0000FFF2, 3},
                                         NumberCase{2026, 0, 0xFFFFFFFF, 0x00000FFF, 3}));

TEST_F(LeagueDataModelTest, UnlistedValuesShowNoSelectionAndStay)
{
    CDBLeague& league = AddLeague(0, 0, u"Premier", 30);
    league.SetLeagueDataBWideField(1, 31);
    league.SetDayGroup(9);
    const TLeagueLevelRules odd{3, 8, 5, false};
    TLeagueDataView view = LoadLeagueData(league, odd, Generic());
    EXPECT_EQ(view.size, -1);
    EXPECT_EQ(view.numbers[static_cast<std::size_t>(NumberIndex(2028))], -1);
    EXPECT_EQ(view.numbers[static_cast<std::size_t>(NumberIndex(2030))], -1);
    EXPECT_EQ(view.relegation, -1) << "system 3's top level does not admit rule 3";
    EXPECT_EQ(view.foreigner, -1);
    EXPECT_EQ(view.sort, -1);
    const TLeagueLevelRules out = StoreLeagueData(view, league, odd, Generic());
    EXPECT_EQ(league.GetTeamCount(), 30);
    EXPECT_EQ(league.GetLeagueDataBWideField(1), 31);
    EXPECT_EQ(league.GetDayGroup(), 9);
    EXPECT_EQ(out.relegation, 3);
    EXPECT_EQ(out.foreigner, 8);
    EXPECT_EQ(out.sort, 5);
}

TEST_F(LeagueDataModelTest, ChosenRulesAndFlagsAreTheOutput)
{
    CDBLeague& league = AddLeague(0, 0, u"Premier");
    TLeagueDataView view = LoadLeagueData(league, rules_, Generic());
    EXPECT_EQ(view.relegation, 2);
    EXPECT_EQ(view.sort, 4);
    view.relegation = 4;
    view.sort = 8;
    view.foreigner = 0;
    view.reserves = false;
    view.flags = {false, true, true};
    view.money = {100, 200, 300};
    view.maxNonEuSignings = 5;
    view.maxNonEuSigningAge = 25;
    const TLeagueLevelRules out = StoreLeagueData(view, league, rules_, Generic());
    EXPECT_EQ(out.relegation, 4);
    EXPECT_EQ(out.sort, 8);
    EXPECT_EQ(out.foreigner, 0);
    EXPECT_FALSE(out.reserves);
    EXPECT_EQ(league.GetLeagueFlags(), 6);
    EXPECT_EQ(league.GetSetting(3), 100);
    EXPECT_EQ(league.GetSetting(1), 200);
    EXPECT_EQ(league.GetSetting(2), 300);
    EXPECT_EQ(league.GetLeagueValue1(), 5);
    EXPECT_EQ(league.GetLeagueValue2(), 25);
}

TEST_F(LeagueDataModelTest, LongNamesAndOutOfRangeValuesSurviveAVisit)
{
    const std::u16string longName(40, u'x');
    CDBLeague& league = AddLeague(0, 0, longName.c_str());
    league.SetSetting(3, -5);
    league.SetSetting(1, 200000000);
    league.SetLeagueValue1(-3);
    league.SetLeagueValue2(50);
    league.SetLeagueFlags(0xF8);
    const TLeagueDataView view = LoadLeagueData(league, rules_, Generic());
    EXPECT_EQ(view.name.size(), 29u);
    StoreLeagueData(view, league, rules_, Generic());
    EXPECT_EQ(std::u16string(league.GetNameInLanguage(0)), longName);
    EXPECT_EQ(league.GetSetting(3), -5);
    EXPECT_EQ(league.GetSetting(1), 200000000);
    EXPECT_EQ(league.GetLeagueValue1(), -3);
    EXPECT_EQ(league.GetLeagueValue2(), 50);
    EXPECT_EQ(league.GetLeagueFlags(), 0xF8);
}

TEST_F(LeagueDataModelTest, FlagsChangeOnlyTheirThreeBits)
{
    CDBLeague& league = AddLeague(0, 0, u"Premier");
    league.SetLeagueFlags(0xF8);
    TLeagueDataView view = LoadLeagueData(league, rules_, Generic());
    view.flags[0] = true;
    StoreLeagueData(view, league, rules_, Generic());
    EXPECT_EQ(league.GetLeagueFlags(), 0xF9);
}

}  // namespace
