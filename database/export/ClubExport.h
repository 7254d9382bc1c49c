#pragma once
// The club's block of the game database ("CLUB"), the club-colour part of
// the world block ("GLDT") and the game forms of the records a country
// owns: referees, sponsors and stadiums. The export writes every block
// twice, in its sizing pass and in its writing pass, and both passes must
// produce the same bytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

class CBadgeSources;
class CMasterWriter;
class CNameList;
class CTabbedConfig;
class CTeamColourTextFile;
class TClub;
class TReferee;
class TSponsor;
class TStadium;

// What one export settles for a club in its sizing pass and reuses in its
// writing pass: the block's size and the badge file the block names. The
// badge decision looks at the disk, which may change between the passes;
// taking it once keeps the sizes and the bytes in step. One cache serves
// one export; the clubs must outlive it.
class TClubExportCache {
public:
    // Where the clubs' badge files are looked for.
    explicit TClubExportCache(const CBadgeSources& badges);

    struct TEntry {
        std::uint32_t blockSize = 0;
        std::u16string badgeFile;
    };
    // The club's entry, null before its first block was written.
    const TEntry* Find(const TClub& club) const;

private:
    friend bool WriteClubChunk(TClub& club, CMasterWriter& writer, TClubExportCache& cache);
    void Settle(const TClub& club, std::uint32_t blockSize, std::u16string badgeFile);

    const CBadgeSources& badges_;
    std::unordered_map<const TClub*, TEntry> entries_;
};

// The "CLUB" block of a club or national team, its persons included. The
// first call for a club measures the block and takes the badge decision;
// later calls with the same cache write the same bytes. Like the game's
// own export it stores two values back into the club: badge parameter 3
// takes parameter 4, and a stadium capacity of 10 or less its default.
// Before the players the club's country becomes the world's export club
// country. False when the writing pass meets a club that the cache's sizing
// pass did not see: its size cannot be stated, and the export must fail.
bool WriteClubChunk(TClub& club, CMasterWriter& writer, TClubExportCache& cache);

// Parts of the block.
// The years of a history text ("1950,1961,..."; a leading '"' skipped) up
// to the first below 1800, then a 0; nothing but the 0 for a text that
// does not begin with a digit.
void ExportYearList(CMasterWriter& writer, std::u16string_view historyText);
// The address as the game shows it: each "  " and each ", " begins a line.
std::u16string GetExportAddress(std::u16string_view address);
// The three club values, each raised to at least 1000, 100 and 100.
void ExportClubValues(const TClub& club, CMasterWriter& writer);

// The badge path as the block names it: upper case, the size folder as
// "Badge%d" and '/' between the folders.
std::u16string GetNormalisedBadgePath(std::u16string_view path);

// The club-colour part of "GLDT": the team colours (both colours of each
// entry), the merchandise colours and the 64 rows of the interface colour
// table; a missing or short row is written as the default row.
void WriteClubColours(CMasterWriter& writer, const CTabbedConfig& guiColours,
                      const CTeamColourTextFile& teamColours, const CTeamColourTextFile& merchandiseColours);

// The referee's names as indexes into the name lists of key 0 (male first
// names and surnames). False once the lists hold a name that no u16 index
// reaches (CNameList::HasIndexOverflow); the bytes keep their size, and
// the export must then fail.
bool ExportReferee(const TReferee& referee, CMasterWriter& writer, CNameList& names);
void ExportSponsor(const TSponsor& sponsor, CMasterWriter& writer);
// The stands in the game's order 0, 4, 2, 6, 1, 7, 3, 5, the two masks
// reordered the same way.
void ExportStadium(const TStadium& stadium, CMasterWriter& writer);
