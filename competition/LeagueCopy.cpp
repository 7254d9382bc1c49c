// The parts of a league that a country's league structure sets when it
// builds or rebuilds its leagues, and where its teams come from.
#include <algorithm>

#include "competition/League.h"
#include "competition/TeamRules.h"

void CDBLeagueBase::ResetTeams()
{
    std::fill(std::begin(teamIds_), std::end(teamIds_), 0u);
    enteredCount_ = 0;
}

void CDBFixturelist::ClearMatchday(int matchday)
{
    for (int slot = 0; slot < perMatchday_; ++slot) SetMatch(matchday, slot, 0, 0);
}

void CDBFixturelist::ClearAll() { std::fill(cells_.begin(), cells_.end(), std::uint8_t{0}); }

bool CDBLeagueBase::InsertTeam(int position, std::uint32_t team)
{
    if (position < 0) return AddTeam(team);
    if ((team & 0xFFFF) == 0 || enteredCount_ >= teamCount_ || enteredCount_ >= MaxTeams) return false;
    if (IndexOfTeam(team) != -1) return true;
    const int at = std::min(position, static_cast<int>(enteredCount_));
    std::copy_backward(teamIds_ + at, teamIds_ + enteredCount_, teamIds_ + enteredCount_ + 1);
    teamIds_[at] = team;
    ++enteredCount_;
    return true;
}

std::uint32_t CDBLeagueBase::GetTeamIdAt(int index) const
{
    return index >= 0 && index < enteredCount_ ? teamIds_[index] : teamIds_[0];
}

void CDBLeagueBase::SetTeamIdAt(int index, std::uint32_t team)
{
    if (index < 0 || index >= std::min(static_cast<int>(teamCount_), static_cast<int>(MaxTeams))) return;
    teamIds_[index] = team;
    enteredCount_ = std::max(static_cast<int>(enteredCount_), index + 1);
}

void CDBLeague::SetPoolRules(const CDBCompetition* pool, int x)
{
    TRuleEntry fromPool;
    fromPool.command = RuleGetPool;
    fromPool.word1 = pool != nullptr ? pool->GetId() : 0;
    fromPool.argX = static_cast<std::uint8_t>(x);
    fromPool.argY = static_cast<std::uint8_t>(teamCount_);
    // The text form of the spare-team command has no arguments; any given
    // here would be lost by the first save and change the export.
    TRuleEntry spare;
    spare.command = RuleGetTabSpare;
    ruleListIndex_ = GetTeamRuleStore().AppendList({fromPool, spare});
}

void CDBLeague::CopyLeagueSettings(const CDBLeague& other)
{
    for (int language = 0; language < 6; ++language) SetName(language, other.GetNameInLanguage(language));
    teamCount_ = other.teamCount_;
    level_ = other.level_;
    relegationRule_ = other.relegationRule_;
    leagueOption_ = other.leagueOption_;
    rounds_ = other.rounds_;
    attendanceMultiplier_ = other.attendanceMultiplier_;
    transferMultiplier_ = other.transferMultiplier_;
    settings_ = other.settings_;
    leagueDataA_ = other.leagueDataA_;
    leagueDataB_ = other.leagueDataB_;
    leagueFlags_ = other.leagueFlags_;
    CopyLinks(other);
}

void CDBLeague::CopyFrom(const CDBLeague& other)
{
    CopyLeagueSettings(other);
    ResetFixtureTable();
    for (int i = 0; i < other.enteredCount_; ++i) AddTeam(other.teamIds_[i]);
    calendar_ = other.calendar_;
    const int days = std::min(fixtures_.GetMatchdayCount(), other.fixtures_.GetMatchdayCount());
    const int slots = std::min(fixtures_.GetMatchesPerMatchday(), other.fixtures_.GetMatchesPerMatchday());
    for (int day = 0; day < days; ++day) {
        for (int slot = 0; slot < slots; ++slot) {
            std::uint8_t home = 0;
            std::uint8_t away = 0;
            other.fixtures_.GetMatch(day, slot, home, away);
            fixtures_.SetMatch(day, slot, home, away);
        }
    }
}

bool CDBLeagueBase::IsFilledFromSources() const
{
    const CDBCompetition* source = GetSource(0);
    return source != nullptr && (source->GetKind() != KindPool || source->GetSource(0) != nullptr);
}
