#pragma once
// The base of every competition object: id, six names, a two-season
// calendar of matchdays, links to the competitions that feed it and follow
// it (kept as ids and resolved through the registry at each use), general
// settings, level and team-selection rules, with the text and binary parts
// every record ends with.

#include <array>
#include <cstdint>
#include <set>
#include <string>

#include "database/country/CompetitionRegistry.h"

class CIndexTextFile;
class CMasterWriter;

enum CompetitionKind : int { KindRoot = 0, KindLeague = 1, KindSpare = 2, KindCup = 3, KindRound = 4, KindPool = 5 };

constexpr int SeasonDays = 365;
constexpr int LinkSlots = 10;
using DayCodes = std::array<std::uint32_t, SeasonDays>;
// The settings block of the cup and league dialogs: a cup keeps words 0..31
// as its table, every competition words 56..59 as its four settings.
using SettingsBlock = std::array<std::int32_t, 60>;

// Consistency bits of CheckConsistency.
enum ConsistencyError : std::uint32_t {
    ErrorFixturelist = 0x10000, ErrorMatchdays = 0x20000, ErrorNotEnoughTeams = 0x40000,
    ErrorReserveTeamsInLeague = 0x80000, ErrorInternationalClash = 0x100000
};

class CDBCompetition : public CDBCompetitionBase {
public:
    static constexpr int NameCapacity = 64;

    CDBCompetition(std::uint32_t id, int classKind, std::uint32_t ownerId, TCompetitionRegistry& registry);

    // CDBCompetitionBase
    std::uint32_t GetId() const override { return id_; }
    int GetKind() const override { return classKind_; }
    std::int8_t GetLevel() const override { return level_; }
    const char16_t* GetNameInLanguage(int language) const override;
    std::uint32_t GetTeamSlot(int) const override { return 0; }
    int GetAssignedTeamCount() const override { return 0; }
    bool Write(CIndexTextFile& file, std::int32_t countryOverride) const override;
    void WriteBlock(CMasterWriter& writer) const override;

    // Reads the rest of a record whose class and reference lines are read.
    virtual void Read(CIndexTextFile& file);
    virtual int GetMatchdayCount() const = 0;
    std::uint32_t CheckConsistency(int season, int firstReserveTeamLevel) const override;
    virtual int IndexOfTeam(std::uint32_t) const { return 0; }
    virtual std::u16string GetMatchdayName(int matchday) const;
    // True when the record read was damaged and is written repaired.
    virtual bool WasRepaired() const { return false; }

    std::uint32_t GetType() const { return (id_ >> 16) & 0xFF; }
    std::uint32_t GetCountryId() const { return id_ >> 24; }
    void SetId(std::uint32_t id) { id_ = id; }
    // At most 63 characters; double quotes become apostrophes.
    void SetName(int language, const char16_t* text);
    void SetLevel(std::int8_t level) { level_ = level; }
    std::int8_t GetRoundKind() const { return roundKind_; }
    void SetRoundKind(std::int8_t kind) { roundKind_ = kind; }
    std::uint8_t GetDayGroup() const { return dayGroup_; }
    void SetDayGroup(std::uint8_t group) { dayGroup_ = group; }
    std::uint32_t GetRuleListIndex() const { return ruleListIndex_; }
    void SetRuleListIndex(std::uint32_t index) { ruleListIndex_ = index; }
    std::uint32_t GetOwnerId() const { return ownerId_; }
    CDBCompetition* GetPrevious() const { return Resolve(previousId_); }
    CDBCompetition* GetNext() const { return Resolve(nextId_); }
    void SetPrevious(std::uint32_t id) { previousId_ = id; }
    void SetNext(std::uint32_t id) { nextId_ = id; }
    bool HasTeam(std::uint32_t team) const { return IndexOfTeam(team) != -1; }
    virtual void SetSettings(const SettingsBlock& block);
    virtual void GetSettings(SettingsBlock& block) const;
    std::int32_t GetSetting(int i) const { return i >= 0 && i < 4 ? settings_[i] : 0; }
    void SetSetting(int i, std::int32_t value) { if (i >= 0 && i < 4) settings_[i] = value; }
    TCompetitionRegistry& GetRegistry() const { return registry_; }

    // Links.
    int AddSource(std::uint32_t id, bool link);
    void AddFollower(std::uint32_t id, bool link);
    void RemoveSource(std::uint32_t id);
    void RemoveFollower(std::uint32_t id);
    void ClearFollowers() { followers_ = {}; }
    CDBCompetition* GetSource(int i) const;
    CDBCompetition* GetFollower(int i) const;
    std::uint32_t GetSourceId(int i) const { return i >= 0 && i < LinkSlots ? sources_[i] : 0; }
    std::uint32_t GetFollowerId(int i) const override { return i >= 0 && i < LinkSlots ? followers_[i] : 0; }
    std::uint32_t GetNextId() const override { return nextId_; }
    void CopyLinks(const CDBCompetition& other);

