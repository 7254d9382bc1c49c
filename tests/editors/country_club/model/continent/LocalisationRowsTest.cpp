#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/database/DatabaseTestSupport.h"
#include "competition/Competition.h"
#include "competition/CompetitionId.h"
#include "competition/CountryCups.h"
#include "competition/LeagueStructure.h"
#include "core/text/TextManager.h"
#include "database/country/RulesAndMisc.h"
#include "editors/country_club/model/continent/LocalisationRows.h"

namespace {

std::vector<std::u16string> Keys(const std::vector<LocalisationRow>& rows)
{
    std::vector<std::u16string> keys;
    for (const LocalisationRow& row : rows) keys.emplace_back(row.key);
    return keys;
}

TEST(LocalisationWorldRows, EveryShownCupTitleRoundTrips)
{
    TRulesAndMisc rules;
    for (int continent = 0; continent < 6; ++continent) {
        for (int cup = 0; cup < 3; ++cup) {
            for (int language = 0; language < 6; ++language) {
                rules.SetCupTitle(continent, cup, language, (u"T" + std::u16string(1, char16_t(u'0' + continent)) +
                                                             char16_t(u'0' + cup) + char16_t(u'0' + language)).c_str());
            }
        }
    }
    std::vector<LocalisationRow> rows = LocalisationRows::WorldRows(rules);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(std::u16string(rows[2].key), u"Dialog.Continent.Europe.UICTitle");
    EXPECT_EQ(rows[2].texts[4], u"T024");
    EXPECT_EQ(std::u16string(rows[9].key), u"Dialog.Continent.Oceania.ChampionsCupTitle");
    EXPECT_EQ(rows[9].texts[5], u"T505");
    rows[3].texts[1] = std::u16string(40, u'x');
    rows[8].texts[0] = u"Asian Trophy";
    LocalisationRows::StoreWorldRows(rules, rows);
    EXPECT_EQ(std::u16string(rules.GetCupTitle(1, 0, 1)), std::u16string(29, u'x'));
    EXPECT_EQ(std::u16string(rules.GetCupTitle(4, 1, 0)), u"Asian Trophy");
    EXPECT_EQ(std::u16string(rules.GetCupTitle(1, 2, 3)), u"T123") << "not a row: untouched";
}

// German names the second cup of each continent that has one in the
// genitive its article asks for.
TEST(LocalisationWorldRows, TheSecondCupsLabelsReadAsGermanSaysThem)
{
    TRulesAndMisc rules;
    CTextManager::Instance()->SetLanguage(CTextManager::German);
    std::vector<std::u16string> labels;
    for (const LocalisationRow& row : LocalisationRows::WorldRows(rules)) {
        if (!std::u16string_view(row.key).ends_with(u"TrophyTitle")) continue;
        labels.emplace_back(CTextManager::Instance()->GetText(row.key));
    }
    CTextManager::Instance()->SetLanguage(CTextManager::English);
    EXPECT_EQ(labels, std::vector<std::u16string>(3, u"Name des zweiten Pokals"));
}

class LocalisationRowsTest : public database_testing::CurrentWorldTest {
protected:
    TCountry& Country() { return *world_->GetCountry(5); }

