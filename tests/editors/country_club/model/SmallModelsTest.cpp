// Share capping, appearance masks and the league rating rows.
#include <gtest/gtest.h>

#include <array>
#include <ostream>

#include "CountryModelFixture.h"
#include "editors/country_club/model/country/AppearanceMasks.h"
#include "editors/country_club/model/country/CountryGeneralModel.h"
#include "editors/country_club/model/country/LanguageShares.h"
#include "editors/country_club/model/competition/LeagueRatingRows.h"

using namespace country_model_testing;

namespace {

struct ShareCase {
    TLanguageShares before;
    int changed;
    TLanguageShares after;
    int sum;
};

void PrintTo(const ShareCase& c, std::ostream* out) { *out << "changed " << c.changed << " sum " << c.sum; }

class LanguageShareCapping : public testing::TestWithParam<ShareCase> {};

TEST_P(LanguageShareCapping, LowersTheChangedShare)
{
    TLanguageShares shares = GetParam().before;
    EXPECT_EQ(CapLanguageShares(shares, GetParam().changed), GetParam().sum);
    EXPECT_EQ(shares, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Shares, LanguageShareCapping,
                         testing::Values(ShareCase{{40, 30, 20, 30}, 3, {40, 30, 20, 10}, 100},
                                         ShareCase{{40, 30, 20, 0}, 3, {40, 30, 20, 0}, 90},
                                         ShareCase{{100, 100, 0, 0}, 1, {100, 0, 0, 0}, 100},
                                         ShareCase{{60, 50, 0, 0}, 0, {50, 50, 0, 0}, 100}));

TEST(AppearanceMasks, ValuesOfTheLists)
{
    const std::vector<int> faces = AppearanceValues(TAppearanceList::Face);
    ASSERT_EQ(faces.size(), 90u);
    EXPECT_EQ(faces[26], 27);
    const std::vector<int> colours = AppearanceValues(TAppearanceList::HairColour);
    ASSERT_EQ(colours.size(), 5u);
    EXPECT_EQ(colours[1], 4);
    EXPECT_EQ(AppearanceValues(TAppearanceList::Hairstyle).size(), 38u);
    EXPECT_EQ(AppearanceValues(TAppearanceList::FacialHair).size(), 6u);
}

TEST(AppearanceMasks, HairstyleThirtyTwoIsBitZeroOfTheSecondWord)
{
    const std::vector<int> values = AppearanceValues(TAppearanceList::Hairstyle);
    const std::array<std::uint32_t, 2> mask = {0, 1};
    const std::vector<bool> selected = SelectionFromMask(values, mask);
    ASSERT_EQ(values[31], 32);
    EXPECT_TRUE(selected[31]);
    EXPECT_EQ(std::count(selected.begin(), selected.end(), true), 1);
    std::array<std::uint32_t, 2> stored = {0, 0};
    MaskFromSelection(values, selected, stored);
    EXPECT_EQ(stored, mask);
}

TEST(AppearanceMasks, SelectionsRoundTripAndZeroStaysZero)
{
    const std::vector<int> colours = AppearanceValues(TAppearanceList::HairColour);
    std::array<std::uint32_t, 1> mask = {0};
    const std::vector<bool> none = SelectionFromMask(colours, mask);
    EXPECT_EQ(std::count(none.begin(), none.end(), true), 0);
    MaskFromSelection(colours, none, mask);
    EXPECT_EQ(mask[0], 0u);
    std::vector<bool> second(colours.size(), false);
    second[1] = true;
    MaskFromSelection(colours, second, mask);
    EXPECT_EQ(mask[0], 1u << 4);
    EXPECT_EQ(SelectionFromMask(colours, mask), second);
}

TEST(AppearanceMasks, BitsNoItemShowsStay)
{
    const std::vector<int> colours = AppearanceValues(TAppearanceList::HairColour);
    std::array<std::uint32_t, 1> mask = {0x80000001u | (1u << 4)};
    std::vector<bool> selected = SelectionFromMask(colours, mask);
    selected[1] = false;
    MaskFromSelection(colours, selected, mask);
    EXPECT_EQ(mask[0], 0x80000001u);
}

TEST(AppearanceMasks, FacesFillFourWords)
{
    const std::vector<int> faces = AppearanceValues(TAppearanceList::Face);
    std::array<std::uint32_t, 4> mask = {};
    MaskFromSelection(faces, std::vector<bool>(faces.size(), true), mask);
    for (int value : faces) {
        EXPECT_TRUE(mask[static_cast<std::size_t>(value / 32)] & (1u << (value % 32))) << value;
    }
    EXPECT_EQ(SelectionFromMask(faces, mask), std::vector<bool>(faces.size(), true));
}

class LeagueRatingRowsTest : public testing::Test, protected CountryFixture {};

TEST_F(LeagueRatingRowsTest, NamedLevelsOnly)
{
    ClearLevelNames();
    country_.SetLeagueLevelName(0, 0, u"Premier");
    country_.SetLeagueLevelName(0, 2, u"Third");
    country_.SetLeagueRating(0, 80);
    country_.SetLeagueRating(2, 7);
    const std::vector<TLeagueRatingRow> rows = BuildLeagueRatingRows(country_);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].level, 0);
    EXPECT_EQ(rows[0].text, u"Premier\t80");
    EXPECT_EQ(rows[1].level, 2);
    EXPECT_EQ(rows[1].text, u"Third\t 7");
}

}  // namespace

