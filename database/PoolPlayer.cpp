#include "database/PoolPlayer.h"

#include "core/IndexTextFile.h"
#include "database/DatabaseVersion.h"
#include "database/GameIdMaps.h"
#include "database/RecordText.h"

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
    SetRecordText(firstName_, text);
}

void TPoolPlayer::SetLastName(const char16_t* text)
{
    SetRecordText(lastName_, text);
}

void TPoolPlayer::SetPseudonym(const char16_t* text)
{
    SetRecordText(pseudonym_, text);
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
