#include <gtest/gtest.h>

#include "CompetitionTestSupport.h"
#include "competition/Keywords.h"
#include "competition/TeamRules.h"

using namespace competition_testing;

namespace {

std::vector<std::uint8_t> EntryBytes(const TRuleEntry& e)
{
    TTeamRuleStore store;
    const std::uint32_t first = store.AppendList({e});
    std::vector<std::uint8_t> bytes = BlockBytes([&](CMasterWriter& w) { WriteRuleBlocks(store, first, w); });
    return std::vector<std::uint8_t>(bytes.begin() + 4, bytes.begin() + 16);
}

std::vector<TRuleEntry> ReadList(TTeamRuleStore& store, const std::string& text, std::uint8_t country)
{
    CIndexTextFile file;
    OpenText(file, text);
    return store.GetList(ReadTeamRules(store, file, country));
}

}  // namespace

TEST(TeamRules, ChampionAndSpareReadWithTheDefaultCountry)
{
    TTeamRuleStore store;
    const auto list = ReadList(store, Lines({"2", "GET_CHAMP, {-1, LEAGUE, 0}", "GET_TAB_SPARE"}), 7);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(EntryBytes(list[0]), (std::vector<std::uint8_t>{3, 0, 0, 0, 0, 0, 1, 7, 0, 0, 0, 0}));
    EXPECT_EQ(list[1].command, 10u);
    EXPECT_EQ(list[2], TRuleEntry());
    const std::string text = WrittenText([&](CIndexTextFile& f) { return WriteTeamRules(store, 1, f); });
    EXPECT_EQ(text, Lines({"2", "GET_CHAMP, {7, LEAGUE, 0}", "GET_TAB_SPARE"}));
}

TEST(TeamRules, LongestCommandNameAndEarlyEnd)
{
    TTeamRuleStore store;
    EXPECT_EQ(ReadList(store, Lines({"1", "GET_CHAMP_COUNTRY_TEAM, {3, LEAGUE, 0}"}), 0)[0].command, 31u);
    EXPECT_EQ(ReadList(store, Lines({"3", "END_OF_ENTRY", "GET_HOST", "GET_HOST"}), 0).size(), 1u);
    // A count beyond the section stops at its end.
    CIndexTextFile file;
    OpenText(file, Lines({"%INDEX%R", "9", "GET_HOST", "%INDEXEND%R"}));
    ASSERT_TRUE(file.FindSection(u"R"));
    EXPECT_EQ(store.GetList(ReadTeamRules(store, file, 0)).size(), 2u);
}

TEST(TeamRules, CupRulesTakeCountryAndLevel)
{
    TTeamRuleStore store;
    TRuleEntry next{RuleGetTabLevelXToY, 0, 65534, 1, 2};
    TRuleEntry same{RuleGetTabLevelXToY, 0, 65535, 1, 2};
    TRuleEntry champ{RuleGetChamp, 0x10000, 0, 0, 0};
    const std::uint32_t first = store.AppendList({next, same, champ});
    const auto copy = store.GetList(store.CopyCupRules(first, 5, 2));
    EXPECT_EQ(copy[0].arg16, 3);
    EXPECT_EQ(copy[1].arg16, 2);
    EXPECT_EQ(copy[2].word1, 0x05010000u);
    EXPECT_EQ(store.GetList(0).size(), 1u) << "entry 0 is an empty list";
}

TEST(TeamRules, EveryCommandReadsWritesAndReadsBackUnchanged)
{
    const char* forms[] = {
        "", "XXXBUILD_COUNTERXXX, {3, LEAGUE, 1}\r\n4\r\n5", "RESERVE_ASSESSMENT_TEAMS, 3, -2",
        "GET_CHAMP, {3, LEAGUE, 0}", "GET_EUROPEAN_ASSESSMENT_TEAMS, 1, -2, 3", "FILL_ASSESSMENT_RESERVES",
        "XXXGET_UEFA5_SURE_UICXXX, {3, UIC, 0}\r\n1\r\n2", "GET_TAB_X_TO_Y, {3, LEAGUE, 1}\r\n2\r\n4",
        "GET_TAB_SURE_X_TO_Y_Z, {3, LEAGUE, 0}\r\n-1\r\n2\r\n-3", "GET_TAB_LEVEL_X_TO_Y\r\n-2\r\n1\r\n4",
        "GET_TAB_SPARE", "GET_TAB_LEVEL_START_X_TO_Y\r\n2\r\n3\r\n4", "GET_EUROPEAN_ASSESSMENT_CUPWINNER, -5",
        "GET_WINNER, {3, FA_CUP, 0}", "GET_LOSER, {3, FA_CUP, 0}", "GET_POOL, {3, POOL, 2}\r\n1\r\n16",
        "GET_NAT_UEFA5_WITH_HOST, {249, EURO_CUP, 0}\r\n1\r\n2", "GET_NAT_UEFA5_WITHOUT_HOST", "GET_NAT_SOUTH_AMERICA",
        "GET_NAT_AMERICA", "GET_NAT_AFRICA", "GET_NAT_ASIA", "GET_NAT_OCEANIA", "GET_HOST",
        "GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y, {3, LEAGUE, 0)\r\n-1\r\n2\r\n3", "GET_INTERNATIONAL_SPARE, {3, UEFA_CUP, 0}\r\n7",
        "GET_TAB_LEVEL_INDOOR\r\n1\r\n2\r\n3", "GET_RELEGATED_TEAMS, {3, RELEGATION, 0}", "GET_INTERNATIONAL_TEAMS, 4, 70000",
        "GET_CC_FA_WINNER, {3, FA_CUP, 0}", "GET_CC_SPARE", "GET_CHAMP_COUNTRY_TEAM, {5, LEAGUE, 0}",
        "GET_RANDOM_NATIONAL_TEAM, 2, 3", "CHANGE_TEAM_TYPES, 4", "GET_FAIRNESS_TEAM, 6"};
    std::string text = "34\r\n";
    for (int command = 1; command < 35; ++command) text += std::string(forms[command]) + "\r\n";
    TTeamRuleStore store;
    const auto list = ReadList(store, text, 0);
    ASSERT_EQ(list.size(), 35u);
    for (int command = 1; command < 35; ++command) EXPECT_EQ(list[command - 1].command, static_cast<std::uint32_t>(command));
    const std::string written = WrittenText([&](CIndexTextFile& f) { return WriteTeamRules(store, 1, f); });
    EXPECT_EQ(written, text);
    EXPECT_EQ(ReadList(store, written, 0), list);
}
