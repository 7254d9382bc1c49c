#include "core/text/TextTools.h"

#include <array>
#include <optional>

#include "platform/TextCodec.h"

namespace {

struct GameByte {
    char16_t character;
    std::uint8_t byte;
};

// The game's font puts the Polish letters on Latin-1 places it does not use.
constexpr std::array<GameByte, 18> GameEncodingTable{{
    {u'\u0105', 0x85}, {u'\u0107', 0x86}, {u'\u0119', 0x87}, {u'\u0142', 0x89}, {u'\u0144', 0x8B},
    {u'\u015B', 0xA2}, {u'\u017C', 0xA4}, {u'\u017A', 0xA6}, {u'\u0104', 0xA8}, {u'\u0106', 0xAB},
    {u'\u0118', 0xAC}, {u'\u0141', 0xAF}, {u'\u0143', 0xB1}, {u'\u015A', 0xB7}, {u'\u017B', 0xB8},
    {u'\u0179', 0xBB}, {u'\u2019', 0x27}, {u'\u2013', 0x2D},
}};

std::optional<std::uint8_t> ExactGameByte(char16_t c)
{
    if (c <= 0xFF) return static_cast<std::uint8_t>(c);
    for (const GameByte& entry : GameEncodingTable) {
        if (entry.character == c) return entry.byte;
    }
    return std::nullopt;
}

}  // namespace

// One byte per UTF-16 unit, so that a text takes as many bytes as it has
// units: each half of a character outside the basic plane becomes a '?'.
void ToGameCodepage(const char16_t* src, std::uint8_t* dest, std::size_t capacity)
{
    if (!dest || capacity < 1) return;
    std::size_t written = 0;
    for (const char16_t* p = src; p && *p && written + 1 < capacity; ++p) {
        if (auto exact = ExactGameByte(*p)) {
            dest[written++] = *exact;
            continue;
        }
        dest[written++] = platform::CharToCp1252BestFit(*p);
    }
    dest[written] = 0;
}

bool IsGameCodepageText(const char16_t* text)
{
    for (const char16_t* p = text; p && *p; ++p) {
        std::uint8_t byte = 0;
        if (!ExactGameByte(*p) && !platform::CharToCp1252(*p, byte)) return false;
    }
    return true;
}
