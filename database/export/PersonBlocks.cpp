// The player and staff blocks of the game export.

#include <algorithm>
#include <iterator>

#include "core/Random.h"
#include "database/world/CompleteWorld.h"
#include "database/world/GameIdMaps.h"
#include "database/export/MasterWriter.h"
#include "database/person/NameList.h"
#include "database/person/Person.h"

namespace {
constexpr std::uint32_t PlayerTag = 0x52594C50;  // "PLYR"
constexpr std::uint8_t HistoryEnd = 0xFF;
constexpr std::uint8_t FirstReplacedCaricature = 22;
constexpr std::uint8_t ReplacementCaricature = 15;
// The game's own national exclusion for this country.
constexpr std::uint8_t ExcludedNationality = 34;
constexpr std::uint8_t ChairmanVariantCountry = 14;
constexpr std::uint8_t ChairmanVariantType = 15;
constexpr std::uint8_t HighestInjuryKind = 41;
// A running history entry ends, for the game, on the first day of the season.
const TDate SeasonStart{2007, 7, 1};

enum TStateIndex { StateNothing = 0, StateInjury, StateBan, StateRetire, StateLoan, StateSell, StateLoanFuture };

std::uint32_t ExportClubId(std::uint32_t club)
{
    return GetGameIdMaps().GetExportClubId(club);
}

int AddBlockName(int language, int kind, const char16_t* text)
{
    return GetNameList().AddName(language, kind, text, true);
}
}  // namespace

std::uint8_t TPerson::InjuryKindForLength(std::int64_t days)
{
    if (days > 120) return 19;
    return days > 60 ? 21 : 20;
}

int TPerson::GetCountryLanguage() const
{
    const TCountry* country = world_ ? world_->GetCountry(nationality) : nullptr;
    return country ? ClampNameListKey(country->GetLanguage(0), 0) : 0;
}

int TPerson::GetBlockLanguage() const
{
    return languages[0] != 0 ? ClampNameListKey(languages[0], GetCountryLanguage()) : GetCountryLanguage();
}

void TPerson::RepairBlockLanguages()
{
    for (std::uint8_t language : languages) {
        if (language < CNameList::LanguageKeyCount) continue;
        std::fill(std::begin(languages), std::end(languages), 0);
        languages[0] = static_cast<std::uint8_t>(GetCountryLanguage());
        return;
    }
}

std::uint8_t TPerson::GetExportInjuryKind() const
{
    const std::uint8_t kind = injuryKind > HighestInjuryKind ? 0 : injuryKind;
    return kind != 0 ? kind : InjuryKindForLength(injuryEnd - injuryStart);
}

void TPerson::WriteBlockNames(CMasterWriter& writer, int language, bool allFour) const
{
    writer.WriteU16(static_cast<std::uint16_t>(AddBlockName(language, NameKindMale, firstName)));
    writer.WriteU16(static_cast<std::uint16_t>(AddBlockName(language, NameKindSurname, lastName)));
    if (!allFour) return;
    writer.WriteU16(static_cast<std::uint16_t>(AddBlockName(language, NameKindNickname, nickname)));
    writer.WriteU16(static_cast<std::uint16_t>(AddBlockName(language, NameKindPseudonym, pseudonym)));
}

void TPerson::WriteStatePart(CMasterWriter& writer) const
{
    const int state = GetTransferState();
    switch (state) {
    case StateInjury:
        writer.WriteU8(GetExportInjuryKind());
        writer.WriteU32(injuryStart.GetDayNumber());
        writer.WriteU32(injuryEnd.GetDayNumber());
        return;
    case StateBan:
        writer.WriteU32(transferStart.GetDayNumber());
        writer.WriteU8(banLength);
        return;
    case StateRetire:
        writer.WriteU32(transferStart.GetDayNumber());
        return;
    case StateLoan:
    case StateSell:
    case StateLoanFuture:
        writer.WriteU32(ExportClubId(transferClub));
        writer.WriteU32(transferStart.GetDayNumber());
        writer.WriteU32(transferEnd.GetDayNumber());
        writer.WriteI32(transferFee);
        if (state == StateLoanFuture) writer.WriteI32(callOption);
        return;
    default:
        return;
    }
}

