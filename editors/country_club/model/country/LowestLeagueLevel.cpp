#include "editors/country_club/model/country/LowestLeagueLevel.h"

std::vector<int> LowestLevelLeagueIndexes(const std::vector<TLeagueLevel>& levels)
{
    std::size_t lowest = 0;
    while (lowest + 1 < levels.size() && levels[lowest + 1].count > 0) ++lowest;
    std::vector<int> indexes;
    if (levels.empty()) return indexes;
    for (int i = 0; i < levels[lowest].count; ++i) indexes.push_back(levels[lowest].firstLeague + i);
    return indexes;
}
