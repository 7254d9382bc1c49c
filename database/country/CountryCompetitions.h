#pragma once
// The country file's view of a country's competitions: which it writes, in
// which order, and how many league levels it names.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/country/CompetitionRegistry.h"

// The leagues 0..31, then relegation competitions and pools (indexes
// 0..31) by id, then the national cup, the league cups 0..3 and the super
// cup; those that exist.
std::vector<const CDBCompetitionBase*> CompetitionsInFileOrder(const TCompetitionRegistry& registry,
                                                               std::uint32_t country);
// True when the id is one of those the country's file holds.
bool IsInFileOrder(std::uint32_t id, std::uint32_t country);
// One level of a country's pyramid: its first league's index and how many
// leagues it holds.
struct TLeagueLevel {
    int firstLeague = 0;
    int count = 0;
};
// Walking leagues 0.. up to the first missing one: a league on a level
// deeper than any so far opens that level; any other counts to the deepest
// level so far.
std::vector<TLeagueLevel> GetLeagueLevels(const TCompetitionRegistry& registry, std::uint32_t country);
// Leagues 0.. up to the first missing one, at most 32.
int GetLeagueCount(const TCompetitionRegistry& registry, std::uint32_t country);
// Levels 0..15 holding a league, counted from level 0 up to the first
// without one.
int CountLeagueLevels(const TCompetitionRegistry& registry, std::uint32_t country);

// Takes the team and its reserve team out of the country's leagues 0..31.
void RemoveTeamFromLeagues(TCompetitionRegistry& registry, std::uint32_t country, std::uint32_t team);

// The team's position in a league's list, -1 when it holds no such team.
int TeamIndexInCompetition(const CDBCompetitionBase& competition, std::uint32_t team);
// The first of the country's leagues 0..31 that holds the team; null for none.
const CDBCompetitionBase* GetLeagueOfTeam(const TCompetitionRegistry& registry, std::uint32_t team);

// A level of several leagues is named by what its leagues' names share: a
// name beginning with a digit keeps what follows its first blank (all of it
// when nothing does), any other keeps what precedes its first blank.
std::u16string ShortenLevelName(std::u16string_view leagueName);

// The same over leagues 0.. up to the first missing one only.
const CDBCompetitionBase* GetLeagueOfTeamUpToGap(const TCompetitionRegistry& registry, std::uint32_t team);
