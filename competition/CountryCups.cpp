#include "competition/CountryCups.h"

#include <memory>

#include "competition/CompetitionFactory.h"
#include "competition/CompetitionId.h"
#include "competition/Cup.h"
#include "database/country/Country.h"

namespace {

constexpr int LeagueCups = 4;

std::uint32_t CountryByte(const TCountry& country) { return static_cast<std::uint32_t>(country.GetId()); }

std::uint32_t IdOf(const TCountry& country, std::uint32_t type, std::uint32_t index)
{
    return MakeCompetitionId(CountryByte(country), type, index);
}

CDBCompetition* Find(TCountry& country, std::uint32_t type, std::uint32_t index)
{
    return dynamic_cast<CDBCompetition*>(country.GetCompetitionRegistry().Get(IdOf(country, type, index)));
}

void DeleteOne(TCountry& country, std::uint32_t type, std::uint32_t index)
{
    DeleteCompetition(Find(country, type, index));
}

void ApplySettings(TCountry& country, std::uint32_t type, std::uint32_t index, const SettingsBlock& settings)
{
    if (CDBCompetition* cup = Find(country, type, index)) cup->SetSettings(settings);
}

void ReadSettings(TCountry& country, std::uint32_t type, std::uint32_t index, SettingsBlock& settings)
{
    settings.fill(0);
    if (CDBCompetition* cup = Find(country, type, index)) cup->GetSettings(settings);
}

}  // namespace

void ResetCompetitions(TCountry& country, bool keepNoCup)
{
    if (country.GetId() == 0) return;
    ClearCompetitions(country);
    TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    registry.Register(std::make_unique<CDBRoot>(IdOf(country, TypeRoot, 0), 0, registry));
    if (keepNoCup) return;
    CreateCupCompetition(country, TypeFaCup, 1, 0);
    country.SetNationalCupType(1);
}

void ClearCompetitions(TCountry& country)
{
    DeleteLeagueSystem(country.GetCompetitionRegistry(), CountryByte(country));
    country.SetLeagueSystemId(0);
    DeleteOne(country, TypeFaCup, 0);
    country.SetNationalCupType(0);
    for (int index = 0; index < LeagueCups; ++index) {
        DeleteOne(country, TypeLeagueCup, static_cast<std::uint32_t>(index));
        country.SetLeagueCupType(index, 0);
    }
    DeleteOne(country, TypeSuperCup, 0);
    country.SetSuperCupType(0);
    DeleteOne(country, TypeRoot, 0);
    country.ClearLevelNames();
}

void CreateCupCompetition(TCountry& country, std::uint32_t type, int cupType, std::uint32_t index)
{
    DeleteOne(country, type, index);
    if (cupType == 0) return;
    if (Find(country, TypeRoot, 0) == nullptr) ResetCompetitions(country, true);
    TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    auto cup = std::make_unique<CDBCup>(IdOf(country, type, index), IdOf(country, TypeRoot, 0), registry);
    cup->SetCupKind(static_cast<std::uint16_t>(cupType));
    // Its kind's rules, as a reload would give them, not another list.
    cup->TakeKindRules();
    registry.Register(std::move(cup));
}

void SetNationalCupSettings(TCountry& country, int cupType, const SettingsBlock& settings)
{
    if (country.GetNationalCupType() != cupType) {
        CreateCupCompetition(country, TypeFaCup, cupType, 0);
        country.SetNationalCupType(cupType);
    }
    ApplySettings(country, TypeFaCup, 0, settings);
}

void SetLeagueCupSettings(TCountry& country, int index, int cupType, const SettingsBlock& settings)
{
    if (index < 0 || index >= LeagueCups) return;
    const auto at = static_cast<std::uint32_t>(index);
    if (country.GetLeagueCupType(index) != cupType) {
        CreateCupCompetition(country, TypeLeagueCup, cupType, at);
        country.SetLeagueCupType(index, static_cast<std::uint8_t>(cupType));
    }
    ApplySettings(country, TypeLeagueCup, at, settings);
}

void SetSuperCupSettings(TCountry& country, int cupType, const SettingsBlock& settings)
{
    if (country.GetSuperCupType() != cupType) {
        CreateCupCompetition(country, TypeSuperCup, cupType, 0);
        country.SetSuperCupType(cupType);
    }
    ApplySettings(country, TypeSuperCup, 0, settings);
}

void GetNationalCupSettings(TCountry& country, SettingsBlock& settings) { ReadSettings(country, TypeFaCup, 0, settings); }

void GetLeagueCupSettings(TCountry& country, int index, SettingsBlock& settings)
{
    settings.fill(0);
    if (index >= 0 && index < LeagueCups) ReadSettings(country, TypeLeagueCup, static_cast<std::uint32_t>(index), settings);
}

void GetSuperCupSettings(TCountry& country, SettingsBlock& settings) { ReadSettings(country, TypeSuperCup, 0, settings); }
