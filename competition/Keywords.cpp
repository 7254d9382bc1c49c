#include "competition/Keywords.h"

#include <algorithm>

#include "core/files/IndexTextFile.h"
#include "core/text/TextKey.h"

namespace {

constexpr TKeywordEntry CompetitionTypes[] = {
    {u"ROOT", false, 0}, {u"LEAGUE", false, 1}, {u"FA_CUP", false, 3}, {u"LE_CUP", false, 4},
    {u"SUPERCUP", false, 7}, {u"CHALLENGE_SHIELD", false, 5}, {u"CONFERENCE_CUP", false, 6},
    {u"RELEGATION", false, 8}, {u"CHAMPIONSLEAGUE", false, 9}, {u"UEFA_CUP", false, 10},
    {u"TOYOTA", false, 11}, {u"EURO_SUPERCUP", false, 12}, {u"WORLD_CLUB_CHAMP", false, 13},
    {u"UIC", false, 14}, {u"QUALI_WC", false, 15}, {u"QUALI_EC", false, 16}, {u"WORLD_CUP", false, 17},
    {u"EURO_CUP", false, 18}, {u"REL1", false, 19}, {u"REL2", false, 20}, {u"REL3", false, 21},
    {u"INDOOR", false, 22}, {u"FRIENDLY", false, 23}, {u"POOL", false, 24}};

constexpr TKeywordEntry ClassKinds[] = {{u"DB_ROOT", false, 0}, {u"DB_LEAGUE", false, 1}, {u"DB_SPARE", false, 2},
                                        {u"DB_CUP", false, 3},  {u"DB_ROUND", false, 4},  {u"DB_POOL", false, 5}};

constexpr TKeywordEntry LegFlags[] = {
    {u"BEG_1ST_LEG", false, 0x1}, {u"BEG_2ND_LEG", false, 0x2}, {u"BEG_WITH_1_LEG", false, 0x1},
    {u"BEG_WITH_2_LEG", false, 0x2}, {u"BEG_WITH_REPLAY", false, 0x4}, {u"BEG_WITH_EXTRA_TIME", false, 0x8},
    {u"BEG_WITH_GOLDEN_GOAL", false, 0x10}, {u"BEG_WITH_PENALTY", false, 0x20}, {u"BEG_END", false, 0x40},
    {u"BEG_1ST_PLAYED", false, 0x100}, {u"BEG_2ND_PLAYED", false, 0x200}, {u"BEG_EXTRA_TIME", false, 0x1000},
    {u"BEG_GOLDEN_GOAL", false, 0x2000}, {u"BEG_PENALTY", false, 0x4000}, {u"BEG_FINISHED", false, 0x8000},
    {u"BEG_WITH_SILVER_GOAL", false, 0x4000000}, {u"BEG_WITHOUT_AWAY_GOAL", false, 0x8000000},
    {u"BEG_NO_PREMIERLEAGUE_TEAMS", false, 0x20000000}, {u"BEG_NO_SHUFFLE", false, 0x10000000}};

constexpr TKeywordEntry RelegationRules[] = {
    {u"REL_RULE_0", false, 0}, {u"REL_RULE_1", false, 1}, {u"REL_RULE_2", false, 2},
    {u"REL_RULE_3", false, 3}, {u"REL_RULE_4", false, 4}, {u"REL_RULE_5", false, 5},
    {u"REL_RULE_INDOOR", true, 32}, {u"REL_RULE_TAKE_POINTS", true, 128}};

constexpr TKeywordEntry RoundKinds[] = {
    {u"ROUND_QUALI", false, 1}, {u"ROUND_QUALI2", false, 2}, {u"ROUND_QUALI3", false, 3},
    {u"ROUND_PREROUND1", false, 4}, {u"ROUND_1", false, 5}, {u"ROUND_2", false, 6}, {u"ROUND_3", false, 7},
    {u"ROUND_4", false, 8}, {u"ROUND_5", false, 9}, {u"ROUND_GROUP1", false, 10}, {u"ROUND_GROUP2", false, 11},
    {u"ROUND_LAST_16", false, 12}, {u"ROUND_QUARTERFINAL", false, 13}, {u"ROUND_SEMIFINAL", false, 14},
    {u"ROUND_FINAL", false, 15}};

constexpr TKeywordEntry PoolSorts[] = {
    {u"POOL_SORT_INDOOR", false, 1}, {u"POOL_SORT_NAT_UEFA5", false, 2},
    {u"POOL_SORT_MAP_NORTH_SOUTH", false, 3}, {u"POOL_SORT_MAP_WEST_EAST", false, 4},
    {u"POOL_SORT_MAP_LEAGUE", false, 5}, {u"POOL_SORT_NATIONALITY", false, 6},
    {u"POOL_SORT_BEST_TAB_POS", false, 7}, {u"POOL_SORT_COUNTRY_STRENGTH", false, 8},
    {u"POOL_SORT_UEFA5_SHUFFLE", false, 9}, {u"POOL_SORT_RANDOM", false, 10}, {u"POOL_SORT_LAST_16", false, 11},
    {u"POOL_SORT_NORTH_SOUTH", false, 12}, {u"POOL_RESERVE_TEAMS", true, 0x8000}};

constexpr TKeywordEntry CupAllocGroups[] = {{u"FA", false, 0},         {u"LEAGUE", false, 1}, {u"SUPERCUP", false, 2},
                                            {u"RELEGATION", false, 3}, {u"MISC", false, 4},   {u"CC_FA", false, 4}};

constexpr TKeywordEntry CupModes[] = {
    {u"ID_FACUP_GERMANY", false, HashKey(u"Competition.CupMode.FAGermany")},
    {u"ID_FACUP_ENGLAND", false, HashKey(u"Competition.CupMode.FAEngland")},
    {u"ID_FACUP_FRANCE", false, HashKey(u"Competition.CupMode.FAFrance")},
    {u"ID_FACUP_SPAIN", false, HashKey(u"Competition.CupMode.FASpain")},
    {u"ID_FACUP_ITALY", false, HashKey(u"Competition.CupMode.FAItaly")},
    {u"ID_LEAGUECUP_GERMANY", false, HashKey(u"Competition.CupMode.LeagueGermany")},
    {u"ID_LEAGUECUP_ENGLAND", false, HashKey(u"Competition.CupMode.LeagueEngland")},
    {u"ID_LEAGUE_FRANCE", false, HashKey(u"Competition.CupMode.LeagueFrance")},
    {u"ID_LEAGUECUP_SCOTLAND", false, HashKey(u"Competition.CupMode.LeagueScotland")},
    {u"ID_REL_ENGLAND1", false, HashKey(u"Competition.CupMode.RelegationEngland1")},
    {u"ID_REL_ENGLAND2", false, HashKey(u"Competition.CupMode.RelegationEngland2")},
    {u"ID_REL_ENGLAND3", false, HashKey(u"Competition.CupMode.RelegationEngland3")},
    {u"ID_LEAGUECUP_DIV2_3", false, HashKey(u"Competition.CupMode.LowerEngland")},
    {u"ID_LEAGUECUP_CONFERENCE", false, HashKey(u"Competition.CupMode.LeagueConference")},
    {u"ID_SUPERCUP1", false, HashKey(u"Competition.CupMode.SuperOne")},
    {u"ID_SUPERCUP2", false, HashKey(u"Competition.CupMode.SuperTwo")},
    {u"ID_FRIENDLY", false, 0},
    {u"ID_TOURNAMENT", false, 0},
    {u"ID_REL_SWITZERLAND", false, HashKey(u"Competition.CupMode.RelegationSwiss")},
    {u"ID_FA_SMALL", false, 0},
    {u"ID_FACUP_SCOTLAND", false, HashKey(u"Competition.CupMode.FAScotland")}};

std::u16string_view SkipBlanks(std::u16string_view text)
{
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
    return text;
}

}  // namespace

