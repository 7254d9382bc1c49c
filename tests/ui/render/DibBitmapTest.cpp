#include "ui/render/DibBitmap.h"

#include <gtest/gtest.h>

#include <random>

#include "database/club/Club.h"
#include "tests/archive/BadgeTreeSupport.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A 32-bit raw TGA of noise, top-left origin.
Bytes NoiseTga(int width, int height)
{
    Bytes tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(width >> 8),
                 static_cast<std::uint8_t>(height), static_cast<std::uint8_t>(height >> 8), 32, 0x28};
    std::mt19937 random(5);
    for (int k = 0; k < width * height * 4; ++k) tga.push_back(static_cast<std::uint8_t>(random()));
    return tga;
}

// The bitmap's size and its rows as a bottom-up 24-bit DIB.
Bytes Rows24(HBITMAP bitmap, int& width, int& height)
{
    BITMAP info{};
    EXPECT_EQ(GetObjectW(bitmap, sizeof(info), &info), static_cast<int>(sizeof(info)));
    width = info.bmWidth;
    height = info.bmHeight;
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(request.bmiHeader);
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = height;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 24;
    request.bmiHeader.biCompression = BI_RGB;
    Bytes rows(TDibImage::RowStride(static_cast<std::uint32_t>(width), 24) * static_cast<std::size_t>(height));
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), rows.data(), &request, DIB_RGB_COLORS), height);
    ReleaseDC(nullptr, screen);
    return rows;
}

TEST(DibBitmap, ABadgeBecomesABitmapWithTheCoresPixels)
{
    const HDC screen = GetDC(nullptr);
    const int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    ASSERT_GE(depth, 24) << "a screen of fewer bits quantises the colours";

    const Bytes tga = NoiseTga(256, 256);
    const auto dib = ConvertTgaToBmp24(tga.data(), tga.size());
    ASSERT_TRUE(dib);
    for (const auto& bitmap : {LoadTgaBitmapFromMemory(tga), LoadTgaBitmapUnsized(tga)}) {
        ASSERT_TRUE(bitmap);
        int width = 0, height = 0;
        const Bytes rows = Rows24(bitmap.Get(), width, height);
        EXPECT_EQ(width, 256);
        EXPECT_EQ(height, 256);
        EXPECT_TRUE(std::equal(rows.begin(), rows.end(), dib->Pixels()));
    }
}

TEST(DibBitmap, FilesWithWideNamesLoadAndMissingOrHostileOnesGiveNothing)
{
    testing_support::TempFolder folder;
    const std::u16string wide = folder.File(u"\u0141\u00f3d\u017a \u6f22.tga");
    testing_support::WriteBytes(wide, NoiseTga(3, 2));
    const auto bitmap = LoadTgaBitmapFromFile(wide);
    ASSERT_TRUE(bitmap);
    int width = 0, height = 0;
    Rows24(bitmap.Get(), width, height);
    EXPECT_EQ(width * 10 + height, 32);

    EXPECT_FALSE(LoadTgaBitmapFromFile(folder.File(u"missing.tga")));
    const Bytes hostile = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 24, 0, 0xFF};
    EXPECT_FALSE(LoadTgaBitmapFromMemory(hostile));
    EXPECT_FALSE(LoadTgaBitmapFromMemory({}));
    EXPECT_FALSE(LoadTgaBitmapUnsized(Bytes(17, 0)));
}

TEST(DibBitmap, BadgesLoadFromTheFolderOrTheArchive)
{
    badge_testing::BadgeTree tree;
    const CBadgeSources sources(tree.Folder(), &tree.Archive());
    EXPECT_TRUE(LoadBadgeBitmap(u"color\\Badge%d\\bl_ro.tga", sources));   // from the archive
    EXPECT_FALSE(LoadBadgeBitmap(u"color\\Badge%d\\gr_sw.tga", sources));
    TClub club(1);
    club.SetId(21u << 16 | 0xFFFF);   // DE.tga of the national team, from disk
    EXPECT_TRUE(LoadClubBadgeBitmap(&club, sources));
    EXPECT_FALSE(LoadClubBadgeBitmap(nullptr, sources));
}

}  // namespace
