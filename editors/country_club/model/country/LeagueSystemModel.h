#pragma once
// What the league-system page shows and decides without a window: the rows
// of its league tree, the predefined system matching a pyramid, the
// relegation rules a level admits and the plan of applying a chosen system.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "database/country/CompetitionRegistry.h"
#include "database/country/CountryCompetitions.h"

class TCountry;

constexpr int LeagueLevelCount = 16;
using TLeagueCounts = std::array<int, LeagueLevelCount>;

TLeagueCounts LeaguesPerLevel(const std::vector<TLeagueLevel>& levels);
// The first predefined system with these leagues on every level; -1 when
// none has them, so that an apply never passes a system nobody chose.
int FindMatchingSystem(const TLeagueCounts& leagues);
std::vector<int> OfferedRelegationRules(int system, int level);
// Each level's choice reset to 0 unless the system's level admits it.
TLevelBytes FilterRelegationChoices(int system, TLevelBytes choices);

// League ids start at 0x01010000, so any item data below 16 is a level.
inline bool IsLevelHeading(std::uint32_t itemData) { return itemData < LeagueLevelCount; }

struct TLeagueTreeRow {
    std::uint32_t data = 0;
    std::u16string text;
};
// Per level with leagues: its heading (the level's name), then " \t" and the
// name of each of its leagues.
std::vector<TLeagueTreeRow> BuildLeagueTreeRows(TCountry& country);

enum class TLeagueSystemVerdict { RefuseNoSelection, RefuseMissingScript, ApplyQuietly, AskFirst };

struct TLeagueSystemPlan {
    TLeagueSystemVerdict verdict = TLeagueSystemVerdict::RefuseNoSelection;
    int scriptId = -1;
    TLevelBytes leagues{};
    TLevelBytes choices{};
};

// system and script are the item data of the two combos' selections, -1
// when a combo has none. The script combo decides for a script id of 1 or
// more, the generic one otherwise; a change of the pyramid deletes leagues,
// so it is asked first.
TLeagueSystemPlan PlanLeagueSystemApply(int storedScriptId, const TLeagueCounts& current, int system, int script,
                                        const TLevelBytes& choices, const std::function<bool(int)>& scriptExists);
// A generic country's level takes its rule on every league, and the pools
// between the levels are made again.
void ApplyLevelRelegationRule(TCountry& country, int level, int rule);
// The team counts of the country's leagues added up.
int LeagueTeamTotal(TCountry& country);
// "Script\Lg<N>.txt" below the base folder.
bool LeagueScriptExists(int scriptId);
