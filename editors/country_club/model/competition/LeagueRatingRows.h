#pragma once
// The rows of the league rating dialog: each named level of the country.

#include <string>
#include <vector>

class TCountry;

struct TLeagueRatingRow {
    int level = 0;
    std::u16string text;
};

// "name\t rating" for every level 0..15 with a name in the database language.
std::vector<TLeagueRatingRow> BuildLeagueRatingRows(const TCountry& country);
