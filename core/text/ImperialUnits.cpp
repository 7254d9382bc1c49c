#include "core/text/TextTools.h"

#include "core/text/Format.h"

namespace {

// Single-precision constants, so that the texts match the game's own.
constexpr float FeetPerCentimetre = 0.0328084f;
constexpr float CentimetresPerFoot = 30.48f;
constexpr float InchesPerCentimetre = 0.39370078f;
constexpr float StonePerKilogram = 0.15752994f;
constexpr float KilogramsPerStone = 6.348f;
constexpr float PoundsPerKilogram = 2.2046227f;

constexpr std::size_t ImperialBufferSize = 64;

char16_t* ImperialBuffer()
{
    thread_local char16_t buffer[ImperialBufferSize];
    return buffer;
}

}  // namespace

const char16_t* FormatHeightImperial(int centimetres)
{
    const float height = static_cast<float>(centimetres);
    const int feet = static_cast<int>(height * FeetPerCentimetre);
    const int inches = static_cast<int>((height - static_cast<float>(feet) * CentimetresPerFoot) * InchesPerCentimetre);
    char16_t* buffer = ImperialBuffer();
    FormatInto(buffer, ImperialBufferSize, u"%i' %i''", feet, inches);
    return buffer;
}

const char16_t* FormatWeightImperial(int kilograms)
{
    const float weight = static_cast<float>(kilograms);
    const int stone = static_cast<int>(weight * StonePerKilogram);
    const int pounds = static_cast<int>((weight - static_cast<float>(stone) * KilogramsPerStone) * PoundsPerKilogram);
    char16_t* buffer = ImperialBuffer();
    if (pounds < 1) FormatInto(buffer, ImperialBufferSize, u"%ist", stone);
    else FormatInto(buffer, ImperialBufferSize, u"%ist %ilbs", stone, pounds);
    return buffer;
}
