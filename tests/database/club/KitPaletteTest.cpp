#include <gtest/gtest.h>

#include "database/club/Kit.h"
#include "database/club/KitPalette.h"

TEST(KitPalette, EntriesAndOutsiders)
{
    EXPECT_EQ(GetKitPaletteColourArgb(0), 0xFFFF5555u);
    EXPECT_EQ(GetKitPaletteColourArgb(10), 0xFF019DB9u);
    EXPECT_EQ(GetKitPaletteColourArgb(63), 0xFF000000u);
    EXPECT_EQ(GetKitPaletteColourArgb(64), 0xFFFFFFFFu);
    EXPECT_EQ(GetKitPaletteColourArgb(-1), 0xFFFFFFFFu);
}

TEST(KitPalette, BlockCarriesStylesColoursAndTexture)
{
    TKit kit;
    kit.SetStyle(1, 0, 7);
    kit.SetStyle(1, 1, 3);
    kit.SetStyle(1, 2, 2);
    kit.SetColour(1, 0, 0, 7, 63);
    kit.SetColour(1, 1, 9, 9, 9);  // slot 1 is not part of the look
    kit.SetColour(1, 2, 8, 16, 24);
    kit.SetColour(1, 3, 1, 2, 3);
    const std::string texture = "user\\kits\\0000002A_a.tga";
    const TKitBlock block = BuildKitBlock(GetKitLook(kit, 1), texture);
    const std::uint32_t expected[13] = {7,           3,           2,           0xFFFF5555u, 0xFFFFFFFFu, 0xFF000000u, 0xFFFF0000u,
                                        0xFFE30404u, 0xFFC90000u, 0xFF0EB102u, 0xFF01BADCu, 0xFFFFFFFFu, 2};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(block[i], expected[i]) << i;
    const auto* bytes = reinterpret_cast<const char*>(block.data());
    EXPECT_EQ(bytes[52], 0);
    EXPECT_EQ(bytes[312], 0);
    EXPECT_EQ(std::string(bytes + 572), texture);
    EXPECT_EQ(GetKitBlockTexture(block), texture);
    for (std::size_t i = 13; i < 143; ++i) EXPECT_EQ(block[i], 0u) << i;

    const TKitBlock longPath = BuildKitBlock({}, std::string(400, 'p'));
    EXPECT_EQ(GetKitBlockTexture(longPath).size(), 259u);
}
