#include <gtest/gtest.h>

#include "competition/CompetitionId.h"
#include "competition/Keywords.h"

TEST(Keywords, LookupsTakeTheLongestName)
{
    const struct {
        const char16_t* text;
        KeywordTable table;
        std::uint32_t value;
    } cases[] = {
        {u"ROUND_QUALI", RoundKindTable, 1},        {u"ROUND_QUALI2", RoundKindTable, 2},
        {u"  ROUND_QUALI3", RoundKindTable, 3},     {u"nothing", RoundKindTable, 0},
        {u"RELEGATION", CompetitionTypeTable, 8},   {u"REL1", CompetitionTypeTable, 19},
        {u"UIC", CompetitionTypeTable, 14},         {u"SUPERCUP", CompetitionTypeTable, 7},
        {u"CC_FA", CupAllocGroupTable, 4},          {u"POOL_SORT_RANDOM", PoolSortTable, 10},
    };
    for (const auto& c : cases) EXPECT_EQ(LookupKeyword(c.text, c.table), c.value) << c.value;
}

TEST(Keywords, FlagsPrintAndParseBack)
{
    EXPECT_EQ(FormatKeywordFlags(0x82, RelegationRuleTable), u"REL_RULE_2,REL_RULE_TAKE_POINTS");
    EXPECT_EQ(FormatKeywordFlags(0x80, RelegationRuleTable), u"REL_RULE_0,REL_RULE_TAKE_POINTS");
    EXPECT_EQ(ParseKeywordFlags(u"POOL_SORT_RANDOM,POOL_RESERVE_TEAMS", PoolSortTable), 0x800Au);
    EXPECT_EQ(FormatKeywordFlags(0x800A, PoolSortTable), u"POOL_SORT_RANDOM,POOL_RESERVE_TEAMS");
    EXPECT_EQ(FormatLegFlags(0), u"0");
    EXPECT_EQ(FormatLegFlags(0x8002), u"BEG_2ND_LEG, BEG_FINISHED");
    // Bits without a name print as empty names, and only the named ones
    // keep the text from being "0".
    EXPECT_EQ(FormatLegFlags(0x400), u"0");
    EXPECT_EQ(FormatLegFlags(0xC00), u"0");
    EXPECT_EQ(FormatLegFlags(0x401), u"BEG_1ST_LEG, ");
    EXPECT_EQ(ParseKeywordFlags(u"BEG_2ND_LEG, BEG_FINISHED", LegFlagTable), 0x8002u);
}

TEST(CompetitionId, ReferencesParseAndPrint)
{
    EXPECT_EQ(ParseCompetitionId(u"{ 3, LEAGUE, 1 }", 0), 0x03010001u);
    EXPECT_EQ(ParseCompetitionId(u"{-1, LEAGUE, 0}", 12), MakeCompetitionId(12, 1, 0));
    EXPECT_EQ(ParseCompetitionId(u"{ 5, NOTHING, 2 }", 0), MakeCompetitionId(5, 0, 2));
    // A missing comma leaves the later parts 0.
    const TCompetitionRef cut = ParseCompetitionRef(u"{ 7 LEAGUE 3 }");
    EXPECT_EQ(cut.country, 7);
    EXPECT_EQ(cut.type, 0u);
    EXPECT_FALSE(cut.complete);
    // Countries past 127 print unsigned and read back.
    EXPECT_EQ(FormatCompetitionRef(0xF9090000), u"{ 249, CHAMPIONSLEAGUE, 0 }");
    EXPECT_EQ(ParseCompetitionId(FormatCompetitionRef(0x80010002), 1), 0x80010002u);
    EXPECT_EQ(FormatCompetitionRef(0x03020001), u"{ 3, , 1 }");
    EXPECT_EQ(FormatCompetitionRef(0x03010001, 9), u"{ 9, LEAGUE, 1 }");
    EXPECT_EQ(ReplaceCountry(0x03010001, 0xFFFFFFFF), 0x03010001u);
    EXPECT_EQ(ReplaceCountry(0x03010001, 7), 0x07010001u);
}
