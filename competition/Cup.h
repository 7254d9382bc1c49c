#pragma once
// Knock-out competitions: a single round taking teams from others, and a
// whole cup whose shape comes from its cup kind's entry of the cup table.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "competition/Competition.h"

struct TCupAllocEntry;

class CDBRound : public CDBCompetition {
public:
    CDBRound(std::uint32_t id, std::uint32_t ownerId, TCompetitionRegistry& registry)
        : CDBCompetition(id, KindRound, ownerId, registry)
    {
    }
    void Read(CIndexTextFile& file) override;
    bool Write(CIndexTextFile& file, std::int32_t countryOverride) const override;
    void WriteBlock(CMasterWriter& writer) const override;
    int GetMatchdayCount() const override { return (legFlags_ & 0x6) != 0 ? 2 : 1; }
    std::uint32_t CheckConsistency(int season, int firstReserveTeamLevel) const override;
    void SetLegFlags(std::uint32_t flags) { legFlags_ = flags; }

private:
    // First and second scheduled day 1..364 of a season, 0 for none.
    std::pair<int, int> MatchDays(int season) const;
    void ScheduleDay(int season, std::int32_t day, std::int8_t entry);

    std::int32_t teamCount_ = 0;
    std::uint32_t legFlags_ = 0;
    std::uint32_t legFlags2_ = 0;
};

class CDBCup : public CDBCompetition {
public:
    CDBCup(std::uint32_t id, std::uint32_t ownerId, TCompetitionRegistry& registry)
        : CDBCompetition(id, KindCup, ownerId, registry)
    {
    }
    void Read(CIndexTextFile& file) override;
    bool Write(CIndexTextFile& file, std::int32_t countryOverride) const override;
    void WriteBlock(CMasterWriter& writer) const override;
    int GetMatchdayCount() const override;
    std::uint32_t CheckConsistency(int season, int firstReserveTeamLevel) const override;
    std::u16string GetMatchdayName(int matchday) const override;

    std::uint16_t GetCupKind() const { return cupKind_; }
    void SetCupKind(std::uint16_t kind) { cupKind_ = kind; }
    const TCupAllocEntry* GetEntry() const;
    // A copy of its kind's template rules for its country and level, as a
    // reload gives it; nothing without a shape.
    void TakeKindRules();
    // The first source's level when it is a league, else 0.
    int GetSourceLeagueLevel() const;
    // Round and leg (0, 1) of a matchday 1..; the round count past the end.
    void FindLegOfMatchday(int matchday, int& round, int& leg) const;
    void SetSettings(const SettingsBlock& block) override;
    void GetSettings(SettingsBlock& block) const override;
    void SetCupTableEntry(int i, int j, std::int32_t value);
    std::int32_t GetCupTableEntry(int i, int j) const;
    bool WasRepaired() const override { return repaired_; }

protected:
    virtual void ReadExtra(CIndexTextFile&) {}
    virtual bool WriteExtra(CIndexTextFile&) const { return true; }

private:
    void KeepUnreadLines(CIndexTextFile& file, std::size_t afterNames, std::size_t valuesAt);

    std::uint16_t cupKind_ = 0;
    std::uint16_t cupValue_ = 0;
    std::int32_t cupNumber_ = 0;
    std::int32_t cupTable_[4][8] = {};
    // The lines after the names of a record whose cup kind has no shape,
    // written back as read (in the file's form) but for what they need to
    // pair up at all, and paired by their keys alone where that differs.
    std::string unreadLines_;
    std::optional<std::string> pairedLines_;
    bool repaired_ = false;
};

// A relegation cup that keeps its level in its record.
class CDBRelSwitzerland : public CDBCup {
public:
    using CDBCup::CDBCup;

protected:
    void ReadExtra(CIndexTextFile& file) override;
    bool WriteExtra(CIndexTextFile& file) const override;
};
