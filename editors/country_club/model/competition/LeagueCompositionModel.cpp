#include "editors/country_club/model/competition/LeagueCompositionModel.h"

#include <set>
#include <utility>

#include "competition/Competition.h"
#include "competition/League.h"
#include "core/text/Format.h"
#include "core/text/TextTools.h"
#include "database/club/Club.h"
#include "database/country/Country.h"

namespace {

std::u16string Number(int value) { return Format(u"%d", value); }

bool IsReserve(std::uint32_t team) { return (team & ReserveTeamBit) != 0; }

int PromotionState(const TClub& club, bool first)
{
    if (club.IsPromoted(first)) return 1;
    return club.IsRelegated(first) ? 2 : 0;
}

int CupState(const TClub& club, bool first)
{
    if (club.IsCupWinner(first)) return 1;
    return club.IsCupFinalist(first) ? 2 : 0;
}

}  // namespace

TLeagueComposition::TLeagueComposition(TCountry& country, TLeagueCompositionTexts texts)
    : country_(country), texts_(std::move(texts))
{
    if (League(0) != nullptr) currentId_ = country_.GetLeagueId(0);
}

int TLeagueComposition::LeagueCount() const { return country_.GetLeagueCount(); }

CDBLeagueBase* TLeagueComposition::LeagueById(std::uint32_t id) const
{
    return dynamic_cast<CDBLeagueBase*>(country_.GetCompetitionRegistry().Get(id));
}

CDBLeagueBase* TLeagueComposition::League(int index) const { return LeagueById(country_.GetLeagueId(index)); }

CDBLeagueBase* TLeagueComposition::GetCurrentLeague() const { return currentId_ != 0 ? LeagueById(currentId_) : nullptr; }

bool TLeagueComposition::SetCurrentLeague(std::uint32_t id)
{
    if (LeagueById(id) == nullptr) return false;
    currentId_ = id;
    return true;
}

std::u16string TLeagueComposition::TeamName(std::uint32_t team) const { return country_.GetTeamNameByUniqueId(team); }

std::vector<TCompositionRow> TLeagueComposition::LeagueRows() const
{
    std::vector<TCompositionRow> rows;
    for (int index = 0; index < LeagueCount(); ++index) {
        const CDBLeagueBase* league = League(index);
        if (league == nullptr) continue;
        rows.push_back({ReplaceTokens(texts_.leagueListFormat,
                                      {{u"_LEAGUE_NAME", league->GetName()}, {u"_CLUB_COUNT", Number(league->GetTeamCount())}}),
                        league->GetId()});
    }
    return rows;
}

std::vector<TCompositionRow> TLeagueComposition::ClubRows() const
{
    std::vector<TCompositionRow> rows;
    if (const CDBLeagueBase* league = GetCurrentLeague()) {
        for (int slot = 0; slot < league->GetAssignedTeamCount(); ++slot) {
            const std::uint32_t team = league->GetTeamSlot(slot);
            const TClub* club = country_.GetClubByUniqueId(team);
            if (club == nullptr) continue;
            const bool first = !IsReserve(team);
            const std::u16string& promotion = texts_.promotionStates[static_cast<std::size_t>(PromotionState(*club, first))];
            const std::u16string& cup = texts_.cupStates[static_cast<std::size_t>(CupState(*club, first))];
            const int number = static_cast<int>(rows.size()) + 1;
            rows.push_back({Format(u"%2d\t%s\t%s\t%s", number, TeamName(team), promotion, cup), team});
        }
    }
    rows.push_back({});
    return rows;
}

std::vector<TCompositionRow> TLeagueComposition::FreeClubRows(bool hideReserves) const
{
    std::set<std::uint32_t> used;
    for (int index = 0; index < LeagueCount(); ++index) {
        const CDBLeagueBase* league = League(index);
        if (league == nullptr) continue;
        for (int slot = 0; slot < league->GetAssignedTeamCount(); ++slot) {
            const std::uint32_t team = league->GetTeamSlot(slot);
            if (country_.GetClubByUniqueId(team) != nullptr) used.insert(team);
        }
    }
    std::vector<TCompositionRow> rows;
    for (int index = 0; index < country_.GetClubCount(); ++index) {
        const TClub* club = country_.GetClubByIndex(index);
        if (club == nullptr || (club->GetId() & 0xFFFF) >= NationalTeamIndex) continue;
        const std::uint32_t first = WithoutReserveBit(club->GetId());
        if (!used.contains(first)) rows.push_back({TeamName(first), first});
        const std::uint32_t reserve = first | ReserveTeamBit;
        if (!hideReserves && !used.contains(reserve)) rows.push_back({TeamName(reserve), reserve});
    }
    return rows;
}

bool TLeagueComposition::PickUp(std::uint32_t team)
{
    CDBLeagueBase* league = GetCurrentLeague();
    return team != 0 && league != nullptr && league->RemoveTeam(team);
}

bool TLeagueComposition::Drop(int row, std::uint32_t team)
{
    CDBLeagueBase* league = GetCurrentLeague();
    if (league == nullptr || country_.GetClubByUniqueId(team) == nullptr) return false;
    // Below the rows is the end of the list, however long the league.
    const bool onARow = row >= 0 && row < league->GetAssignedTeamCount();
    return league->InsertTeam(onARow ? row : -1, team);
}

bool TLeagueComposition::Append(std::uint32_t leagueId, std::uint32_t team)
{
    CDBLeagueBase* league = LeagueById(leagueId);
    if (league == nullptr || country_.GetClubByUniqueId(team) == nullptr) return false;
    return league->AddTeam(team);
}

bool TLeagueComposition::Mark(std::uint32_t team, TSeasonMark mark)
{
    if (TeamCountry(team) == 0) return false;
    const bool first = !IsReserve(team);
    TClub* club = country_.GetClubByUniqueId(team);
    if (mark == TSeasonMark::CupWinner) country_.SetCupWinner(team);
    else if (mark == TSeasonMark::CupFinalist) country_.SetCupFinalist(team);
    else if (club == nullptr) return false;
    else if (mark == TSeasonMark::Promoted) club->SetPromoted(first, true);
    else if (mark == TSeasonMark::Relegated) club->SetRelegated(first, true);
    else {
        club->SetPromoted(first, false);
        club->SetRelegated(first, false);
    }
    return true;
}

void TLeagueComposition::ClearCurrent()
{
    if (CDBLeagueBase* league = GetCurrentLeague()) league->ClearTeams();
}

void TLeagueComposition::ClearAll()
{
    for (int index = 0; index < LeagueCount(); ++index) {
        if (CDBLeagueBase* league = League(index)) league->ClearTeams();
    }
}

TCompositionCheck TLeagueComposition::Check() const
{
    TCompositionCheck check;
    for (int index = 0; index < LeagueCount(); ++index) {
        const CDBLeagueBase* league = League(index);
        if (league == nullptr) continue;
        const std::uint32_t bits = league->CheckConsistency(0, country_.GetFirstReserveTeamLevel());
        if ((bits & (ErrorNotEnoughTeams | ErrorReserveTeamsInLeague)) == 0) continue;
        check.lines.emplace_back(league->GetName());
        if (bits & ErrorNotEnoughTeams) {
            check.lines.push_back(texts_.notEnoughTeams);
            ++check.errors;
        }
        if (bits & ErrorReserveTeamsInLeague) {
            check.lines.push_back(texts_.reserveTeams);
            ++check.errors;
        }
    }
    return check;
}
