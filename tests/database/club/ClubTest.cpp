#include <gtest/gtest.h>

#include <vector>

#include "database/club/Club.h"

TEST(Club, SeasonFlagsClearTheirOppositesOnly)
{
    TClub club(1);
    club.SetNotInITCup(true);
    club.SetPromoted(true, true);
    club.SetRelegated(false, true);
    club.SetPromoted(false, true);
    EXPECT_TRUE(club.IsPromoted(true));
    EXPECT_FALSE(club.IsRelegated(false));
    EXPECT_TRUE(club.IsNotInITCup());
    club.SetCupWinner(false, true);
    club.SetCupFinalist(true, true);
    EXPECT_TRUE(club.IsCupWinner(false));
    club.SetCupWinner(true, true);
    EXPECT_FALSE(club.IsCupFinalist(true));
    EXPECT_FALSE(club.IsCupWinner(false));
    club.SetPromoted(true, false);
    EXPECT_EQ(club.GetSeasonFlags(), 0x0112);
}

TEST(Club, NamesAndRivals)
{
    TClub club(1);
    club.SetNameForLanguage(3, u"Say \"Hi\"");
    EXPECT_EQ(std::u16string(club.GetNameForLanguage(3)), u"Say 'Hi'");
    club.SetNameForAllLanguages(u"A very long club name that does not fit at all");
    EXPECT_EQ(std::u16string(club.GetNameForLanguage(5)).size(), 29u);
    EXPECT_EQ(std::u16string(club.GetNameForLanguage(6)), u"");
    club.SetRival(4, 7);
    club.SetRival(1, 9);
    EXPECT_EQ(club.GetRival(4), 0u);
    EXPECT_EQ(club.GetRival(1), 9u);
}

TEST(Club, ReserveNamesOfTheSpecialCountries)
{
    TClub club(1);
    club.SetNameForLanguage(1, u"Leeds");
    for (const auto& [id, reserve] : {std::pair{0x000E0003u, u"Leeds (RES)"}, std::pair{0x00150003u, u"Leeds 2"},
                                      std::pair{0x002D0003u, u"Leeds (B)"}, std::pair{0x002D000Eu, u"R.M. Castilla"}}) {
        club.SetId(id);
        EXPECT_EQ(std::u16string(club.GetReserveNameForLanguage(1)), reserve) << std::hex << id;
    }
}

TEST(Club, LocationsAreClampedAsTheEditorShowsThem)
{
    TClub club(1);
    club.SetLongitude(true, 180, 30);
    EXPECT_EQ(club.GetLongitude(), -11730944);
    club.SetLatitude(true, 95, 70);
    EXPECT_EQ(club.GetLatitude(), -5898240);
    club.SetLongitude(false, 12, 75);
    EXPECT_EQ(club.GetLongitude(), (12 << 16) | 59);
    EXPECT_FALSE(club.IsLongitudeWest());
    EXPECT_EQ(club.GetLongitudeMinutes(), 59);
    club.SetLatitude(false, 0, 0);
    EXPECT_TRUE(club.IsLatitudeSouth()) << "zero counts as south";
}

TEST(Club, SettersFillEmptyLanguagesAndKeepOneLine)
{
    TClub club(0x0E0007);
    club.SetShortNameForLanguage(2, u"Leeds Utd and more");
    club.SetAbbreviationForLanguage(3, u"LEEDS");
    for (int language = 0; language < TClub::LanguageCount; ++language) {
        EXPECT_EQ(std::u16string(club.GetShortNameForLanguage(language)), u"Leeds Utd ");
        EXPECT_EQ(std::u16string(club.GetSecondShortNameForLanguage(language)), u"Leeds Utd ");
        EXPECT_EQ(std::u16string(club.GetAbbreviationForLanguage(language)), u"LEED");
    }
    club.SetAddress(u"Elland Road\r\nLeeds\nLS11 0ES");
    EXPECT_EQ(std::u16string(club.GetAddress()), u"Elland Road, Leeds, LS11 0ES");
    club.SetTownForLanguage(1, u"Leeds|Beeston");
    EXPECT_EQ(std::u16string(club.GetTownForLanguage(1)), u"Leeds/Beeston");
    club.SetInitialCapital(-5);
    EXPECT_EQ(club.GetCapitalHalf(), 0);
    club.SetInitialCapital(1001);
    EXPECT_EQ(club.GetCapitalHalf(), 500);
    club.SetGameStartPoints(-3);
    EXPECT_EQ(club.GetGameStartFlags(), 3);
    club.SetGameStartPoints(0);
    EXPECT_EQ(club.GetGameStartFlags(), 0);
    char name[32];
    club.GetKitFileName(false, name, sizeof name);
    EXPECT_STREQ(name, "user\\kits\\000E0007_a.tga");
    club.GetKitFileName(true, name, 12);
    EXPECT_STREQ(name, "user\\kits\\0");
}

TEST(Club, LeagueStatisticsSetsAddressHalvesOfPairsTwoToFour)
{
    TClub club(1);
    club.SetLeagueStats(1, 7, 8, 9);
    club.SetLeagueStats(2, 1, 1, 1);
    const int expected[TClub::LanguageCount * 2 + 2] = {0, 0, 0, 7, 0, 8, 0, 9, 0, 0, 0, 0, 0, 0};
    for (int index = 0; index < 14; ++index) EXPECT_EQ(club.GetLeagueStat(index), expected[index]) << index;
    std::uint16_t a, b, c;
    club.GetLeagueStats(0, a, b, c);
    EXPECT_EQ(a + b + c, 0);
    club.GetLeagueStats(1, a, b, c);
    EXPECT_EQ(a * 100 + b * 10 + c, 789);
}

TEST(Club, ColourGroupsFollowTheGroupTable)
{
    const std::vector<std::vector<int>> rows = {{0},
                                                {7, 44, 45, 46, 47, 48, 49, 50, 51, 52},
                                                {6, 34, 35, 36, 37, 38, 39, 40, 20},
                                                {4, 19},
                                                {5, 29, 30, 31, 32, 33},
                                                {41, 9, 43, 42},
                                                {2, 61, 62, 63, 17, 1, 15, 16},
                                                {13, 53, 54, 55, 56, 57, 58, 8, 14},
                                                {10, 25, 59, 60, 18},
                                                {3, 23, 24, 21, 22},
                                                {12},
                                                {11, 26, 27, 28}};
    for (std::size_t group = 0; group < rows.size(); ++group) {
        for (int colour : rows[group]) EXPECT_EQ(TClub::GetColourGroup(colour), group) << colour;
    }
    EXPECT_EQ(TClub::GetColourGroup(64), 255);
    EXPECT_EQ(TClub::GetColourGroup(-1), 255);
}
