#include <gtest/gtest.h>

#include "competition/CountryCups.h"
#include "competition/CupAlloc.h"
#include "core/files/IndexTextFile.h"
#include "editors/country_club/model/country/CountryCupView.h"
#include "tests/editors/country_club/model/CountryModelFixture.h"

namespace {

using country_model_testing::CountryFixture;

constexpr int English = 1;

class CountryCupViewTest : public CountryFixture, public testing::Test {
protected:
    void SetUp() override
    {
        CreateCupCompetition(country_, TypeFaCup, 3, 0);
        country_.SetNationalCupType(3);
        CreateCupCompetition(country_, TypeSuperCup, 7, 0);
        country_.SetSuperCupType(7);
        for (int language = 0; language < TCountry::LanguageCount; ++language) {
            Cup(NationalCup)->SetName(language, u"Pokal");
            Cup(SuperCup)->SetName(language, u"Supercup");
        }
        SettingsBlock block{};
        for (std::size_t word = 0; word < 32; ++word) block[word] = 100 + static_cast<std::int32_t>(word);
        SetNationalCupSettings(country_, 3, block);
        country_.SetCardFlags(0x21);
        country_.SetYellowCardLeagueRule(9);  // no item of the combo
        country_.SetRedCardRule(1);
    }
    CDBCompetition* Cup(int cup)
    {
        const std::uint32_t type = cup == NationalCup ? TypeFaCup : cup == SuperCup ? TypeSuperCup : TypeLeagueCup;
        const auto index = static_cast<std::uint32_t>(cup == NationalCup || cup == SuperCup ? 0 : cup - 1);
        return dynamic_cast<CDBCompetition*>(Registry().Get(MakeCompetitionId(Id, type, index)));
    }
};

TEST_F(CountryCupViewTest, LoadsTypesNamesTablesAndRules)
{
    const TCountryCupView view = LoadCountryCups(country_, English);
    EXPECT_EQ(view.types, (std::array<int, CupPageCups>{3, 0, 0, 0, 0, 7}));
    EXPECT_EQ(view.names[NationalCup], u"Pokal");
    EXPECT_EQ(view.names[1], u"") << "a missing cup has no name";
    EXPECT_EQ(view.tables[NationalCup][15], 115u);
    EXPECT_EQ(view.tables[2][0], 0u);
    EXPECT_EQ(view.yellowLeagueRule, -1) << "a rule the combo does not list shows unselected";
    EXPECT_EQ(view.redCardRule, 1);
    EXPECT_EQ(view.cardFlags, 0x21);
}

TEST_F(CountryCupViewTest, StoringWhatWasShownChangesNothing)
{
    const TCountryCupView view = LoadCountryCups(country_, English);
    Cup(SuperCup)->SetDayGroup(6);
    StoreCountryCups(view, country_, English);
    EXPECT_EQ(Cup(SuperCup)->GetDayGroup(), 6) << "the cup was not made anew";
    EXPECT_EQ(country_.GetYellowCardLeagueRule(), 9);
    EXPECT_EQ(country_.GetCardFlags(), 0x21);
    EXPECT_EQ(LoadCountryCups(country_, English).tables, view.tables);
}

TEST_F(CountryCupViewTest, ATypeChangeRemakesTheCupWithItsTableAndName)
{
    TCountryCupView view = LoadCountryCups(country_, English);
    // A mark the new cup does not carry (the allocator may reuse the address).
    Cup(NationalCup)->SetDayGroup(6);
    view.types[NationalCup] = 4;
    StoreCountryCups(view, country_, English);
    ASSERT_NE(Cup(NationalCup), nullptr);
    EXPECT_NE(Cup(NationalCup)->GetDayGroup(), 6);
    EXPECT_EQ(country_.GetNationalCupType(), 4);
    const TCountryCupView stored = LoadCountryCups(country_, English);
    EXPECT_EQ(stored.names[NationalCup], u"Pokal");
    EXPECT_EQ(stored.tables[NationalCup][15], 115u);
}

TEST_F(CountryCupViewTest, NoCupDeletesAndATypeCreatesWithTheTypedName)
{
    TCountryCupView view = LoadCountryCups(country_, English);
    view.types[SuperCup] = 0;
    view.types[2] = 5;
    view.names[2] = u"Trophy";
    view.tables[2][CupTypeBonus * CupRounds + 7] = 5000;
    StoreCountryCups(view, country_, English);
    EXPECT_EQ(Cup(SuperCup), nullptr);
    EXPECT_EQ(country_.GetSuperCupType(), 0);
    ASSERT_NE(Cup(2), nullptr);
    EXPECT_EQ(country_.GetLeagueCupType(1), 5);
    const TCountryCupView stored = LoadCountryCups(country_, English);
    EXPECT_EQ(stored.names[2], u"Trophy");
    EXPECT_EQ(stored.tables[2][15], 5000u);
}

TEST_F(CountryCupViewTest, UnselectedCombosKeepTheStoredValues)
{
    TCountryCupView view = LoadCountryCups(country_, English);
    view.types[NationalCup] = -1;
    view.finalStadium = -1;
    view.redCardRule = -1;
    view.yellowCupRule = 2;
    view.cardFlags = WithFixedRedCardBan(view.cardFlags, true);
    view.banForAll[2] = true;
    view.yellowRedBans[4] = true;
    country_.SetCupFinalStadium(77);
    StoreCountryCups(view, country_, English);
    EXPECT_EQ(country_.GetNationalCupType(), 3);
    EXPECT_EQ(country_.GetCupFinalStadium(), 77);
    EXPECT_EQ(country_.GetRedCardRule(), 1);
    EXPECT_EQ(country_.GetYellowCardCupRule(), 2);
    EXPECT_EQ(country_.GetCardFlags(), 0x31);
    EXPECT_TRUE(country_.GetBanForAllCompetitions(2));
    EXPECT_TRUE(country_.GetYellowRedBanLeague(4));
}

TEST(CupRoundsKept, TheLastRoundsOfTheShapeOnly)
{
    // Entry 1 plays three rounds; entry 2 is missing.
    const char text[] = "3\r\n%INDEX%CUP1\r\nFA\r\nCup\r\n0\r\n3\r\n"
                        "{0, 3, 0, 8, 4, 0, ROUND_1, 0}\r\n{1, 0, 0, 4, 2, 0, ROUND_SEMIFINAL, 0}\r\n"
                        "{2, 0, 0, 2, 1, 0, ROUND_FINAL, 0}\r\n0\r\n%INDEXEND%CUP1\r\n";
    CIndexTextFile file;
    ASSERT_TRUE(file.OpenFromBytes(std::span(reinterpret_cast<const std::uint8_t*>(text), sizeof text - 1), u"CupAlloc.txt"));
    TCupAllocTable table;
    table.Read(file);
    ASSERT_NE(table.GetEntry(1), nullptr);
    ASSERT_EQ(table.GetEntry(1)->GetRoundCount(), 3);
    for (int round = 0; round < CupRounds; ++round) {
        EXPECT_EQ(IsCupRoundKept(table, 1, round), round >= 5) << round;
        EXPECT_FALSE(IsCupRoundKept(table, 2, round)) << "no shape keeps nothing";
        EXPECT_FALSE(IsCupRoundKept(table, 0, round));
    }
    EXPECT_FALSE(IsCupRoundKept(table, 1, 8));
    EXPECT_FALSE(IsCupRoundKept(table, 1, -1));
}

}  // namespace
