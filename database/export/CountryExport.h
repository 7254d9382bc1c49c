#pragma once
// A country in the game database: the header every country writes in the
// pass of headers, the "CNTY" block it writes in the pass of blocks, and the
// completeness test that decides whether the game gets its leagues.

#include <cstdint>

class CMasterWriter;
class CNameList;
class TClubExportCache;
class TCountry;

// What the writers of one export share: the clubs' settled blocks, the
// name lists the persons' names go into, and whether a writer met what it
// cannot write (a list index beyond its u16, a club the sizing pass did
// not see), which fails the export.
struct TExportContext {
    TClubExportCache& clubs;
    CNameList& names;
    bool failed = false;
};

// At least 10 clubs (the national team counted), a league 0 set to hold
// at least 8 teams, and every competition of types 1..23 with an index
// 0..5 passing its checks for both seasons.
bool IsComplete(TCountry& country);

// The country header; returns whether the country is complete.
bool WriteCountryHeader(TCountry& country, CMasterWriter& writer);

// The two lengths the "CNTY" block states, found in the sizing pass and
// written in the writing pass.
struct TCountryBlockSizes {
    std::uint32_t block = 0;
    std::uint32_t competitions = 0;
};

// The "CNTY" block. Writing it raises the first language share to make the
// shares add up to 100 and fills the league ratings of the unused levels.
void WriteCountryBlock(TCountry& country, CMasterWriter& writer, TCountryBlockSizes& sizes, TExportContext& context);
