#include "ui/base/CountryDirectory.h"

#include <atomic>

namespace {
std::atomic<const ICountryDirectory*> installedDirectory{nullptr};
}

void SetCountryDirectory(const ICountryDirectory* directory) { installedDirectory.store(directory); }
const ICountryDirectory* GetCountryDirectory() { return installedDirectory.load(); }

bool CountryQualifies(const ICountryDirectory& directory, std::int32_t countryId, int mode)
{
    const char16_t* name = directory.GetCountryName(countryId);
    if (name == nullptr || name[0] == 0) return false;
    switch (mode) {
    case 0:
    case 1:
    case 2:
        return true;
    case 3:
        return directory.GetClubCountWithoutNationalTeam(countryId) != 0;
    case 4:
        return directory.GetClubCountWithoutNationalTeam(countryId) != 0 && directory.HasClubWithSquad(countryId);
    default:
        return false;
    }
}
