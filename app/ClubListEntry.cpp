#include "app/ClubListEntry.h"

#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/CountryCompetitions.h"

namespace {

int Thousandths(double value) { return static_cast<int>(value * 1000.0); }

}  // namespace

bool ClubListEntry::IsNationalTeam() const { return clubId != 0 && IsNationalTeamId(clubId); }

void ClubListEntry::Set(const TClub& club, const TCountry& country)
{
    *this = ClubListEntry{};
    clubId = club.GetId();
    name = club.GetName();
    if (IsNationalTeam()) {
        const TNationalSquadStats stats = country.GetNationalSquadStats();
        rating = Thousandths(stats.level);
        bestEleven = Thousandths(stats.strength);
        age = Thousandths(stats.age);
        players = stats.count;
        return;
    }
    if (TCompleteWorld* world = club.GetWorld()) {
        if (const CDBCompetitionBase* league = GetLeagueOfTeam(world->GetCompetitions(), clubId)) {
            leagueId = league->GetId();
            leagueName = league->GetName();
        }
    }
    rating = Thousandths(club.GetAverageLevel(0));
    bestEleven = Thousandths(club.GetTeamStrength(0));
    age = Thousandths(club.GetAverageAge(0));
    players = club.GetPlayerCount();
}

void ClubListEntry::InsertRow(Halvane::MFC::CHVListCtrl& list) const
{
    const int row = list.InsertItem(name.c_str(), reinterpret_cast<LPARAM>(this));
    if (row < 0) return;
    list.SetItemText(row, 1, leagueId ? leagueName.c_str() : u"-");
    const int figures[] = {rating, bestEleven, age};
    for (int column = 2; column <= 4; ++column)
        list.SetItemFloat(row, column, static_cast<float>(figures[column - 2] * 0.001), 2);
    list.SetItemInt(row, 5, players);
}
