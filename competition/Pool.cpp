#include "competition/Pool.h"

#include <algorithm>

#include "competition/CompetitionId.h"
#include "competition/Keywords.h"
#include "competition/League.h"
#include "core/files/IndexTextFile.h"
#include "database/export/MasterWriter.h"

int CDBPool::IndexOfTeam(std::uint32_t team) const
{
    const auto found = std::find(teamIds_.begin(), teamIds_.end(), team);
    return found == teamIds_.end() ? -1 : static_cast<int>(found - teamIds_.begin());
}

std::uint32_t CDBPool::GetTeamSlot(int index) const
{
    return index >= 0 && index < GetAssignedTeamCount() ? teamIds_[static_cast<std::size_t>(index)] : 0;
}

bool CDBPool::AddTeam(std::uint32_t team)
{
    if (IndexOfTeam(team) == -1 && static_cast<int>(teamIds_.size()) < std::min<int>(teamMax_, MaxTeams)) {
        teamIds_.push_back(team);
    }
    return true;
}

void CDBPool::AddCheckedCompetition(std::uint32_t id)
{
    if (GetCheckedCount() < MaxChecked) checked_.push_back(id);
}

void CDBPool::SetReserveTeams(bool on)
{
    drawOrder_ = static_cast<std::uint16_t>(on ? drawOrder_ | 0x8000 : drawOrder_ & ~0x8000);
}

void CDBPool::AddPending(std::uint32_t command, std::uint32_t id, int x, int y)
{
    TRuleEntry entry;
    entry.command = command;
    entry.word1 = id;
    entry.argX = static_cast<std::uint8_t>(x);
    entry.argY = static_cast<std::uint8_t>(y);
    pendingRules_.push_back(entry);
}

void CDBPool::AddTableRange(int skipTop, int skipBottom, const CDBLeague& league)
{
    AddPending(RuleGetTabXToY, league.GetId(), skipTop + 1, league.GetTeamCount() - skipTop - skipBottom);
}

void CDBPool::AddTopTeams(int n, const CDBLeague& league) { AddPending(RuleGetTabXToY, league.GetId(), 1, n); }

void CDBPool::AddBottomTeams(int n, const CDBLeague& league)
{
    AddPending(RuleGetTabXToY, league.GetId(), league.GetTeamCount() - n + 1, n);
}

void CDBPool::AddChampion(int leagueIndex)
{
    AddPending(RuleGetTabXToY, MakeCompetitionId(GetCountryId(), TypeLeague, static_cast<std::uint32_t>(leagueIndex)), 1, 1);
}

void CDBPool::AddSpareTeams() { AddPending(RuleGetTabSpare, 0, 0, 0); }

void CDBPool::CommitRules()
{
    ruleListIndex_ = GetTeamRuleStore().AppendList(pendingRules_);
    pendingRules_.clear();
}

void CDBPool::Read(CIndexTextFile& file)
{
    std::int32_t dropped = 0;
    file.ReadInt32(dropped);
    file.ReadInt16(teamMax_);
    drawOrder_ = static_cast<std::uint16_t>(ParseKeywordFlags(ReadValueText(file), PoolSortTable));
    std::int32_t count = 0;
    file.ReadInt32(count);
    checked_.clear();
    for (std::int32_t n = 0; n < count && n < 4096; ++n) {
        const char16_t* next = file.PeekLine();
        if (next == nullptr || std::u16string_view(next).starts_with(u"%INDEX")) break;
        const std::uint32_t id = ParseCompetitionId(ReadValueText(file), static_cast<std::uint8_t>(GetCountryId()));
        AddCheckedCompetition(id);
    }
    for (int i = 0; i < 4; ++i) file.ReadInt32(dropped);
    ReadCommon(file);
}

bool CDBPool::Write(CIndexTextFile& file, std::int32_t countryOverride) const
{
    bool ok = file.WriteLine(u"DB_POOL") && file.WriteLine(FormatCompetitionRef(id_, countryOverride)) &&
              file.WriteLine(u"0") && file.WriteInt32(teamMax_) &&
              file.WriteLine(FormatKeywordFlags(drawOrder_, PoolSortTable)) &&
              file.WriteLine(u"; how many comps to check") && file.WriteInt32(GetCheckedCount()) &&
              file.WriteLine(u"; which comps to check");
    for (std::uint32_t id : checked_) ok &= file.WriteLine(FormatCompetitionRef(id));
    for (int i = 0; i < 4; ++i) ok &= file.WriteLine(u"0");
    return ok && WriteCommon(file, countryOverride);
}

void CDBPool::WriteBlock(CMasterWriter& writer) const
{
    writer.WriteU32(id_);
    writer.WriteU16(KindPool);
    writer.WriteU16(teamMax_);
    writer.WriteU16(drawOrder_);
    writer.WriteU16(static_cast<std::uint16_t>(GetCheckedCount()));
    writer.WriteU32Array(checked_.data(), checked_.size());
    WriteCommonBlock(writer);
}