const KeywordTable CompetitionTypeTable{CompetitionTypes};
const KeywordTable ClassKindTable{ClassKinds};
const KeywordTable LegFlagTable{LegFlags};
const KeywordTable RelegationRuleTable{RelegationRules};
const KeywordTable RoundKindTable{RoundKinds};
const KeywordTable PoolSortTable{PoolSorts};
const KeywordTable CupAllocGroupTable{CupAllocGroups};
const KeywordTable CupModeTable{CupModes};

const std::u16string_view RuleCommandNames[35] = {
    u"END_OF_ENTRY", u"XXXBUILD_COUNTERXXX", u"RESERVE_ASSESSMENT_TEAMS", u"GET_CHAMP",
    u"GET_EUROPEAN_ASSESSMENT_TEAMS", u"FILL_ASSESSMENT_RESERVES", u"XXXGET_UEFA5_SURE_UICXXX", u"GET_TAB_X_TO_Y",
    u"GET_TAB_SURE_X_TO_Y_Z", u"GET_TAB_LEVEL_X_TO_Y", u"GET_TAB_SPARE", u"GET_TAB_LEVEL_START_X_TO_Y",
    u"GET_EUROPEAN_ASSESSMENT_CUPWINNER", u"GET_WINNER", u"GET_LOSER", u"GET_POOL", u"GET_NAT_UEFA5_WITH_HOST",
    u"GET_NAT_UEFA5_WITHOUT_HOST", u"GET_NAT_SOUTH_AMERICA", u"GET_NAT_AMERICA", u"GET_NAT_AFRICA",
    u"GET_NAT_ASIA", u"GET_NAT_OCEANIA", u"GET_HOST", u"GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y",
    u"GET_INTERNATIONAL_SPARE", u"GET_TAB_LEVEL_INDOOR", u"GET_RELEGATED_TEAMS", u"GET_INTERNATIONAL_TEAMS",
    u"GET_CC_FA_WINNER", u"GET_CC_SPARE", u"GET_CHAMP_COUNTRY_TEAM", u"GET_RANDOM_NATIONAL_TEAM",
    u"CHANGE_TEAM_TYPES", u"GET_FAIRNESS_TEAM"};

