#include "database/club/KitPalette.h"

#include <algorithm>
#include <cstring>

#include "database/club/Kit.h"

namespace {

constexpr std::uint32_t Palette[KitPaletteSize] = {
    0xFF5555, 0x0EB102, 0x01BADC, 0xFFF000, 0xAC7928, 0x98CED8, 0xDC0191, 0xFFFFFF,
    0xFF0000, 0x0B9201, 0x019DB9, 0xFFD200, 0x896020, 0x779DA4, 0xDC01B5, 0xE6E3E3,
    0xE30404, 0x087400, 0x00758B, 0xFFC000, 0x62420F, 0x5D7B80, 0xDC01D4, 0xC9C9C9,
    0xC90000, 0x02B165, 0x009CFF, 0xFFA200, 0xB96D35, 0x90CA88, 0xCA01DC, 0xAAA7A7,
    0xB00202, 0x00602B, 0x0060FF, 0xFF8A00, 0x995B2E, 0x678E62, 0xB001DC, 0x808080,
    0x950000, 0x79940D, 0x0223CC, 0xFF7200, 0x77441E, 0x486444, 0x9601DC, 0x5F5F5F,
    0x790000, 0x516500, 0x4200FF, 0xFF5400, 0xAC8B28, 0xFFEC94, 0x8201DC, 0x383838,
    0x5C0000, 0x2E3D00, 0x3205B4, 0xFF2400, 0x7B631B, 0xC9BA73, 0x5C009C, 0x000000,
};

constexpr std::size_t FirstColourWord = 3;
constexpr std::size_t UnsetWord = 11;
constexpr std::size_t ModeWord = 12;

}  // namespace

std::uint32_t GetKitPaletteColourArgb(int index)
{
    if (index < 0 || index >= KitPaletteSize) return 0xFFFFFFFFu;
    return 0xFF000000u | Palette[index];
}

TKitLook GetKitLook(const TKit& kit, int k)
{
    TKitLook look;
    for (int part = 0; part < 3; ++part) look.styles[part] = kit.GetStyle(k, part);
    std::uint8_t unused = 0;
    kit.GetColour(k, 0, look.colours[0], look.colours[1], look.colours[2]);
    kit.GetColour(k, 2, look.colours[3], look.colours[4], look.colours[5]);
    kit.GetColour(k, 3, look.colours[6], look.colours[7], unused);
    return look;
}

TKitBlock BuildKitBlock(const TKitLook& look, std::string_view texture)
{
    TKitBlock block{};
    for (std::size_t i = 0; i < 3; ++i) block[i] = look.styles[i];
    for (std::size_t i = 0; i < 8; ++i) block[FirstColourWord + i] = GetKitPaletteColourArgb(look.colours[i]);
    block[UnsetWord] = 0xFFFFFFFFu;
    block[ModeWord] = 2;
    const std::size_t length = std::min(texture.size(), KitBlockPathBytes - 1);
    std::memcpy(reinterpret_cast<char*>(block.data()) + KitBlockTextureOffset, texture.data(), length);
    return block;
}

std::string_view GetKitBlockTexture(const TKitBlock& block)
{
    const char* path = reinterpret_cast<const char*>(block.data()) + KitBlockTextureOffset;
    return std::string_view(path, strnlen(path, KitBlockPathBytes));
}
