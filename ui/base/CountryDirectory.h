#pragma once
// What the country fillers of the dialogs need to know about the loaded
// world. The application installs an implementation over the world; tests
// install a small one of their own.

#include <cstdint>

class ICountryDirectory {
public:
    virtual ~ICountryDirectory() = default;
    // Null when the country does not exist.
    virtual const char16_t* GetCountryName(std::int32_t countryId) const = 0;
    virtual int GetClubCountWithoutNationalTeam(std::int32_t countryId) const = 0;
    // True when a club other than the national team has a player.
    virtual bool HasClubWithSquad(std::int32_t countryId) const = 0;
};

void SetCountryDirectory(const ICountryDirectory* directory);
const ICountryDirectory* GetCountryDirectory();

// Country ids the dialogs offer: 1 to 206 (0 is the fallback slot, 207 is
// never offered).
inline constexpr std::int32_t FirstListedCountry = 1;
inline constexpr std::int32_t LastListedCountry = 206;

// Modes: 0-2 every named country (1 and 2 add a "none" row first), 3 only
// countries with clubs, 4 only countries with a club that has players.
bool CountryQualifies(const ICountryDirectory& directory, std::int32_t countryId, int mode);