    void BuildCompetitions()
    {
        TLevelBytes leagues{};
        leagues[0] = 1;
        leagues[1] = 2;
        leagues[2] = 4;
        TLevelBytes rules{};
        ResetCompetitions(Country(), false);
        RebuildLeagues(Country(), leagues, rules);
        CreateCupCompetition(Country(), TypeSuperCup, 1, 0);
        CreateCupCompetition(Country(), TypeLeagueCup, 1, 0);
        CreateCupCompetition(Country(), TypeLeagueCup, 1, 1);
        CreateCupCompetition(Country(), TypeRelegation, 1, 0);
        CreateCupCompetition(Country(), TypeRelegation, 1, 1);
        const int language = world_->GetDatabaseLanguage();
        Country().SetLeagueLevelName(language, 0, u"Top");
        Country().SetLeagueLevelName(language, 1, u"");
        Country().SetLeagueLevelName(language, 2, u"Third");
        for (int level = 3; level < 16; ++level) Country().SetLeagueLevelName(language, level, u"");
    }
};

TEST_F(LocalisationRowsTest, CountryRowsFollowTheCompetitionsThatExist)
{
    BuildCompetitions();
    const std::vector<LocalisationRow> rows = LocalisationRows::CountryRows(Country(), world_->GetDatabaseLanguage());
    std::vector<std::u16string> expected = {u"Competition.FACup", u"Competition.SuperCup", u"Competition.LeagueCup",
                                            u"Competition.LeagueCup", u"Competition.LeagueLevel", u"Competition.LeagueLevel"};
    for (int league = 0; league < 7; ++league) expected.push_back(u"Competition.League");
    expected.push_back(u"Competition.Relegation");
    expected.push_back(u"Competition.Relegation");
    EXPECT_EQ(Keys(rows), expected);
}

TEST_F(LocalisationRowsTest, ACountryWithoutCupsShowsNoCupRows)
{
    ClearCompetitions(Country());
    for (int level = 0; level < 16; ++level) Country().SetLeagueLevelName(world_->GetDatabaseLanguage(), level, u"");
    EXPECT_TRUE(LocalisationRows::CountryRows(Country(), world_->GetDatabaseLanguage()).empty());
}

TEST_F(LocalisationRowsTest, CountryRowsAreWrittenBack)
{
    BuildCompetitions();
    std::vector<LocalisationRow> rows = LocalisationRows::CountryRows(Country(), world_->GetDatabaseLanguage());
    for (LocalisationRow& row : rows) {
        for (int language = 0; language < 6; ++language) row.texts[language] = u"N" + std::u16string(1, char16_t(u'0' + language));
    }
    rows[4].texts[3] = u"Oberste Stufe";
    LocalisationRows::StoreCountryRows(Country(), rows);
    const std::vector<LocalisationRow> again = LocalisationRows::CountryRows(Country(), world_->GetDatabaseLanguage());
    ASSERT_EQ(again.size(), rows.size());
    for (std::size_t index = 0; index < rows.size(); ++index) EXPECT_EQ(again[index].texts, rows[index].texts) << index;
    EXPECT_EQ(std::u16string(Country().GetLeagueLevelNameInLanguage(3, 0)), u"Oberste Stufe");
}

TEST_F(LocalisationRowsTest, CompetitionNamesLongerThanTheEditorTakesAreWrittenBackWhole)
{
    BuildCompetitions();
    const std::uint32_t cup = MakeCompetitionId(static_cast<std::uint32_t>(Country().GetId()), TypeFaCup, 0);
    auto* competition = dynamic_cast<CDBCompetition*>(Country().GetCompetitionRegistry().Get(cup));
    ASSERT_NE(competition, nullptr);
    for (const std::size_t length : {29u, 30u, 40u, 64u}) {
        for (int language = 0; language < 6; ++language) {
            competition->SetName(language, std::u16string(length, char16_t(u'a' + language)).c_str());
        }
        // The record keeps 63 characters and its terminator.
        const std::size_t kept = std::min<std::size_t>(length, CDBCompetition::NameCapacity - 1);
        const std::vector<LocalisationRow> rows = LocalisationRows::CountryRows(Country(), world_->GetDatabaseLanguage());
        ASSERT_EQ(rows[0].texts[2], std::u16string(kept, u'c')) << length;
        LocalisationRows::StoreCountryRows(Country(), rows);
        for (int language = 0; language < 6; ++language) {
            EXPECT_EQ(std::u16string(competition->GetNameInLanguage(language)), std::u16string(kept, char16_t(u'a' + language)))
                << length << " " << language;
        }
    }
}

TEST_F(LocalisationRowsTest, AShortNameTypedInOneLanguageFillsTheEmptyOnes)
{
    TClub* club = Country().GetClubByUniqueId(Country().CreateClub(u"Sportverein"));
    ASSERT_NE(club, nullptr);
    std::vector<LocalisationRow> rows = LocalisationRows::ClubRows(*club);
    ASSERT_EQ(Keys(rows), (std::vector<std::u16string>{u"Club.Name", u"Club.ShortName", u"Club.Abbreviation", u"Club.Town", u"Club.Stadium"}));
    for (int language = 0; language < 6; ++language) {
        rows[1].texts[language].clear();
        rows[2].texts[language].clear();
        rows[3].texts[language].clear();
    }
    rows[1].texts[2] = u"SV Kurzname";
    rows[2].texts[4] = u"SVKN";
    rows[3].texts[1] = u"Town";
    rows[0].texts[5] = std::u16string(35, u'n');
    LocalisationRows::StoreClubRows(*club, rows);
    for (int language = 0; language < 6; ++language) {
        EXPECT_EQ(std::u16string(club->GetShortNameForLanguage(language)), u"SV Kurznam") << language;
        EXPECT_EQ(std::u16string(club->GetAbbreviationForLanguage(language)), u"SVKN") << language;
    }
    EXPECT_EQ(std::u16string(club->GetTownForLanguage(1)), u"Town");
    EXPECT_EQ(std::u16string(club->GetTownForLanguage(2)), u"") << "a town fills nothing";
    EXPECT_EQ(std::u16string(club->GetNameForLanguage(5)), std::u16string(29, u'n'));
}

TEST_F(LocalisationRowsTest, ANationalTeamIsListedInParentheses)
{
    Country().CreateNationalTeam();
    const TClub* national = nullptr;
    for (const auto& [id, club] : Country().GetClubs()) {
        if (IsNationalTeamId(id)) national = club.get();
    }
    ASSERT_NE(national, nullptr);
    EXPECT_EQ(LocalisationRows::ClubComboText(*national), u"(" + std::u16string(national->GetName()) + u")");
    TClub* club = Country().GetClubByUniqueId(Country().CreateClub(u"Verein"));
    EXPECT_EQ(LocalisationRows::ClubComboText(*club), u"Verein");
}

}  // namespace
