#pragma once
// The country directory of the running program: it reads the current world
// at every call, so it follows world changes and answers as empty without
// one.

#include "ui/base/CountryDirectory.h"

class CWorldCountryDirectory : public ICountryDirectory {
public:
    const char16_t* GetCountryName(std::int32_t countryId) const override;
    int GetClubCountWithoutNationalTeam(std::int32_t countryId) const override;
    bool HasClubWithSquad(std::int32_t countryId) const override;
};
