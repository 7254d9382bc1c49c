#include <gtest/gtest.h>

#include <vector>

#include "core/Random.h"
#include "core/text/TextManager.h"
#include "core/text/TextTools.h"
#include "database/country/Country.h"
#include "database/country/CountryPropertyTable.h"

namespace {

void SetLanguages(TCountry& country, std::vector<int> languages, std::vector<int> shares)
{
    for (int slot = 0; slot < 4; ++slot) {
        country.SetLanguage(slot, static_cast<std::uint8_t>(languages[slot]));
        country.SetLanguageShare(slot, static_cast<std::uint8_t>(shares[slot]));
    }
}

std::vector<int> Languages(const TCountry& country)
{
    std::vector<int> values;
    for (int slot = 0; slot < 4; ++slot) values.push_back(country.GetLanguage(slot));
    for (int slot = 0; slot < 4; ++slot) values.push_back(country.GetLanguageShare(slot));
    return values;
}

TCountry& CountryWithId(TCountry& country, int id)
{
    country.SetId(id);
    country.Reset();
    for (int language = 0; language < TCountry::LanguageCount; ++language) country.SetNameInLanguage(language, u"Land");
    country.CreateNationalTeam();
    return country;
}

}  // namespace

TEST(Country, LanguagesNormalise)
{
    TCountry country;
    SetLanguages(country, {5, 5, 0, 7}, {40, 20, 0, 10});
    country.NormaliseLanguages();
    EXPECT_EQ(Languages(country), (std::vector<int>{5, 7, 0, 0, 90, 10, 0, 0}));
    SetLanguages(country, {1, 2, 3, 4}, {60, 30, 20, 10});
    country.NormaliseLanguages();
    EXPECT_EQ(Languages(country), (std::vector<int>{1, 2, 3, 4, 60, 30, 10, 0}));
    SetLanguages(country, {0, 0, 0, 0}, {0, 0, 0, 0});
    country.SetMainLanguage(9);
    country.NormaliseLanguages();
    EXPECT_EQ(Languages(country), (std::vector<int>{9, 0, 0, 0, 100, 0, 0, 0}));
}

TEST(Country, RatingsFollowTheAverage)
{
    TCountry country;
    country.SetLeagueRating(1, 70);
    country.SetLeagueRating(2, 50);
    country.SetAverageRating(60);
    EXPECT_EQ(country.GetLeagueRating(0), 60);
    EXPECT_EQ(country.GetLeagueRating(1), 60);
    EXPECT_EQ(country.GetLeagueRating(2), 50);
    country.FillLeagueRatingsFrom(3);
    const int filled[] = {42, 35, 29};
    for (int level = 3; level <= 5; ++level) EXPECT_EQ(country.GetLeagueRating(level), filled[level - 3]) << level;
    country.SetLeagueRating(0, 44);
    EXPECT_EQ(country.GetAverageRating(), 44);
    EXPECT_EQ(country.GetLeagueRating(16), 0);
}

TEST(Country, KeyedRecordsTakeTheLowestFreeKey)
{
    TCountry country;
    for (int i = 1; i <= 40; ++i) ASSERT_EQ(country.AddSponsor(TSponsor()), i);
    EXPECT_EQ(country.AddSponsor(TSponsor()), 0);
    EXPECT_TRUE(country.GetSponsors().Remove(3));
    EXPECT_EQ(country.AddSponsor(TSponsor()), 3);
    for (int i = 1; i <= 500; ++i) ASSERT_EQ(country.AddStadium(TStadium()), i);
    EXPECT_EQ(country.AddStadium(TStadium()), 0);
    EXPECT_EQ(country.GetStadiums().GetCount(), 500);
}

TEST(Country, ClubsAndTheirNames)
{
    TCountry country;
    CountryWithId(country, 5);
    const TTeamId first = country.CreateClub(u"Alpha");
    const TTeamId second = country.CreateClub(u"Beta");
    EXPECT_EQ(first, 0x00050001u);
    EXPECT_EQ(second, 0x00050002u);
    EXPECT_EQ(country.GetClubByUniqueId(first)->GetUniqueId(), 0x00050001u);
    EXPECT_EQ(country.GetClubCount(), 3);
    EXPECT_EQ(country.GetClubCountWithoutNationalTeam(), 2);
    EXPECT_EQ(country.GetClubByUniqueId(first | ReserveTeamBit), country.GetClubByUniqueId(first));
    EXPECT_EQ(country.GetTeamNameByUniqueId(second), u"Beta");
    const std::u16string reserveFormat = CTextManager::Instance()->GetText(u"Club.ReserveFormat"_tk);
    EXPECT_EQ(country.GetTeamNameByUniqueId(first | ReserveTeamBit), ReplaceTokens(reserveFormat, {{u"_CLUB_NAME", u"Alpha"}}));
    EXPECT_EQ(country.GetTeamNameByUniqueId(0x00050009), u"(n/a)");
    EXPECT_EQ(country.GetTeamNameByUniqueId(9), u"");
    EXPECT_EQ(country.GetNationalTeam()->GetId(), 0x0005FFFFu);
    EXPECT_EQ(country.GetClubByIndex(3), nullptr);
}

