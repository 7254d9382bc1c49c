#pragma once
// Reads a Master.dat back by the sizes it states and checks what the game
// relies on: header, size and checksum; the country headers; the cup table;
// the 640 name lists, as the writer ordered them; the rules; "GLDT"; and
// every "CNTY" block with its competitions and "CLUB" blocks, each ending
// exactly at its size. Club references must be 0, 0xFFFFFFFF, a national team or a game
// id the maps hold; unique ids must be unique; name indexes must lie
// inside their lists.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CNameList;
class TGameIdMaps;

namespace database_testing {

struct TMasterDatCountry {
    std::uint8_t leagueCount = 0;
    std::uint32_t clubCount = 0;
    int clubBlocks = 0;
    std::vector<std::uint32_t> uniqueIds;
    std::uint32_t competitionSize = 0;
    // Offsets in the file.
    std::size_t blockStart = 0;
    std::size_t blockEnd = 0;
    std::vector<std::pair<std::size_t, std::size_t>> clubRanges;
};

struct TMasterDatSummary {
    std::string problem;
    // Entry counts of the 640 lists.
    std::vector<std::uint32_t> listEntries;
    std::map<int, TMasterDatCountry> countries;
    bool ok() const { return problem.empty(); }
};

// names: the lists the export wrote, whose UTF-16 texts give the order;
// cupTableSize: the bytes the cup table takes (its writer's size).
TMasterDatSummary CheckMasterDat(const std::vector<std::uint8_t>& file, const TGameIdMaps& maps,
                                 const CNameList& names, std::uint32_t cupTableSize);

// The size the installed cup-table writer gives, 0 without a table.
std::uint32_t CupTableSize();

// Size field and checksum of the header made to fit the data again.
void FixMasterDatHeader(std::vector<std::uint8_t>& file);

}  // namespace database_testing
