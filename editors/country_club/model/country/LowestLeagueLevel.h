#pragma once
// The leagues a club may name as its lowest: those of the deepest level
// reached from the top without a level that holds no league.

#include <vector>

#include "database/country/CountryCompetitions.h"

// League indexes of that level, in index order; none without leagues.
std::vector<int> LowestLevelLeagueIndexes(const std::vector<TLeagueLevel>& levels);
