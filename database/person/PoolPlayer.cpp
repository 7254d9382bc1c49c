#include "database/person/PoolPlayer.h"

#include "core/files/IndexTextFile.h"
#include "core/Random.h"
#include "database/country/Country.h"
#include "database/world/DatabaseVersion.h"
#include "database/world/GameIdMaps.h"
#include "database/world/RecordText.h"

namespace {
constexpr std::u16string_view PoolKey = u"PL_POOL";
}

void TPoolPlayer::Reset()
{
    *this = TPoolPlayer();
    nationality_ = 1;
    face_ = 1;
    hairColour_ = 1;
    hairstyle_ = 1;
    facialHair_ = 1;
    shoe_ = 2;
}

std::u16string TPoolPlayer::GetShortName() const
{
    if (firstName_[0] == 0) return lastName_;
    return std::u16string(lastName_) + u"," + firstName_[0] + u".";
}

void TPoolPlayer::SetFirstName(const char16_t* text)
{
    SetKeptName(firstName_, text);
}

void TPoolPlayer::SetLastName(const char16_t* text)
{
    SetKeptName(lastName_, text);
}

void TPoolPlayer::SetPseudonym(const char16_t* text)
{
    SetKeptName(pseudonym_, text);
}

void TPoolPlayer::Randomise(const TCountry& country)
{
    const int year = 2007 - RandomInRange(14, 17);
    const int month = RandomInRange(1, 12);
    birthDate_ = TDate(year, month, RandomInRange(1, 28));
    firstName_[0] = 0;
    lastName_[0] = 0;
    nationality_ = static_cast<std::uint8_t>(country.GetId());
    talent_ = RandomByteInRange(3, 4);
    foot_ = 0;
    abilityIndex_ = RandomByteInRange(0, 42);
    teamPart_ = RandomByteInRange(0, 3);
    preferredClub_ = CreateClub;
    characterTrait_ = RandomByteInRange(0, 20);
    country.RandomiseAppearance(*this);
    facialHair_ = 1;
    shoe_ = 2;
}

bool TPoolPlayer::HasDefaultLooks() const
{
    return (talent_ == 0 || talent_ == 4) && foot_ == 0 && characterTrait_ == 0 && face_ == 0 && hairColour_ == 0 &&
           hairstyle_ == 0 && facialHair_ <= 1 && (shoe_ == 0 || shoe_ == 2);
}

void TPoolPlayer::CompleteDefaults(const TCountry& country)
{
    if (birthDate_.IsSet() || !HasDefaultLooks()) return;
    country.RandomiseAppearance(*this);
    facialHair_ = 1;
    const int footDraw = CrtRandBelow(100);
    foot_ = footDraw >= 91 ? 3 : (footDraw >= 81 ? 2 : (footDraw >= 61 ? 1 : 0));
    const int talentDraw = CrtRandBelow(100);
    talent_ = talentDraw >= 98 ? 4 : (talentDraw >= 86 ? 3 : (talentDraw >= 31 ? 2 : 1));
}

bool TPoolPlayer::WritePoolPlayer(CIndexTextFile& file) const
{
    if (!file.WriteSectionBegin(PoolKey)) return false;
    bool ok = WriteRecordText(file, firstName_) && WriteRecordText(file, lastName_);
    ok &= WriteRecordText(file, pseudonym_);
    ok &= file.WriteUInt8(nationality_) && file.WriteUInt8(abilityIndex_);
    ok &= file.WriteInt32(GetGameIdMaps().GetSaveClubId(preferredClub_)) && file.WriteUInt8(teamPart_);
    ok &= birthDate_.WriteDate(file);
    for (std::uint8_t value : {talent_, foot_, characterTrait_, face_, hairColour_, hairstyle_, facialHair_, shoe_}) {
        ok &= file.WriteUInt8(value);
    }
    return file.WriteSectionEnd(PoolKey) && ok;
}

TSectionRead TPoolPlayer::ReadPoolPlayer(CIndexTextFile& file)
{
    CRecordSectionReader section(file, PoolKey);
    if (!section.Found()) return TSectionRead::Missing;
    section.Text(firstName_, FirstNameCapacity);
    section.Text(lastName_, LastNameCapacity);
    section.Text(pseudonym_, LastNameCapacity);
    section.Number(nationality_);
    section.Number(abilityIndex_);
    std::int32_t club = static_cast<std::int32_t>(preferredClub_);
    section.Number(club);
    preferredClub_ = static_cast<std::uint32_t>(club);
    const std::uint16_t major = TDatabaseVersion::GetFileMajor();
    if (major >= 0x2004) section.Number(teamPart_);
    if (major >= 0x2007) {
        birthDate_.ReadDate(file);
        for (std::uint8_t* value : {&talent_, &foot_, &characterTrait_, &face_, &hairColour_, &hairstyle_,
                                    &facialHair_, &shoe_}) {
            section.Number(*value);
        }
    } else {
        // Older files knew none of these; the country completes them.
        birthDate_.Clear();
        talent_ = 4;
        foot_ = 0;
        characterTrait_ = 0;
        face_ = hairColour_ = hairstyle_ = 0;
        facialHair_ = 1;
        shoe_ = 2;
    }
    return section.Finish();
}
