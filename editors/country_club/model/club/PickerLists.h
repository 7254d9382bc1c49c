#pragma once
// The rows of the club, stadium and stability pickers, made from the world
// without a window.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/club/Club.h"

class TCompleteWorld;

struct TPickerRow {
    std::u16string text;
    std::uint32_t data;
};

struct TPickerRows {
    std::vector<TPickerRow> rows;
    // Row to select, -1 for none.
    int selected = -1;
};

// The first visible row that makes a selection below row 2 the third
// visible one.
int PickerTopRow(int selected);

struct TCountryFilter {
    // -1: any continent; with 1 country 83 is listed as well.
    int continent = -1;
    // -1: any country.
    int country = -1;
};

// "no country" (data 0), then the countries 1..206 that have clubs besides
// their national team and pass the filter.
TPickerRows MakeCountryRows(const TCompleteWorld& world, int shownCountry, const TCountryFilter& filter,
                            std::u16string_view noCountryText);

struct TClubRowsRequest {
    int country = 0;
    TTeamId selected = 0;
    bool nationalTeams = false;
    bool includeReserveTeams = true;
};

// The country's clubs (or only its national team) in index order, each
// followed by its reserve team (id with bit 24) when asked.
TPickerRows MakeClubRows(const TCompleteWorld& world, const TClubRowsRequest& request);

// Countries 1..206 that have clubs besides their national team.
TPickerRows MakeStadiumCountryRows(const TCompleteWorld& world, int shownCountry);
// "<stadium> (<club>)" for every club of the country; the owner is
// selected whether selected carries bit 24 or not.
TPickerRows MakeStadiumRows(const TCompleteWorld& world, int country, TTeamId selected);

// The chairman's stability runs 0..4.
inline constexpr int MaxChairmanStability = 4;
