#include "PlayerLookModel.h"

#include <algorithm>
#include <limits>

#include "database/person/Person.h"

PlayerLooks PlayerLookModel::Show(const TPerson& person)
{
    PlayerLooks looks;
    looks.hairColour = person.GetHairColour();
    looks.face = person.GetFace();
    looks.hairstyle = person.GetHairstyle();
    looks.facialHair = person.GetFacialHair();
    looks.shoe = person.GetShoe();
    looks.faceId = person.GetFaceId();
    looks.height = person.GetHeightClamped();
    looks.weight = person.GetWeightClamped();
    looks.longSleeves = (person.GetAppearanceBits() & LongSleevesBit) != 0;
    return looks;
}

void PlayerLookModel::Store(TPerson& person, const PlayerLooks& looks)
{
    person.SetAppearance(looks.hairColour, looks.face, looks.hairstyle, looks.facialHair, looks.shoe);
    person.SetFaceId(looks.faceId);
    person.SetHeightWeight(static_cast<std::uint8_t>(std::clamp(looks.height, LowestHeight, HighestHeight)),
                           static_cast<std::uint8_t>(std::clamp(looks.weight, LowestWeight, HighestWeight)));
    const std::uint8_t bits = person.GetAppearanceBits();
    person.SetAppearanceBits(looks.longSleeves ? bits | LongSleevesBit : bits & ~LongSleevesBit);
}

TPortraitHead PlayerLookModel::HeadOf(const TPerson& person)
{
    TPortraitHead head;
    head.faceId = person.GetFaceId();
    head.hairstyle = person.GetHairstyle();
    head.hairColour = person.GetHairColour();
    head.facialHair = person.GetFacialHair();
    head.face = person.GetFace();
    return head;
}

std::uint32_t PlayerLookModel::ParsePictureId(std::u16string_view text)
{
    constexpr std::uint64_t Largest = std::numeric_limits<std::uint32_t>::max();
    text = text.substr(0, std::min(text.size(), PictureIdCapacity));
    std::uint64_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') break;
        value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(c - u'0'), Largest + 1);
    }
    return static_cast<std::uint32_t>(std::min(value, Largest));
}
