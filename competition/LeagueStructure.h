#pragma once
// A country's league pyramid: the predefined league systems, the league
// scripts, the rebuild of the leagues when the leagues per level change and
// the pools that join each level to the next.

#include <cstddef>
#include <cstdint>

#include "database/country/CompetitionRegistry.h"

class TCountry;

int GetLeagueSystemCount();
// Leagues on a level 0..15 of a predefined system; 0 out of range.
int GetLeagueSystemLeagues(int system, int level);
// How the leagues of a level join those of the next one; 0 out of range.
int GetLeagueSystemLinkMask(int system, int level);
// The league counts of the levels joined by "-", "-" for an empty or
// unknown system; cut to the capacity, terminator included.
void GetLeagueSystemText(int system, char16_t* buffer, std::size_t capacity);

void SetLeagueSystem(TCountry& country, int scriptId, const TLevelBytes& leagues, const TLevelBytes& rules);
void RebuildLeagues(TCountry& country, const TLevelBytes& leagues, const TLevelBytes& rules);
void BuildLeaguePools(TCountry& country);
// Empties the team lists of the leagues 0..31.
void ResetLeagueTeams(TCountry& country);
