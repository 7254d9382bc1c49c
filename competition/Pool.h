#pragma once
// A pool gathers teams from other competitions and hands them on in a draw
// order; its selection is a rule list, gathered as pending entries while a
// league structure is built and then committed to the rule store.

#include <cstdint>
#include <vector>

#include "competition/Competition.h"
#include "competition/TeamRules.h"

class CDBLeague;

class CDBPool : public CDBCompetition {
public:
    static constexpr int MaxTeams = 120;
    static constexpr int MaxChecked = 3;

    CDBPool(std::uint32_t id, std::uint32_t ownerId, TCompetitionRegistry& registry)
        : CDBCompetition(id, KindPool, ownerId, registry)
    {
    }
    void Read(CIndexTextFile& file) override;
    bool Write(CIndexTextFile& file, std::int32_t countryOverride) const override;
    void WriteBlock(CMasterWriter& writer) const override;
    int GetMatchdayCount() const override { return 0; }
    int IndexOfTeam(std::uint32_t team) const override;
    std::uint32_t GetTeamSlot(int index) const override;
    int GetAssignedTeamCount() const override { return static_cast<int>(teamIds_.size()); }

    bool AddTeam(std::uint32_t team);
    void AddToTeamCount(int n) { teamMax_ = static_cast<std::uint16_t>(teamMax_ + n); }
    void AddCheckedCompetition(std::uint32_t id);
    void SetReserveTeams(bool on);
    bool GetReserveTeams() const { return (drawOrder_ & 0x8000) != 0; }
    std::uint16_t GetDrawOrder() const { return drawOrder_; }
    int GetCheckedCount() const { return static_cast<int>(checked_.size()); }

    void AddTableRange(int skipTop, int skipBottom, const CDBLeague& league);
    void AddTopTeams(int n, const CDBLeague& league);
    void AddBottomTeams(int n, const CDBLeague& league);
    void AddChampion(int leagueIndex);
    void AddSpareTeams();
    void CommitRules();

private:
    void AddPending(std::uint32_t command, std::uint32_t id, int x, int y);

    std::vector<std::uint32_t> teamIds_;
    std::uint16_t teamMax_ = 0;
    std::uint16_t drawOrder_ = 0;
    std::vector<std::uint32_t> checked_;
    std::vector<TRuleEntry> pendingRules_;
};
