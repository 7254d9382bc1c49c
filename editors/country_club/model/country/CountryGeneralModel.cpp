#include "editors/country_club/model/country/CountryGeneralModel.h"

#include <algorithm>

#include "database/country/Country.h"

namespace {

int Listed(int value, int count) { return value >= 0 && value < count ? value : -1; }

// The first slot's combo offers no empty entry.
int ListedLanguage(int slot, int language)
{
    if (slot == 0 && language == 0) return -1;
    return Listed(language, CountryLanguageCount);
}

void StoreLanguages(const TCountryGeneralView& edited, const TCountryGeneralView& shown, TCountry& country)
{
    if (edited.languages == shown.languages && edited.shares == shown.shares) return;
    for (int slot = 0; slot < TCountry::LanguageSlots; ++slot) {
        const std::size_t i = static_cast<std::size_t>(slot);
        if (edited.languages[i] >= 0) country.SetLanguage(slot, static_cast<std::uint8_t>(edited.languages[i]));
        country.SetLanguageShare(slot, static_cast<std::uint8_t>(std::clamp(edited.shares[i], 0, 100)));
    }
    country.NormaliseLanguages();
}

void StoreTitles(const TCountryGeneralView& edited, const TCountryGeneralView& shown, TCountry& country)
{
    void (TCountry::*setters[])(std::uint16_t) = {&TCountry::SetContinentalTitles, &TCountry::SetContinentalFinals,
                                                  &TCountry::SetWorldCupTitles, &TCountry::SetWorldCupFinals};
    for (std::size_t i = 0; i < edited.titles.size(); ++i) {
        if (edited.titles[i] != shown.titles[i]) (country.*setters[i])(static_cast<std::uint16_t>(edited.titles[i]));
    }
}

template <typename Value, typename Setter>
void StoreChanged(const Value& edited, const Value& shown, Setter set)
{
    if (edited != shown) set(edited);
}

}  // namespace

TCountryGeneralView LoadCountryGeneral(const TCountry& country)
{
    TCountryGeneralView view;
    view.federation = std::u16string(country.GetFederationName()).substr(0, CountryFederationNameLength);
    view.climate = Listed(country.GetClimate(), CountryClimateCount);
    view.ranking = std::clamp<int>(country.GetQaroRanking(), 0, CountryRankingMax);
    view.foreignTransfers = std::min<int>(country.GetForeignTransferProbability(), 100);
    view.territory = Listed(country.GetPreferredTerritory(), CountryTerritoriesOffered);
    view.amateurRule = Listed(country.GetAmateurRule(), CountryAmateurRuleCount);
    view.naturalisation = std::min<int>(country.GetNaturalisationYears(), CountryNaturalisationMax);
    view.noTerraces = country.HasNoTerraces();
    view.generateNames = country.GetGenerateNames();
    view.titles = {country.GetContinentalTitles(), country.GetContinentalFinals(), country.GetWorldCupTitles(),
                   country.GetWorldCupFinals()};
    for (int& title : view.titles) title = std::min(title, CountryTitleMax);
    view.averageRating = std::clamp<int>(country.GetAverageRating(), 1, 99);
    view.notes = country.GetNotes();
    for (int slot = 0; slot < TCountry::LanguageSlots; ++slot) {
        view.languages[static_cast<std::size_t>(slot)] = ListedLanguage(slot, country.GetLanguage(slot));
        view.shares[static_cast<std::size_t>(slot)] = std::min<int>(country.GetLanguageShare(slot), 100);
    }
    return view;
}

void StoreCountryGeneral(const TCountryGeneralView& edited, TCountry& country)
{
    const TCountryGeneralView shown = LoadCountryGeneral(country);
    StoreChanged(edited.federation, shown.federation, [&](const std::u16string& name) {
        country.SetFederationName(name.substr(0, CountryFederationNameLength).c_str());
    });
    StoreLanguages(edited, shown, country);
    auto byte = [](int value) { return static_cast<std::uint8_t>(value); };
    if (edited.amateurRule >= 0) StoreChanged(edited.amateurRule, shown.amateurRule, [&](int v) { country.SetAmateurRule(byte(v)); });
    if (edited.climate >= 0) StoreChanged(edited.climate, shown.climate, [&](int v) { country.SetClimate(byte(v)); });
    StoreChanged(edited.foreignTransfers, shown.foreignTransfers, [&](int v) { country.SetForeignTransferProbability(byte(v)); });
    StoreChanged(edited.noTerraces, shown.noTerraces, [&](bool v) { country.SetNoTerraces(v); });
    StoreChanged(edited.generateNames, shown.generateNames, [&](bool v) { country.SetGenerateNames(v); });
    // Setting the average also lowers the level ratings above it.
    StoreChanged(edited.averageRating, shown.averageRating, [&](int v) { country.SetAverageRating(byte(std::clamp(v, 1, 99))); });
    StoreTitles(edited, shown, country);
    StoreChanged(edited.notes, shown.notes, [&](const std::u16string& notes) { country.SetNotes(notes); });
    StoreChanged(edited.naturalisation, shown.naturalisation, [&](int v) { country.SetNaturalisationYears(byte(v)); });
    StoreChanged(edited.ranking, shown.ranking, [&](int v) { country.SetQaroRanking(static_cast<std::int16_t>(v)); });
    if (edited.territory >= 0) StoreChanged(edited.territory, shown.territory, [&](int v) { country.SetPreferredTerritory(byte(v)); });
}
