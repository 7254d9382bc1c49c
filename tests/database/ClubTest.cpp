#include <gtest/gtest.h>

#include "database/Club.h"

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
    club.SetId(0x000E0003);
    EXPECT_EQ(std::u16string(club.GetReserveNameForLanguage(1)), u"Leeds (RES)");
    club.SetId(0x00150003);
    EXPECT_EQ(std::u16string(club.GetReserveNameForLanguage(1)), u"Leeds 2");
    club.SetId(0x002D0003);
    EXPECT_EQ(std::u16string(club.GetReserveNameForLanguage(1)), u"Leeds (B)");
    club.SetId(0x002D000E);
    EXPECT_EQ(std::u16string(club.GetReserveNameForLanguage(1)), u"R.M. Castilla");
}