void TPerson::WriteHistoryBlock(CMasterWriter& writer) const
{
    for (const THistoryEntry& entry : history) {
        writer.WriteU8(entry.entryFlags0);
        writer.WriteU32(ExportClubId(entry.clubId));
        writer.WriteU32(entry.start.GetDayNumber());
        writer.WriteU32(entry.IsRunning() ? SeasonStart.GetDayNumber() : entry.end.GetDayNumber());
        writer.WriteU16(entry.matches);
        writer.WriteU16(entry.reserveMatches);
        writer.WriteU16(entry.goals);
        writer.WriteU16(entry.reserveGoals);
        writer.WriteBool(entry.IsLoan());
        writer.WriteU32(entry.fee);
    }
    writer.WriteU8(HistoryEnd);
}

void TPerson::WritePlayerBlock(CMasterWriter& writer)
{
    RepairBlockLanguages();
    if (caricature >= FirstReplacedCaricature) caricature = ReplacementCaricature;
    if (nationality == ExcludedNationality) nationalBits |= 1;
    const int language = GetBlockLanguage();

    writer.WriteU8(static_cast<std::uint8_t>(language));
    WriteBlockNames(writer, language, true);
    writer.WriteU8(type);
    writer.WriteU32(PlayerTag);
    writer.WriteU8(reserveTeam);
    writer.WriteU32(faceId);
    writer.WriteU32(id_);
    writer.WriteU32(empicsId);
    writer.WriteU8(nationality);
    writer.WriteU32(birthDate.GetDayNumber());
    for (std::uint8_t value : {secondNationality, personFlags, playerBits}) writer.WriteU8(value);
    writer.WriteBytes(positions, PositionSlots);
    writer.WriteU8(carriedValueB);
    writer.WriteBytes(abilities, AbilityCount);
    writer.WriteU8(caricature);
    writer.WriteU8(carriedValueA);
    writer.WriteU32(characterWord);
    for (std::uint8_t value : {hairColour, face, hairstyle, facialHair, heightCm, weightKg}) writer.WriteU8(value);
    writer.WriteU8(static_cast<std::uint8_t>(appearanceBits != 0 ? shoe | 0x80 : shoe));
    writer.WriteU8(summaryChoice);
    writer.WriteU8(nationalExperience);
    writer.WriteU8(internationalExperience);
    writer.WriteU8(IsFirstTeam() ? GetTeamShirtNumber() : 0);
    writer.WriteU8(IsFirstTeam() ? 0 : GetTeamShirtNumber());
    writer.WriteU16(yearJoined);
    writer.WriteU16(contractUntil);
    for (std::uint32_t value : {salary, transferValue, moneyValue3}) writer.WriteU32(value);
    writer.WriteU8(nationalAppearances);
    writer.WriteU8(nationalGoals);
    writer.WriteU8(tacticalEducation);
    writer.WriteU8(nationalBits);
    writer.WriteU8(startOfSeasonState);
    WriteStatePart(writer);
    writer.WriteU32(ExportClubId(favouriteClub));
    writer.WriteU32(ExportClubId(dislikedClub));
    writer.WriteU8(favouriteCountry);
    writer.WriteBytes(languages, 3);
    WriteHistoryBlock(writer);
}

void TPerson::WriteStaffBlock(CMasterWriter& writer)
{
    RepairBlockLanguages();
    const int language = GetBlockLanguage();
    writer.WriteU8(static_cast<std::uint8_t>(IsRealPerson() ? language : language | 0x80));
    WriteBlockNames(writer, language, false);
    const bool chairmanAsVariant =
        type == PersonChairman && world_ && world_->GetExportClubCountry() == ChairmanVariantCountry;
    writer.WriteU8(chairmanAsVariant ? ChairmanVariantType : type);

    if (!chairmanAsVariant && (type == PersonManager || type == PersonChairman)) {
        writer.WriteBytes(staffAbilities, StaffAbilityCount);
        writer.WriteU32(characterWord);
        writer.WriteBytes(languages, LanguageSlots);
        writer.WriteU32(ExportClubId(favouriteClub));
        writer.WriteU32(ExportClubId(dislikedClub));
        writer.WriteU32(linkedPersonId);
        writer.WriteU8(favouriteTactic);
    } else if (type == PersonPresident) {
        writer.WriteU8(static_cast<std::uint8_t>(stabilityBits & 7));
    } else if (chairmanAsVariant || (type > PersonPresident && type <= PersonLastStaffType)) {
        staffExtraB = static_cast<std::uint8_t>(CrtRand() & 7);
        writer.WriteU8(staffLevel);
        writer.WriteU8(staffExtraB);
        writer.WriteU8(favouriteTactic);
    }
}
