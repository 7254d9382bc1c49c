// A person's move into a club at the start of the season.

#include <algorithm>

#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/person/Person.h"

namespace {
const TDate LastDayAtOldClub{2007, 6, 30};
const TDate FirstDayAtNewClub{2007, 7, 1};
constexpr std::uint16_t JoinedYear = 2007;
constexpr std::uint16_t ContractYear = 2008;

THistoryEntry Spell(std::uint32_t club, TDate start, TDate end, std::uint8_t flags)
{
    THistoryEntry entry;
    entry.clubId = club;
    entry.start = start;
    entry.end = end;
    entry.entryFlags = flags;
    return entry;
}
}  // namespace

bool TPerson::MoveToClub(TClub* club, int teamPart)
{
    if (club == nullptr || club->GetSquadCount() >= TClub::SquadCapacity) return false;
    TClub* oldClub = world_ != nullptr ? world_->FindClubOfPerson(this) : nullptr;
    if (oldClub == club || (oldClub != nullptr && !oldClub->RemovePlayer(this))) return false;
    // The youth keep the team they are in; the number is one of the team
    // the person joins.
    const bool joinsReserve = teamPart == 1 || (teamPart == 2 && IsReserveTeam());
    const std::uint8_t oldNumber = GetShirtNumberIn(joinsReserve);
    SetShirtNumberIn(joinsReserve, static_cast<std::uint8_t>(club->GetFreeShirtNumberFor(this, joinsReserve)));
    if (!club->AddPlayer(this)) {
        // A free agent leaves the list only once the move has happened.
        SetShirtNumberIn(joinsReserve, oldNumber);
        if (oldClub != nullptr) oldClub->AddPlayer(this);
        return false;
    }
    if (oldClub == nullptr && world_ != nullptr) world_->GetFreeAgents().Remove(id_);
    yearJoined = JoinedYear;
    contractUntil = ContractYear;
    if (oldClub != nullptr) CloseHistoryAt(oldClub->GetId());
    AddHistoryEntry(Spell(club->GetId(), FirstDayAtNewClub, FirstDayAtNewClub, THistoryEntry::RunningFlag));
    SetYouthPlayer(teamPart == 2);
    if (teamPart == 0) ClearReserveTeam();
    if (teamPart == 1) SetReserveTeam();
    return true;
}

// The spell at the old club ends on the last day of the season: the latest
// entry (the first of equal ones) when it is that club's, else a new one
// from the day after it. A spell that began on the new season's first day
// ends on that day, as an added entry would, never before it begins.
void TPerson::CloseHistoryAt(std::uint32_t oldClub)
{
    if (history.empty()) {
        AddHistoryEntry(Spell(oldClub, TDate(2006, 6, 30), LastDayAtOldClub, 0));
        return;
    }
    const auto latest = std::max_element(history.begin(), history.end(),
                                         [](const THistoryEntry& a, const THistoryEntry& b) { return a.end < b.end; });
    if (WithoutReserveBit(latest->clubId) == WithoutReserveBit(oldClub)) {
        latest->end = std::max(LastDayAtOldClub, latest->start);
        latest->entryFlags &= static_cast<std::uint8_t>(~THistoryEntry::RunningFlag);
        return;
    }
    AddHistoryEntry(Spell(oldClub, latest->end + 1, LastDayAtOldClub, 0));
}

void TPerson::EndRunningSpellsAt(std::uint32_t club)
{
    for (THistoryEntry& spell : history) {
        if (!spell.IsRunning() || WithoutReserveBit(spell.clubId) != WithoutReserveBit(club)) continue;
        spell.end = std::max(spell.start, LastDayAtOldClub);
        spell.entryFlags &= static_cast<std::uint8_t>(~THistoryEntry::RunningFlag);
    }
}

TMoveFields TPerson::GetMoveFields() const
{
    return {history, yearJoined, contractUntil, shirtNumber, reserveShirtNumber, reserveTeam, IsYouthPlayer()};
}

void TPerson::SetMoveFields(const TMoveFields& fields)
{
    history = fields.history;
    yearJoined = fields.yearJoined;
    contractUntil = fields.contractUntil;
    shirtNumber = fields.shirtNumber;
    reserveShirtNumber = fields.reserveShirtNumber;
    reserveTeam = fields.reserveTeam;
    SetYouthPlayer(fields.youth);
}