    // Calendar. Seasons 0 and 1, days 0..364.
    std::int8_t GetCalendarEntry(int season, int day) const override;
    void SetCalendarEntry(int season, int day, std::int8_t entry);
    std::array<std::int8_t, SeasonDays> GetSeasonCalendar(int season) const;
    void SetSeasonCalendar(int season, const std::array<std::int8_t, SeasonDays>& days);
    void ClearCalendar() { calendar_ = {}; }
    int GetPreviousMatchday(int season, int day) const;
    // The entry of the latest scheduled day of the season, day 364 included.
    int GetLastMatchday(int season) const { return GetPreviousMatchday(season, SeasonDays); }
    bool HasMatchNear(int season, int day) const;
    // Walks followers; a competition met twice ends the walk.
    bool HasMatchOnDay(int season, int day) const;
    std::int8_t GetMatchdayOnDay(int season, int day) const;
    void AddMatchday(int season, int day);
    void RemoveMatchday(int season, int day);
    void FillDayCodes(int season, DayCodes& codes) const;
    std::uint32_t CheckInternationalClash(int season, const DayCodes& codes) const;

protected:
    using Visited = std::set<const CDBCompetition*>;
    CDBCompetition* Resolve(std::uint32_t id) const;
    std::uint32_t FollowerConsistency(int season, int firstReserveTeamLevel) const;
    // The names, and with shortNamesLine the older layouts' short names
    // where the record holds them; leadingNumbers is how many number lines
    // begin the record's values.
    void ReadNames(CIndexTextFile& file, bool shortNamesLine, int leadingNumbers);
    bool WriteNames(CIndexTextFile& file) const;
    void ReadCommon(CIndexTextFile& file);
    bool WriteCommon(CIndexTextFile& file, std::int32_t countryOverride) const;
    void WriteCommonBlock(CMasterWriter& writer) const;
    void WriteHeadBlock(CMasterWriter& writer, std::uint16_t tag) const;
    // "%d," per scheduled day, "0," per unscheduled matchday, last comma removed.
    std::u16string FormatDayList(int season) const;
    void ParseDayList(int season, std::u16string_view text, int maxCount);
    // Exactly GetMatchdayCount values per season: the scheduled days, then zeros.
    void WriteDayBlock(CMasterWriter& writer) const;
    // Files of 2007 before minor 12 hold season 1 a day early.
    void ShiftOldSecondSeason();
    // Reads MATCHDAYS and MATCHDAYS2; false when MATCHDAYS is absent.
    void ReadSeasonSections(CIndexTextFile& file, int maxCount, bool scheduleEmpty);
    bool WriteSeasonSections(CIndexTextFile& file) const;
    static bool FileHasShortNames(std::uint32_t minorGate);

    char16_t names_[6][NameCapacity] = {};
    std::uint32_t ruleListIndex_ = 0;
    std::uint32_t id_;
    std::array<std::array<std::int8_t, SeasonDays>, 2> calendar_{};
    std::int8_t roundKind_ = 0;
    int classKind_;
    std::uint8_t dayGroup_ = 3;
    std::uint32_t ownerId_;
    std::uint32_t previousId_ = 0;
    std::uint32_t nextId_ = 0;
    std::array<std::uint32_t, LinkSlots> sources_{};
    std::array<std::uint32_t, LinkSlots> followers_{};
    std::array<std::int32_t, 4> settings_{};
    std::int8_t level_ = -1;

private:
    bool HasMatchOnDay(int season, int day, Visited& visited) const;
    std::int8_t GetMatchdayOnDay(int season, int day, Visited& visited) const;
    void AddMatchday(int season, int day, Visited& visited);
    void RemoveMatchday(int season, int day, Visited& visited);
    bool FollowsOwnLevel(const CDBCompetition& follower) const;

    TCompetitionRegistry& registry_;
};

class CDBRoot : public CDBCompetition {
public:
    CDBRoot(std::uint32_t id, std::uint32_t ownerId, TCompetitionRegistry& registry)
        : CDBCompetition(id, KindRoot, ownerId, registry)
    {
    }
    int GetMatchdayCount() const override { return 0; }
};

// A match on the day before, the day or the day after, in the competition
// or in the chain of its first followers; a chain met twice ends the walk.
bool HasMatchNearInChain(const CDBCompetition* competition, int season, int day);

// Destroys a competition after taking it out of every chain and link.
void DeleteCompetition(CDBCompetition* competition);
void UnlinkCompetition(CDBCompetition& competition);
