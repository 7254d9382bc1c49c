#include "PlayerGeneratorProposal.h"

#include <algorithm>

#include "core/Random.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/NamePool.h"
#include "database/person/Person.h"

namespace {

constexpr int DaysDrawn = 30;
constexpr int LastFebruaryDay = 28;
constexpr int February = 2;
constexpr int LatestBirthYear = 1989;
constexpr int BirthYears = 16;
constexpr int LatestYouthBirthYear = 1995;
constexpr int YouthBirthYears = 6;
constexpr int HighestNumber = 99;

}  // namespace

TDate PlayerGeneratorProposal::DrawBirthDate(bool youth)
{
    int day = CrtRandBelow(DaysDrawn) + 1;
    const int month = CrtRandBelow(12) + 1;
    int year = LatestBirthYear - CrtRandBelow(BirthYears);
    if (youth) year = LatestYouthBirthYear - CrtRandBelow(YouthBirthYears);
    if (month == February && day > LastFebruaryDay) day = LastFebruaryDay;
    return TDate(year, month, day);
}

std::u16string PlayerGeneratorProposal::DrawName(const TCompleteWorld& world, int countryId, bool lastName)
{
    const TCountry* country = world.GetCountry(countryId);
    const int language = country != nullptr ? country->GetLanguage(0) : 0;
    return GetNamePool().PickRandomName(lastName ? NamePoolSurname : NamePoolMale, language);
}

PlayerGeneratorProposal::TProposal PlayerGeneratorProposal::Propose(const TClub& club, int nationality, bool youth,
                                                                    bool reserveTeam)
{
    TProposal proposal;
    proposal.talent = CrtRandBelow(TalentCount);
    proposal.position = 1 + CrtRandBelow(PositionCount);
    proposal.shirtNumber = club.GetFreeShirtNumber(proposal.position, reserveTeam);
    const int countryId = nationality > 0 ? nationality : club.GetCountryId();
    if (const TCompleteWorld* world = club.GetWorld()) {
        proposal.lastName = DrawName(*world, countryId, true);
        proposal.firstName = DrawName(*world, countryId, false);
    }
    proposal.birthDate = DrawBirthDate(youth);
    proposal.talent = CrtRandBelow(TalentCount);
    proposal.level = LowestLevel + CrtRandBelow(LevelSpread);
    return proposal;
}

void PlayerGeneratorProposal::JoinTeam(TPerson& person, bool reserveTeam, int number)
{
    if (!reserveTeam) return;
    person.SetReserveTeam();
    person.SetReserveShirtNumber(static_cast<std::uint8_t>(number));
    person.SetShirtNumber(0);
}

int PlayerGeneratorProposal::StepShirtNumber(const int (&counts)[ShirtNumbers], int previous, int wanted)
{
    if (wanted == previous) return previous;
    const int step = wanted > previous ? 1 : -1;
    for (int number = std::clamp(wanted, 1, HighestNumber); number >= 1 && number <= HighestNumber; number += step) {
        if (counts[number] == 0) return number;
    }
    return previous;
}
