#pragma once
// Leagues: the entered teams and league data of every league, and the
// league proper with size, rounds, relegation rule, multipliers, its two
// calendars and its fixture table.

#include <cstdint>
#include <vector>

#include "competition/Competition.h"

// Rows of matchdays, columns of matches; each cell the 1-based positions of
// home and away in the league's team list, 0 for none.
class CDBFixturelist {
public:
    void Allocate(int matchesPerMatchday, int matchdays);
    void SetMatch(int matchday, int slot, std::uint8_t home, std::uint8_t away);
    // Outputs untouched outside the table.
    void GetMatch(int matchday, int slot, std::uint8_t& home, std::uint8_t& away) const;
    int GetMatchdayCount() const { return matchdays_; }
    int GetMatchesPerMatchday() const { return perMatchday_; }
    void ClearMatchday(int matchday);
    void ClearAll();
    bool IsValid(int teamCount) const;

private:
    int matchdays_ = 0;
    int perMatchday_ = 0;
    std::vector<std::uint8_t> cells_;
};

class CDBLeagueBase : public CDBCompetition {
public:
    static constexpr int MaxTeams = 128;

    CDBLeagueBase(std::uint32_t id, int kind, std::uint32_t ownerId, TCompetitionRegistry& registry)
        : CDBCompetition(id, kind, ownerId, registry)
    {
    }
    std::uint32_t GetTeamSlot(int index) const override;
    int GetAssignedTeamCount() const override { return enteredCount_; }
    int IndexOfTeam(std::uint32_t team) const override;
    std::uint32_t CheckConsistency(int season, int firstReserveTeamLevel) const override;

    bool AddTeam(std::uint32_t team);
    bool RemoveTeam(std::uint32_t team) override;
    // Empties the list: slots 0..23 and the count.
    void ResetTeams();
    // The count to 0; the ids stay in their slots.
    void ClearTeams() { enteredCount_ = 0; }
    // A negative position appends; false for an empty id or a full list.
    bool InsertTeam(int position, std::uint32_t team);
    // The slot when 0 <= index < the count, else slot 0.
    std::uint32_t GetTeamIdAt(int index) const;
    // Ignored beyond the league's size; raises the count to index + 1.
    void SetTeamIdAt(int index, std::uint32_t team);
    int GetTeamCount() const override { return teamCount_; }
    int GetReserveTeamCount() const;
    // True when a competition ahead of it, or a pool that is fed itself,
    // brings its teams, so that its list may stay short in the editor.
    bool IsFilledFromSources() const;
    // The team positions its fixture table may name: its size when it is
    // filled from its sources, else the teams entered.
    int PositionsInUse() const { return IsFilledFromSources() ? teamCount_ : enteredCount_; }

    // The league data dialog's values. leagueDataA holds eight 4-bit fields,
    // leagueDataB four 4-bit fields (bits 0..15) and three 5-bit fields
    // (bits 16..30); a setter changes only its field's bits, a field out of
    // range reads 0 and is not written.
    std::uint8_t GetLeagueFlags() const { return leagueFlags_; }
    void SetLeagueFlags(std::uint8_t flags) { leagueFlags_ = flags; }
    std::int8_t GetLeagueValue1() const { return leagueValue1_; }
    void SetLeagueValue1(std::int8_t value) { leagueValue1_ = value; }
    std::int8_t GetLeagueValue2() const { return leagueValue2_; }
    void SetLeagueValue2(std::int8_t value) { leagueValue2_ = value; }
    std::uint32_t GetLeagueDataA() const { return leagueDataA_; }
    std::uint32_t GetLeagueDataB() const { return leagueDataB_; }
    static constexpr int DataAFieldCount = 8;
    static constexpr int DataBFieldCount = 4;
    static constexpr int DataBWideFieldCount = 3;
    int GetLeagueDataAField(int field) const;
    void SetLeagueDataAField(int field, int value);
    int GetLeagueDataBField(int field) const;
    void SetLeagueDataBField(int field, int value);
    int GetLeagueDataBWideField(int field) const;
    void SetLeagueDataBWideField(int field, int value);

protected:
    void ReadLeagueData(CIndexTextFile& file);
    bool WriteLeagueData(CIndexTextFile& file) const;
    void WriteLeagueDataBlock(CMasterWriter& writer) const;

    std::int32_t enteredCount_ = 0;
    std::uint32_t teamIds_[MaxTeams] = {};
    std::int32_t teamCount_ = 18;
    std::uint8_t leagueFlags_ = 3;
    std::int8_t leagueValue1_ = 0;
    std::int8_t leagueValue2_ = 0;
    std::uint32_t leagueDataA_ = 0xFFFFFFFF;
    std::uint32_t leagueDataB_ = 0x0000FFFF;
};

class CDBLeague : public CDBLeagueBase {
public:
    CDBLeague(std::uint32_t id, std::uint32_t ownerId, TCompetitionRegistry& registry);

    void Read(CIndexTextFile& file) override;
    bool Write(CIndexTextFile& file, std::int32_t countryOverride) const override;
    void WriteBlock(CMasterWriter& writer) const override;
    int GetMatchdayCount() const override;
    std::uint32_t CheckConsistency(int season, int firstReserveTeamLevel) const override;
    int GetAttendanceMultiplier() const override { return attendanceMultiplier_; }
    int GetTransferMultiplier() const override { return transferMultiplier_; }

    // Sizes kept in 0..128 teams and 1..4 rounds; more than 46 matchdays
    // give 2 rounds, more than a calendar byte holds 1.
    void SetTeamsAndRounds(int teams, int rounds);
    int GetRounds() const { return rounds_; }
    std::uint8_t GetRelegationRule() const { return relegationRule_; }
    void SetAttendanceMultiplier(std::uint8_t percent) { attendanceMultiplier_ = percent; }
    void SetTransferMultiplier(std::uint8_t percent) { transferMultiplier_ = percent; }
    void SetRelegationRule(std::uint8_t rule) { relegationRule_ = rule; }
    // The table re-made empty for the league's sizes.
    void ResetFixtureTable();
    // A list of its own: the pool's teams from position x on, then the
    // spare teams.
    void SetPoolRules(const CDBCompetition* pool, int x);
    // Names, sizes, rules, multipliers, settings, league data and links.
    void CopyLeagueSettings(const CDBLeague& other);
    // The settings, the teams, the calendar and the fixtures both tables hold.
    void CopyFrom(const CDBLeague& other);
    int GetMatchesPerMatchday() const { return teamCount_ / 2; }
    const CDBFixturelist& GetFixturelist() const { return fixtures_; }
    CDBFixturelist& GetFixturelist() { return fixtures_; }
    // Clubs 1..teamCount of the country for a league script's empty list.
    void SetFillEmptyTeams(bool fill) { fillEmptyTeams_ = fill; }
    // True when the record's sizes had to be brought into range.
    bool WasRepaired() const override { return repaired_; }

private:
    void ReadTeams(CIndexTextFile& file);
    void ReadFixtures(CIndexTextFile& file);
    void FillFromCreator();
    bool WriteTeams(CIndexTextFile& file) const;
    bool WriteFixtures(CIndexTextFile& file) const;

    CDBFixturelist fixtures_;
    std::int8_t rounds_ = 2;
    std::uint8_t relegationRule_ = 0;
    std::uint8_t leagueOption_ = 0;
    std::uint8_t attendanceMultiplier_ = 10;
    std::uint8_t transferMultiplier_ = 100;
    bool fillEmptyTeams_ = false;
    bool repaired_ = false;
};

int MatchdayCountFormula(int teams, int rounds);
