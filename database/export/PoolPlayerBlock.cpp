// A pool entry's block of the game export.

#include "database/world/CompleteWorld.h"
#include "database/world/GameIdMaps.h"
#include "database/export/MasterWriter.h"
#include "database/person/NameList.h"
#include "database/person/PoolPlayer.h"
#include "database/world/WorldList.h"

namespace {
// Team parts 1..4 become 0..3; anything else is the first.
std::uint8_t ExportTeamPart(std::uint8_t teamPart)
{
    return teamPart >= 1 && teamPart <= 4 ? static_cast<std::uint8_t>(teamPart - 1) : 0;
}

int CountryLanguage(int countryId)
{
    const TCompleteWorld* world = GetWorld();
    const TCountry* country = world ? world->GetCountry(countryId) : nullptr;
    return country ? ClampNameListKey(country->GetLanguage(0), 0) : 0;
}
}  // namespace

void TPoolPlayer::WritePoolPlayerBlock(int countryId, CMasterWriter& writer)
{
    const int language = CountryLanguage(countryId);
    CNameList& names = GetNameList();
    writer.WriteU8(static_cast<std::uint8_t>(language));
    writer.WriteU16(static_cast<std::uint16_t>(names.AddName(language, NameKindMale, firstName_, true)));
    writer.WriteU16(static_cast<std::uint16_t>(names.AddName(language, NameKindSurname, lastName_, true)));
    writer.WriteU16(static_cast<std::uint16_t>(names.AddName(language, NameKindPseudonym, pseudonym_, true)));
    writer.WriteU8(nationality_);
    writer.WriteU8(abilityIndex_);
    writer.WriteU32(GetGameIdMaps().GetExportClubId(preferredClub_));
    writer.WriteU8(ExportTeamPart(teamPart_));
    writer.WriteU32(birthDate_.GetDayNumber());
    for (std::uint8_t value : {talent_, foot_, characterTrait_, face_, hairColour_, hairstyle_, facialHair_, shoe_}) {
        writer.WriteU8(value);
    }
}
