#pragma once
// The country general page's values without a window. A stored value the
// page cannot show (territory 12, a climate above 4) shows as no selection,
// -1, and a field is written back only when its shown value was changed, so
// that looking at a country changes nothing.

#include <array>
#include <string>

#include "editors/country_club/model/country/LanguageShares.h"

class TCountry;

constexpr int CountryClimateCount = 5;
constexpr int CountryAmateurRuleCount = 4;
constexpr int CountryTerritoriesOffered = 12;
constexpr int CountryLanguageCount = 63;
constexpr int CountryFederationNameLength = 9;
constexpr int CountryRankingMax = 9999;
constexpr int CountryNaturalisationMax = 9;
constexpr int CountryTitleMax = 30;

struct TCountryGeneralView {
    std::u16string federation;
    int climate = -1;
    int ranking = 0;
    int foreignTransfers = 0;
    int territory = -1;
    int amateurRule = -1;
    // 0 = never.
    int naturalisation = 0;
    bool noTerraces = false;
    bool generateNames = false;
    // Continental titles and finals, world cup titles and finals.
    std::array<int, 4> titles{};
    int averageRating = 1;
    std::u16string notes;
    // Per slot the language 0..62, -1 when the slot's combo cannot show it.
    std::array<int, 4> languages{};
    TLanguageShares shares{};
};

TCountryGeneralView LoadCountryGeneral(const TCountry& country);
void StoreCountryGeneral(const TCountryGeneralView& edited, TCountry& country);
