#include "app/ClubListEntry.h"

#include "database/Club.h"
#include "database/CompleteWorld.h"
#include "database/CountryCompetitions.h"

namespace {

int Thousandths(double value) { return static_cast<int>(value * 1000.0); }

}  // namespace

bool ClubListEntry::IsNationalTeam() const { return club != nullptr && IsNationalTeamId(club->GetId()); }

void ClubListEntry::Set(TClub* rowClub, const TCountry& country)
{
    *this = ClubListEntry{};
    club = rowClub;
    if (club == nullptr) return;
    if (IsNationalTeam()) {
        const TNationalSquadStats stats = country.GetNationalSquadStats();
        rating = Thousandths(stats.level);
        bestEleven = Thousandths(stats.strength);
        age = Thousandths(stats.age);
        players = stats.count;
        return;
    }
    if (TCompleteWorld* world = club->GetWorld()) league = GetLeagueOfTeam(world->GetCompetitions(), club->GetId());
    rating = Thousandths(club->GetAverageLevel(0));
    bestEleven = Thousandths(club->GetTeamStrength(0));
    age = Thousandths(club->GetAverageAge(0));
    players = club->GetPlayerCount();
}

void ClubListEntry::InsertRow(Halvane::MFC::CHVListCtrl& list)
{
    const int row = list.InsertItem(club->GetName(), reinterpret_cast<LPARAM>(this));
    if (row < 0) return;
    list.SetItemText(row, 1, league != nullptr ? league->GetName() : u"-");
    const int figures[] = {rating, bestEleven, age};
    for (int column = 2; column <= 4; ++column)
        list.SetItemFloat(row, column, static_cast<float>(figures[column - 2] * 0.001), 2);
    list.SetItemInt(row, 5, players);
}