namespace {

class CountryGeneralTest : public testing::Test, protected CountryFixture {};

TEST_F(CountryGeneralTest, LanguagesAreCompactedAndSharesMadeWhole)
{
    TCountryGeneralView view = LoadCountryGeneral(country_);
    view.languages = {5, 5, 0, 7};
    view.shares = {40, 20, 0, 10};
    StoreCountryGeneral(view, country_);
    EXPECT_EQ(country_.GetLanguage(0), 5);
    EXPECT_EQ(country_.GetLanguage(1), 7);
    EXPECT_EQ(country_.GetLanguage(2), 0);
    EXPECT_EQ(country_.GetLanguageShare(0), 90);
    EXPECT_EQ(country_.GetLanguageShare(1), 10);
}

TEST_F(CountryGeneralTest, AnUnlistedLanguageKeepsItsSlotWhileItsShareIsStored)
{
    country_.SetLanguage(0, 3);
    country_.SetLanguage(1, 70);
    TCountryGeneralView view = LoadCountryGeneral(country_);
    EXPECT_EQ(view.languages[1], -1);
    view.shares = {60, 40, 0, 0};
    StoreCountryGeneral(view, country_);
    EXPECT_EQ(country_.GetLanguage(1), 70);
    EXPECT_EQ(country_.GetLanguageShare(1), 40);
}

TEST_F(CountryGeneralTest, AVisitChangesNothing)
{
    country_.SetPreferredTerritory(12);
    country_.SetClimate(9);
    country_.SetLanguageShare(0, 30);
    country_.SetLanguage(0, 4);
    country_.SetLanguage(1, 4);
    country_.SetAverageRating(60);
    country_.SetLeagueRating(3, 99);
    country_.SetFederationName(u"ABCDEFGHI");
    const TCountryGeneralView view = LoadCountryGeneral(country_);
    EXPECT_EQ(view.territory, -1);
    EXPECT_EQ(view.climate, -1);
    StoreCountryGeneral(view, country_);
    EXPECT_EQ(country_.GetPreferredTerritory(), 12);
    EXPECT_EQ(country_.GetClimate(), 9);
    EXPECT_EQ(country_.GetLanguage(1), 4) << "not normalised";
    EXPECT_EQ(country_.GetLanguageShare(0), 30);
    EXPECT_EQ(country_.GetLeagueRating(3), 99) << "the average was not set again";
}

TEST_F(CountryGeneralTest, ALowerAverageLowersTheLevelRatingsAbove)
{
    country_.SetAverageRating(80);
    country_.SetLeagueRating(2, 70);
    TCountryGeneralView view = LoadCountryGeneral(country_);
    view.averageRating = 60;
    view.naturalisation = 0;
    view.territory = 10;
    StoreCountryGeneral(view, country_);
    EXPECT_EQ(country_.GetAverageRating(), 60);
    EXPECT_EQ(country_.GetLeagueRating(0), 60);
    EXPECT_EQ(country_.GetLeagueRating(2), 60);
    EXPECT_EQ(country_.GetNaturalisationYears(), 0);
    EXPECT_EQ(country_.GetPreferredTerritory(), 10);
}

}  // namespace
