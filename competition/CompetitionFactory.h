#pragma once
// Reads runs of numbered competition sections (country files "COMP",
// league-system scripts "LG", the continental scripts) into objects of the
// right class, registered by id; keeps the continental day-code tables;
// removes a country's league system.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "competition/Competition.h"

using SeasonDayCodes = std::array<DayCodes, 2>;

// Reads the count and the sections prefix0 .. prefix(count-1); a missing
// section or an unknown class is passed over. Records whose id is taken,
// whose country or index no id can hold, or whose sizes were repaired are
// named in problems; only the last are registered. Sections beyond 4096
// are not read.
void ReadCompetitions(CIndexTextFile& file, std::u16string_view prefix, SeasonDayCodes& dayCodes,
                      std::uint32_t ownerId, TCompetitionRegistry& registry, std::vector<std::u16string>& problems);
// Opens the file and reads its sections under owner; a missing file is
// reported. False when it could not be opened.
bool LoadCompetitionFile(std::u16string_view path, std::u16string_view prefix, std::uint32_t ownerId,
                         TCompetitionRegistry& registry, std::vector<std::u16string>& problems);
// The international root and the two continental scripts of the folder,
// read in the oldest layouts; the file version in force is kept. Repaired
// records are reported per file.
void LoadContinentalCompetitions(TCompetitionRegistry& registry, std::u16string_view scriptFolder);
// Kind 0 Europe (days 0..359), 1 and 2 South America; others all zero.
DayCodes MergeContinentalDayCodes(int kind, int season);

// The country's leagues, relegation competitions and pools with their chains.
void DeleteLeagueSystem(TCompetitionRegistry& registry, std::uint32_t country);
void CollectCompetitionChain(const CDBCompetition* competition, std::vector<std::uint32_t>& ids, bool sameTypeOnly);

// Lets the country files read their competitions through this factory.
void InstallCompetitionFactory();
