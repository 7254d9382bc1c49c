#pragma once
// What the looks page shows of a person and stores back, apart from its
// window: the two previews' views of him, the looks as one set of values,
// and the picture id typed in administration mode.

#include <cstdint>
#include <string_view>

#include "database/person/PlayerPortrait.h"

class TPerson;

struct PlayerLooks {
    std::uint8_t hairColour = 0;
    std::uint8_t face = 0;
    std::uint8_t hairstyle = 0;
    std::uint8_t facialHair = 0;
    std::uint8_t shoe = 0;
    std::uint32_t faceId = 0;
    int height = 0;
    int weight = 0;
    bool longSleeves = false;
};

class PlayerLookModel {
public:
    static constexpr int LowestHeight = 150;
    static constexpr int HighestHeight = 220;
    static constexpr int LowestWeight = 50;
    static constexpr int HighestWeight = 150;
    static constexpr std::size_t PictureIdCapacity = 31;
    static constexpr std::uint8_t LongSleevesBit = 0x01;

    // The person's looks with height and weight clamped to the spins' ranges.
    static PlayerLooks Show(const TPerson& person);
    // Appearance, face template, height and weight (clamped) and sleeves.
    static void Store(TPerson& person, const PlayerLooks& looks);
    // The preview's view of the head, shared with the pool entry's.
    static TPortraitHead HeadOf(const TPerson& person);
    // The first 31 characters read as a decimal number: 0 without digits,
    // the largest id when it does not fit.
    static std::uint32_t ParsePictureId(std::u16string_view text);
};