std::uint32_t LookupKeyword(std::u16string_view text, KeywordTable table)
{
    text = SkipBlanks(text);
    std::size_t best = 0;
    std::uint32_t value = 0;
    for (const TKeywordEntry& row : table) {
        const std::u16string_view name = row.name;
        if (name.size() > best && text.starts_with(name)) {
            best = name.size();
            value = row.value;
        }
    }
    return value;
}

std::uint32_t ParseKeywordFlags(std::u16string_view text, KeywordTable table)
{
    std::uint32_t value = 0;
    while (true) {
        const std::size_t comma = text.find(u',');
        value |= LookupKeyword(text.substr(0, comma), table);
        if (comma == std::u16string_view::npos) return value;
        text.remove_prefix(comma + 1);
    }
}

std::u16string_view GetKeywordName(std::uint32_t value, KeywordTable table)
{
    const auto row = std::find_if(table.begin(), table.end(), [value](const TKeywordEntry& e) { return e.value == value; });
    return row == table.end() ? std::u16string_view() : std::u16string_view(row->name);
}

std::u16string FormatKeywordFlags(std::uint32_t value, KeywordTable table)
{
    std::uint32_t plain = value;
    for (const TKeywordEntry& row : table) {
        if (row.isFlag) plain &= ~row.value;
    }
    std::u16string text;
    for (const TKeywordEntry& row : table) {
        if (!row.isFlag && row.value == plain) {
            text = row.name;
            break;
        }
    }
    for (const TKeywordEntry& row : table) {
        if (!row.isFlag || (row.value & value) == 0) continue;
        if (!text.empty()) text += u',';
        text += row.name;
    }
    return text;
}

std::u16string FormatLegFlags(std::uint32_t flags)
{
    std::u16string text;
    bool first = true;
    bool named = false;
    for (int bit = 0; bit < 32; ++bit) {
        const std::uint32_t mask = 1u << bit;
        if ((flags & mask) == 0) continue;
        if (!first) text += u", ";
        const std::u16string_view name = GetKeywordName(mask, LegFlagTable);
        text += name;
        first = false;
        named |= !name.empty();
    }
    return named ? text : std::u16string(u"0");
}

std::u16string ReadValueText(CIndexTextFile& file)
{
    char16_t line[1024];
    file.ReadString(line, 1024);
    return line;
}
