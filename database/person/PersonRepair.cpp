// The consistency repair the club repair applies to every squad member.

#include <algorithm>

#include "core/Random.h"
#include "database/club/Club.h"
#include "database/world/CompleteWorld.h"
#include "database/country/Country.h"
#include "database/person/Person.h"

namespace {
constexpr int LastLanguage = 62;
constexpr std::uint32_t MaxLinkedPersonId = 60000;

// Loan, Ban, Injury, Retire, Sell, LoanFuture: bits 3, 1, 0, 2, 4, 5.
std::uint8_t KeepOneState(std::uint8_t bits)
{
    for (int bit : {3, 1, 0, 2, 4, 5}) {
        if ((bits & (1 << bit)) != 0) return static_cast<std::uint8_t>(1 << bit);
    }
    return 0;
}

void ClearRepeated(std::uint8_t& slot, std::uint8_t a, std::uint8_t b)
{
    if (slot == a || slot == b) slot = 0;
}
}  // namespace

bool TPerson::IsKnownClub(std::uint32_t club) const
{
    const int country = static_cast<int>((club >> 16) & 0xFF);
    if (country == 0 || country >= 207 || world_ == nullptr) return false;
    const TCountry* home = world_->GetCountry(country);
    return (home != nullptr && home->GetClubByUniqueId(club) != nullptr) || world_->MayHoldUnreadClub(club);
}

void TPerson::Repair(int countryId)
{
    if (pseudonym[0] == u'?') pseudonym[0] = 0;
    if (shirtNumber == 0) shirtNumber = static_cast<std::uint8_t>(CrtRand() % 45 + 2);
    if (nationality == 0 || nationality >= 207) nationality = static_cast<std::uint8_t>(countryId);
    startOfSeasonState = KeepOneState(startOfSeasonState) & ~InjuryStateBit;
    if (injuryKind != 0 && injuryEnd >= TDate(2007, 7, 1)) startOfSeasonState |= InjuryStateBit;
    for (std::uint8_t* number : {&shirtNumber, &reserveShirtNumber}) *number = std::clamp<std::uint8_t>(*number, 1, 99);
    positions[0] = std::clamp<std::uint8_t>(positions[0], 1, 17);
    for (std::uint8_t& position : positions) position = std::min<std::uint8_t>(position, 17);
    ClearRepeated(positions[2], positions[1], positions[0]);
    ClearRepeated(positions[1], positions[0], positions[0]);
    ClearRepeated(positions[5], positions[4], positions[3]);
    ClearRepeated(positions[4], positions[3], positions[3]);
    for (std::uint8_t& ability : abilities) ability = std::min<std::uint8_t>(ability, 99);
    shoe = std::min<std::uint8_t>(shoe, 9);
    if (heightCm < 100) heightCm = 180;
    if (weightKg < 40) weightKg = 75;
    nationalExperience = std::min<std::uint8_t>(nationalExperience, 6);
    internationalExperience = std::min<std::uint8_t>(internationalExperience, 4);
    const int referenceYear = GetReferenceDay().GetYear();
    if (yearJoined > referenceYear + 3) yearJoined = static_cast<std::uint16_t>(referenceYear);
    yearJoined = std::max<std::uint16_t>(yearJoined, 1980);
    contractUntil = static_cast<std::uint16_t>(std::clamp<int>(contractUntil, referenceYear, 2015));
    for (std::uint8_t& ability : staffAbilities) ability = std::min<std::uint8_t>(ability, 15);
    for (std::uint8_t& language : languages) {
        if (language > LastLanguage) language = 0;
    }
    const TCountry* home = world_ != nullptr ? world_->GetCountry(nationality) : nullptr;
    if (languages[0] == 0 && home != nullptr) languages[0] = home->GetLanguage(0);
    for (std::uint32_t* club : {&favouriteClub, &secondClub, &dislikedClub}) {
        if (!IsKnownClub(*club)) *club = 0;
    }
    const bool linked = linkedPersonId < MaxLinkedPersonId && world_ != nullptr && world_->GetPerson(linkedPersonId);
    if (!linked) linkedPersonId = 0;
    if (hairstyle == 255) hairstyle = 5;
    MarkRatingsStale();
}
