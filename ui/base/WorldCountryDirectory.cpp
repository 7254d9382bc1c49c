#include "ui/base/WorldCountryDirectory.h"

#include "database/world/WorldList.h"

namespace {

// Null for an id the world has no country for; GetCountry would answer
// with its fallback slot instead.
const TCountry* FindCountry(std::int32_t countryId)
{
    const TCompleteWorld* world = GetWorld();
    if (world == nullptr || countryId < 1 || countryId > TCompleteWorld::LastCountryId) return nullptr;
    return world->GetCountry(countryId);
}

}  // namespace

const char16_t* CWorldCountryDirectory::GetCountryName(std::int32_t countryId) const
{
    const TCountry* country = FindCountry(countryId);
    return country ? country->GetName() : nullptr;
}

int CWorldCountryDirectory::GetClubCountWithoutNationalTeam(std::int32_t countryId) const
{
    const TCountry* country = FindCountry(countryId);
    return country ? country->GetClubCountWithoutNationalTeam() : 0;
}

bool CWorldCountryDirectory::HasClubWithSquad(std::int32_t countryId) const
{
    const TCountry* country = FindCountry(countryId);
    for (int index = 0; country && index < country->GetClubCount(); ++index) {
        const TClub* club = country->GetClubByIndex(index);
        if (!IsNationalTeamId(club->GetId()) && club->GetSquadCount() > 0) return true;
    }
    return false;
}