TEST(Country, RemovingAClubClearsReferencesAndFreesItsIndex)
{
    TCountry country;
    CountryWithId(country, 5);
    const TTeamId first = country.CreateClub(u"Alpha");
    const TTeamId second = country.CreateClub(u"Beta");
    TClub* beta = country.GetClubByUniqueId(second);
    beta->SetPartnerClub(first);
    beta->SetRival(3, first | ReserveTeamBit);
    EXPECT_TRUE(country.RemoveClub(country.GetClubByUniqueId(first), true));
    EXPECT_EQ(beta->GetPartnerClub(), 0u);
    EXPECT_EQ(beta->GetRival(3), 0u);
    EXPECT_EQ(country.GetClubCount(), 2);
    EXPECT_EQ(country.CreateClub(u"Gamma"), first);
    EXPECT_FALSE(country.RemoveClub(nullptr, true));
}

TEST(Country, RefusesItsFiveHundredTwelfthClub)
{
    TCountry country;
    CountryWithId(country, 9);
    for (int i = 0; i < TCountry::MaxClubs; ++i) ASSERT_NE(country.CreateClub(u"Club") >> 16, 0u);
    EXPECT_EQ(country.CreateClub(u"One too many") >> 16, 0u);
}

TEST(Country, CupWinnerAndFinalistMoveBetweenClubs)
{
    TCountry country;
    CountryWithId(country, 5);
    const TTeamId first = country.CreateClub(u"Alpha");
    const TTeamId second = country.CreateClub(u"Beta");
    country.SetCupWinner(first);
    country.SetCupFinalist(first | ReserveTeamBit);
    country.SetCupWinner(second);
    const TClub* alpha = country.GetClubByUniqueId(first);
    EXPECT_FALSE(alpha->IsCupWinner(true));
    EXPECT_TRUE(alpha->IsCupFinalist(false));
    EXPECT_TRUE(country.GetClubByUniqueId(second)->IsCupWinner(true));
}

TEST(Country, TextSettersKeepFilesReadable)
{
    TCountry country;
    country.SetFederationName(u";%FederationX");
    EXPECT_EQ(std::u16string(country.GetFederationName()), u"Federatio");
    country.SetLongText(u"line one\r\nline two and a long tail");
    EXPECT_EQ(std::u16string(country.GetLongText()), u"line one  line two and a lo");
    EXPECT_EQ(std::u16string(country.GetLongText()).size(), 27u);
    country.SetNameInLanguage(2, nullptr);
    EXPECT_EQ(country.GetNameInLanguage(2)[0], 0);
    EXPECT_EQ(std::u16string(country.GetNameInLanguage(6)), u"");
}

TEST(Country, RandomMaskBitsStayInTheMask)
{
    EXPECT_EQ(RandomMaskBit(0), 0);
    CrtSrand(1);
    for (int i = 0; i < 2000; ++i) {
        const int bit = RandomMaskBit(0x00000500);
        ASSERT_TRUE(bit == 8 || bit == 10);
    }
    const std::uint32_t words[4] = {0, 0, 0, 0x80000000};
    EXPECT_EQ(RandomMaskBitMulti(words, 4), 127);
}

TEST(Country, PoolGrowsAndNeverShrinks)
{
    TCountry country;
    country.ResizePool(10);
    country.ResizePool(4);
    EXPECT_EQ(country.GetPoolPlayerCount(), 10);
    ASSERT_NE(country.GetPoolPlayer(9), nullptr);
    EXPECT_EQ(country.GetPoolPlayer(10), nullptr);
    EXPECT_EQ(country.GetPoolPlayer(-1), nullptr);
}

TEST(CountryPropertyTable, Lookups)
{
    EXPECT_EQ(CountryPropertyTable().size(), 206u);
    EXPECT_EQ(FindCountryByAlpha3(u"GBR"), 14);
    EXPECT_EQ(FindCountryByAlpha3(u"XYZ"), 0);
    EXPECT_EQ(FindCountryByAlpha2(u"DE"), 21);
    EXPECT_EQ(std::u16string(GetCountryAlpha3(51)), u"SCG");
    EXPECT_EQ(std::u16string(GetCountryAlpha2(126)), u"ML");
    EXPECT_EQ(GetCountryAlpha2(149), nullptr);
    EXPECT_EQ(GetCountryAlpha3(207), nullptr);
    EXPECT_EQ(FindCountryByAlpha3(nullptr), 0);
}
