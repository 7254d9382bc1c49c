#include "editors/country_club/model/continent/FairnessPlaces.h"

#include "database/world/CompleteWorld.h"
#include "database/country/RulesAndMisc.h"

TTeamId FairnessPlaces::Get(int place) const
{
    return rules_.GetFairnessClub(place);
}

bool FairnessPlaces::Choose(int place, TTeamId club)
{
    if (place < 0 || place >= Places || club == Get(place)) return false;
    const int country = TeamCountry(club);
    if (country != 0) {
        for (int other = 0; other < Places; ++other) {
            if (other != place && TeamCountry(Get(other)) == country) return false;
        }
    }
    rules_.SetFairnessClub(place, club);
    return true;
}

std::u16string FairnessPlaces::Name(const TCompleteWorld& world, TTeamId club)
{
    if (TeamCountry(club) == 0 || world.GetClubConst(club) == nullptr) return u"-";
    return world.GetClubName(club);
}
