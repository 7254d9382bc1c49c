#pragma once
// The 64 kit colours and the kit block the renderer plug-in draws a kit
// from: words 0..2 the three styles, 3..10 the eight colours (slot 0 three
// times, slot 2 three times, slot 3 twice) as 0xFFRRGGBB, word 11 -1,
// word 12 2, and three 260-byte ANSI paths at bytes 52 and 312 (unused,
// empty) and 572 (the kit's texture).

#include <array>
#include <cstdint>
#include <string_view>

class TKit;

constexpr int KitPaletteSize = 64;
constexpr std::size_t KitBlockWords = 208;
constexpr std::size_t KitBlockPathBytes = 260;
constexpr std::size_t KitBlockTextureOffset = 572;
using TKitBlock = std::array<std::uint32_t, KitBlockWords>;

// Entry i as 0xFFRRGGBB; 0xFFFFFFFF (-1) for an index outside 0..63.
std::uint32_t GetKitPaletteColourArgb(int index);

// What a kit block is made of: three styles and eight palette indices.
struct TKitLook {
    std::uint8_t styles[3] = {};
    std::uint8_t colours[8] = {};
};
// Kit k (0 home, 1 away) of a record: styles, slot 0, slot 2, slot 3's first two.
TKitLook GetKitLook(const TKit& kit, int k);
// texture: ANSI bytes, cut to 259.
TKitBlock BuildKitBlock(const TKitLook& look, std::string_view texture);
// The texture path stored at byte 572, read within its 260 bytes.
std::string_view GetKitBlockTexture(const TKitBlock& block);
