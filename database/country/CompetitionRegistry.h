#pragma once
// What the database knows of a competition, and the world's registry of
// competitions by id. The classes behind it and the factory that reads them
// live above the database; the factory is installed at start
// (SetCompetitionReader) so that a country file can read its competitions.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <memory>
#include <string_view>
#include <vector>

#include "core/files/IndexTextFile.h"

class CIndexTextFile;
class CMasterWriter;
class TCompetitionRegistry;
class TCountry;
class TStagedSection;

// Day codes of one season: per day 0..364, 0 or the international round
// played that day.
using TSeasonDayCodes = std::array<std::uint32_t, 365>;
// Per league level 0..15: a count of leagues, or a relegation rule.
using TLevelBytes = std::array<std::uint8_t, 16>;

class CDBCompetitionBase {
public:
    virtual ~CDBCompetitionBase() = default;
    virtual std::uint32_t GetId() const = 0;
    virtual int GetKind() const = 0;
    virtual std::int8_t GetLevel() const = 0;
    virtual const char16_t* GetNameInLanguage(int language) const = 0;
    // The team in slot index of a league's or pool's list, 0 when none.
    virtual std::uint32_t GetTeamSlot(int index) const = 0;
    virtual int GetAssignedTeamCount() const = 0;
    // Takes the team out of a league's list; other competitions hold none.
    virtual bool RemoveTeam(std::uint32_t team) { return false; }
    // How many teams a league is set to hold; 0 for other competitions.
    virtual int GetTeamCount() const { return 0; }
    // A league's multipliers in per cent; -1 for competitions without them.
    virtual int GetAttendanceMultiplier() const { return -1; }
    virtual int GetTransferMultiplier() const { return -1; }
    // The next competition in the chain of the country's league structure
    // and the ten competitions that follow this one, as ids (0 for none).
    virtual std::uint32_t GetNextId() const = 0;
    virtual std::uint32_t GetFollowerId(int index) const = 0;
    // Error bits of the calendar and team checks; 0 when sound.
    virtual std::uint32_t CheckConsistency(int season, int firstReserveTeamLevel) const = 0;
    // The matchday played on a day of season 0 or 1, 0 for none.
    virtual std::int8_t GetCalendarEntry(int season, int day) const = 0;
    virtual bool Write(CIndexTextFile& file, std::int32_t countryOverride) const = 0;
    virtual void WriteBlock(CMasterWriter& writer) const = 0;
    // The name in the world's database language (language 0 without a world).
    const char16_t* GetName() const;
};

class TCompetitionRegistry {
public:
    // False, and the object is destroyed, when the id is taken.
    bool Register(std::unique_ptr<CDBCompetitionBase> competition);
    CDBCompetitionBase* Get(std::uint32_t id) const;
    // Removes the entry only when it is that object.
    std::unique_ptr<CDBCompetitionBase> Take(const CDBCompetitionBase* competition);
    // Destroys every competition whose country byte is country.
    void EraseCountry(std::uint32_t country);
    void Clear() { competitions_.clear(); }
    // Ids in ascending order of one country byte and type.
    std::vector<std::uint32_t> IdsOf(std::uint32_t country, std::uint32_t type) const;
    std::size_t Size() const { return competitions_.size(); }
    const std::map<std::uint32_t, std::unique_ptr<CDBCompetitionBase>>& All() const { return competitions_; }

private:
    std::map<std::uint32_t, std::unique_ptr<CDBCompetitionBase>> competitions_;
};

// What reading one competition record gave.
struct TRecordRead {
    // The competition registered, null when none was.
    const CDBCompetitionBase* competition = nullptr;
    // How the user knows the record (CompetitionRecordName).
    std::u16string name;
    // The first line of the record (from 1, its begin line not counted)
    // that its stream found broken, 0 for none, with its key and kind
    // (CIndexTextFile::GetBrokenSectionLine).
    std::size_t brokenLine = 0;
    std::u16string brokenSection;
    CIndexTextFile::TBroken brokenKind = CIndexTextFile::TBroken::BeginLine;
};

// A record as the user knows it: its name, or where it has none the
// reference its file gives.
std::u16string CompetitionRecordName(std::u16string_view name, std::u16string_view reference);

// The factory as the country file sees it: reads one record, kept as the
// lines of its section key, under the owner and registers it; the names of
// records it had to repair or could not register go to problems.
struct TCompetitionReader {
    TRecordRead (*readRecord)(const TStagedSection& section, std::u16string_view key, std::uint32_t ownerId,
                              TCompetitionRegistry& registry, std::vector<std::u16string>& problems) = nullptr;
    // A country's empty root competition.
    std::unique_ptr<CDBCompetitionBase> (*makeRoot)(std::uint32_t id, TCompetitionRegistry& registry) = nullptr;
    // The cup shapes and the international competitions of the script
    // folder, read again.
    void (*loadWorldScripts)(TCompetitionRegistry& registry, std::u16string_view scriptFolder) = nullptr;
    // The country's league structure, which needs the concrete classes.
    void (*setLeagueSystem)(TCountry& country, int scriptId, const TLevelBytes& leagues,
                            const TLevelBytes& rules) = nullptr;
    void (*rebuildLeagues)(TCountry& country, const TLevelBytes& leagues, const TLevelBytes& rules) = nullptr;
    void (*buildLeaguePools)(TCountry& country) = nullptr;
    // The international dates of a continent's season (0 Europe, 1 and 2
    // South America's; other continents have none).
    TSeasonDayCodes (*continentalDayCodes)(int continent, int season) = nullptr;
    // The cup-shape table in the game database's form; false, writing
    // nothing, when the table is empty.
    bool (*writeCupAllocation)(CMasterWriter& writer) = nullptr;
};
// One message naming the records of a file that were repaired or left
// out; nothing for an empty list.
void ReportRepairedRecords(const std::vector<std::u16string>& records, std::u16string_view fileName);

void SetCompetitionReader(const TCompetitionReader& reader);
const TCompetitionReader& GetCompetitionReader();
