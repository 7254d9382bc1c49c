#include "editors/country_club/model/competition/LeagueRatingRows.h"

#include "core/text/Format.h"
#include "database/country/Country.h"

std::vector<TLeagueRatingRow> BuildLeagueRatingRows(const TCountry& country)
{
    std::vector<TLeagueRatingRow> rows;
    for (int level = 0; level < TCountry::LevelCount; ++level) {
        const char16_t* name = country.GetLeagueLevelName(level);
        if (name[0] == 0) continue;
        rows.push_back({level, Format(u"%s\t%2d", name, static_cast<int>(country.GetLeagueRating(level)))});
    }
    return rows;
}
