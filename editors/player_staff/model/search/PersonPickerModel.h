#pragma once
// The person picker's lists without the window: the clubs of a country
// that have persons, and the persons of a club that pass the filters.

#include <cstdint>
#include <string>
#include <vector>

class TClub;
class TCompleteWorld;
class TPerson;

class PersonPickerModel {
public:
    struct TFilter {
        bool players = true;
        bool staff = false;
        bool youthOnly = false;
    };
    struct TRow {
        std::u16string text;
        std::uint32_t id = 0;
    };

    // Clubs of the country (no national team) with at least one squad
    // person, in club order: name and team id.
    static std::vector<TRow> ClubRows(const TCompleteWorld& world, int countryId);
    // "Player.None" (id 0), then each passing squad person in slot order;
    // nothing without the club.
    static std::vector<TRow> PersonRows(const TCompleteWorld& world, std::uint32_t clubId, const TFilter& filter);
    static bool Passes(const TPerson& person, const TFilter& filter);
    // The club id with its country replaced, the club index kept.
    static std::uint32_t WithCountry(std::uint32_t clubId, int countryId);
};
