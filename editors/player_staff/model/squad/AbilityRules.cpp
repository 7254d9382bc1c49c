#include "editors/player_staff/model/squad/AbilityRules.h"

#include <algorithm>

#include "core/Random.h"
#include "database/club/Club.h"
#include "database/country/CompetitionRegistry.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"

namespace {

constexpr double LowestTarget = 20.0;
constexpr double HighestTarget = 90.0;
constexpr int LeagueTeamSlots = 128;

bool LeagueHoldsTeam(const CDBCompetitionBase& league, std::uint32_t teamId)
{
    for (int slot = 0; slot < LeagueTeamSlots; ++slot) {
        if (league.GetTeamSlot(slot) == teamId) return true;
    }
    return false;
}

struct TButtonPercent {
    int controlId;
    int percent;
};
constexpr TButtonPercent ButtonPercents[] = {{2026, 90}, {2029, 95}, {2030, 98}, {2031, 102}, {2028, 105}, {2027, 110}};

}  // namespace

double AbilityRules::TargetRating(double countryAverage, int talent, int draw, int age, int levelSteps)
{
    double target = countryAverage * (talent * 5 + draw + 90) * 0.01;
    if (age < 26) {
        target -= (26 - age) * target * 0.05;
    } else if (age >= 32) {
        target -= (age - 31) * target / 15;
    }
    target = std::clamp(target, LowestTarget, HighestTarget);
    for (int step = 0; step < levelSteps; ++step) target = std::max(target * 0.8, LowestTarget);
    return target;
}

int AbilityRules::LeagueLevelSteps(TCountry& country, std::uint32_t teamId)
{
    const TCompetitionRegistry& registry = country.GetCompetitionRegistry();
    int steps = 0;
    int greatestLevel = 0;
    const int leagues = country.GetLeagueCount();
    for (int index = 0; index < leagues; ++index) {
        const CDBCompetitionBase* league = registry.Get(country.GetLeagueId(index));
        if (!league) continue;
        if (league->GetLevel() > greatestLevel) {
            greatestLevel = league->GetLevel();
            ++steps;
        }
        if (LeagueHoldsTeam(*league, teamId)) break;
    }
    return steps;
}

double AbilityRules::TargetRating(const TPerson& person, const TClub* club)
{
    const TCompleteWorld* world = club ? club->GetWorld() : nullptr;
    TCountry* country = world ? world->GetCountry(club->GetCountryId()) : nullptr;
    if (!country) return DefaultTarget;
    const int draw = RandomInt(11);
    const std::uint32_t teamId = person.IsFirstTeam() ? club->GetId() : club->GetId() | ReserveTeamBit;
    return TargetRating(country->GetAverageRating(), person.GetTalent(), draw, person.GetAge(),
                        LeagueLevelSteps(*country, teamId));
}

int AbilityRules::PercentChange(int value, int percent, int cap)
{
    if (value == 0) return 0;
    const int scaled = value * percent;
    int result = scaled / 100 + (scaled % 100 >= 50 ? 1 : 0);
    const bool increase = percent > 100;
    if (result == value) result += increase ? 1 : -1;
    if (increase) return std::min(result, std::max(cap, value));
    return std::min(std::max(result, 0), cap);
}

void AbilityRules::ApplyPercent(TPerson& person, int percent)
{
    for (int index = 0; index < TPerson::AbilityCount; ++index) {
        const int value = person.GetAbility(index);
        if (value == 0) continue;
        const int cap = 80 + RandomInt(6);
        person.SetAbility(index, static_cast<std::uint8_t>(PercentChange(value, percent, cap)));
    }
}

void AbilityRules::DrawRandomAbilities(TPerson& person, double target)
{
    const int position = person.GetPosition(0);
    for (int index = 0; index < TPerson::AbilityCount; ++index) person.SetAbility(index, 0);
    person.GenerateAbilities(position, 1.0);
    person.ScaleAbilitiesToRating(target, position);
}

int AbilityRules::PercentOfButton(int controlId)
{
    for (const TButtonPercent& button : ButtonPercents) {
        if (button.controlId == controlId) return button.percent;
    }
    return 0;
}

int AbilityRules::Band(double weight)
{
    return std::clamp(static_cast<int>(weight * 4 + 0.001), 0, BandCount - 1);
}
