#include "archive/TgaDib.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A TGA header with the given fields; pixels are appended by the caller.
Bytes TgaHeader(int type, int width, int height, int depth, std::uint8_t descriptor = 0, Bytes id = {})
{
    Bytes b = {static_cast<std::uint8_t>(id.size()), 0, static_cast<std::uint8_t>(type), 0, 0, 0, 0, 0, 0, 0, 0, 0,
               static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(width >> 8),
               static_cast<std::uint8_t>(height), static_cast<std::uint8_t>(height >> 8),
               static_cast<std::uint8_t>(depth), descriptor};
    b.insert(b.end(), id.begin(), id.end());
    return b;
}

std::unique_ptr<TDibImage> Convert(const Bytes& tga) { return ConvertTgaToBmp24(tga.data(), tga.size()); }

std::uint32_t U32(const std::uint8_t* at) { return at[0] | at[1] << 8 | at[2] << 16 | std::uint32_t{at[3]} << 24; }

Bytes Pixel(const TDibImage& image, int x, int row)
{
    const std::uint8_t* at = image.Pixels() + row * image.Stride() + x * 3;
    return {at[0], at[1], at[2]};
}

TEST(TgaDib, ThreeByTwoHasPaddedRowsAndTheHeaderSizes)
{
    Bytes tga = TgaHeader(2, 3, 2, 24);
    for (int k = 0; k < 18; ++k) tga.push_back(static_cast<std::uint8_t>(k + 1));
    const auto image = Convert(tga);
    ASSERT_TRUE(image);
    const auto& file = image->FileImage();
    const Bytes header = {'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0,
                          1, 0, 24, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(file.size(), 78u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 54), header);
    EXPECT_EQ(image->Palette(), nullptr);
    const Bytes rows(file.begin() + 54, file.end());
    EXPECT_EQ(rows, (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0}));
    EXPECT_EQ(DibFileSize(*image), 78u);
}

TEST(TgaDib, SixteenBitPixelsSpreadFiveBitsPerChannel)
{
    struct Case {
        std::uint16_t pixel;
        Bytes bgr;
    } cases[] = {{0x7FFF, {0xF8, 0xF8, 0xF8}}, {0x8000, {0, 0, 0}}, {0x7C1F, {0xF8, 0x00, 0xF8}},
                 {0x03E0, {0x00, 0xF8, 0x00}}, {0x0421, {0x08, 0x08, 0x08}}};
    for (const auto& c : cases) {
        Bytes tga = TgaHeader(2, 1, 1, 16);
        tga.push_back(static_cast<std::uint8_t>(c.pixel));
        tga.push_back(static_cast<std::uint8_t>(c.pixel >> 8));
        const auto image = Convert(tga);
        ASSERT_TRUE(image);
        EXPECT_EQ(Pixel(*image, 0, 0), c.bgr) << std::hex << c.pixel;
    }
}

TEST(TgaDib, RunPacketsCrossRowEnds)
{
    // 20 × 10 picture: 10 literal pixels, then a run of 128 starting 10
    // pixels before the first row's end.
    Bytes tga = TgaHeader(10, 20, 10, 24);
    tga.push_back(0x09);
    for (int k = 0; k < 10; ++k) tga.insert(tga.end(), {1, 1, 1});
    tga.insert(tga.end(), {0xFF, 7, 8, 9});
    const auto image = Convert(tga);
    ASSERT_TRUE(image);
    const Bytes run = {7, 8, 9};
    int filled = 0;
    for (int row = 0; row < 10; ++row) {
        for (int x = 0; x < 20; ++x) filled += Pixel(*image, x, row) == run;
    }
    EXPECT_EQ(filled, 128);
    EXPECT_EQ(Pixel(*image, 9, 0), (Bytes{1, 1, 1}));
    EXPECT_EQ(Pixel(*image, 10, 0), run);
    EXPECT_EQ(Pixel(*image, 19, 5), run);   // 118 = 5 rows and 18 pixels
    EXPECT_EQ(Pixel(*image, 17, 6), run);
    EXPECT_EQ(Pixel(*image, 18, 6), (Bytes{0, 0, 0}));
}

TEST(TgaDib, TopLeftOriginIsTurnedUprightAndBottomUpKeepsItsRows)
{
    for (const bool top : {false, true}) {
        Bytes tga = TgaHeader(2, 1, 3, 32, top ? 0x28 : 0x08);
        for (std::uint8_t row = 1; row <= 3; ++row) tga.insert(tga.end(), {row, row, row, 0xFF});
        const auto image = Convert(tga);
        ASSERT_TRUE(image);
        EXPECT_EQ(Pixel(*image, 0, 0)[0], top ? 3 : 1);
        EXPECT_EQ(Pixel(*image, 0, 2)[0], top ? 1 : 3);
    }
}

TEST(TgaDib, IdAndColourMapAreSkipped)
{
    Bytes tga = TgaHeader(2, 1, 1, 24, 0, {'i', 'd'});
    tga[1] = 1;   // colour map: 2 entries of 24 bits
    tga[5] = 2;
    tga[7] = 24;
    tga.insert(tga.end(), {9, 9, 9, 9, 9, 9, 4, 5, 6});
    const auto image = Convert(tga);
    ASSERT_TRUE(image);
    EXPECT_EQ(Pixel(*image, 0, 0), (Bytes{4, 5, 6}));
}

TEST(TgaDib, HostileHeadersGiveNullAndOtherDepthsGiveBlack)
{
    struct Case {
        const char* name;
        Bytes tga;
    } nulls[] = {
        {"short header", Bytes(17, 0)},
        {"header shorter than its ID", Bytes{5, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 24, 0, 1, 2, 3, 4}},
        {"width 0", TgaHeader(10, 0, 5, 24)},
        {"height 0", TgaHeader(2, 5, 0, 24)},
        {"above 64 MiB", TgaHeader(2, 0xFFFF, 0xFFFF, 24)},
    };
    for (const auto& c : nulls) EXPECT_FALSE(Convert(c.tga)) << c.name;
    EXPECT_FALSE(ConvertTgaToBmp24(nullptr, 100));

    for (const int depth : {8, 15}) {
        Bytes tga = TgaHeader(2, 2, 2, depth);
        tga.resize(tga.size() + 16, 0xFF);
        const auto image = Convert(tga);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->FileImage().size(), 54u + 2 * 8);
        EXPECT_EQ(image->FileImage()[28], 24);
        for (std::size_t k = 54; k < image->FileImage().size(); ++k) EXPECT_EQ(image->FileImage()[k], 0);
    }
}

TEST(TgaDib, ATruncatedCopyKeepsItsFirstRowsThenBlack)
{
    Bytes tga = TgaHeader(2, 4, 4, 24);
    tga.resize(tga.size() + 4 * 4 * 3, 0x80);
    for (const int type : {2, 10}) {
        Bytes cut = tga;
        cut[2] = static_cast<std::uint8_t>(type);
        if (type == 10) {
            cut.resize(18);
            for (int k = 0; k < 16; ++k) cut.insert(cut.end(), {0x80, 0x80, 0x80, 0x80});
        }
        cut.resize(cut.size() - (type == 2 ? 4 * 3 + 1 : 4 * 4 + 1));
        const auto image = Convert(cut);
        ASSERT_TRUE(image) << type;
        const int full = 11;   // pixels fully present
        for (int k = 0; k < 16; ++k) {
            EXPECT_EQ(Pixel(*image, k % 4, k / 4)[0], k < full ? 0x80 : 0) << type << " pixel " << k;
        }
    }
}

TEST(TgaDib, ARawPacketCutShortKeepsItsCompletePixels)
{
    // 3 × 1, run-length: a run of one pixel, then a raw packet of two whose
    // second pixel lacks its last byte.
    for (const int depth : {16, 24, 32}) {
        SCOPED_TRACE(depth);
        const std::size_t size = static_cast<std::size_t>(depth / 8);
        Bytes tga = TgaHeader(10, 3, 1, depth);
        tga.push_back(0x80);
        tga.insert(tga.end(), size, 0x42);
        tga.push_back(0x01);
        tga.insert(tga.end(), size, 0x63);
        tga.insert(tga.end(), size - 1, 0x21);
        const auto image = Convert(tga);
        ASSERT_TRUE(image);
        const Bytes first = depth == 16 ? Bytes{0x10, 0x90, 0x80} : Bytes{0x42, 0x42, 0x42};
        const Bytes second = depth == 16 ? Bytes{0x18, 0xD8, 0xC0} : Bytes{0x63, 0x63, 0x63};
        EXPECT_EQ(Pixel(*image, 0, 0), first);
        EXPECT_EQ(Pixel(*image, 1, 0), second);
        EXPECT_EQ(Pixel(*image, 2, 0), (Bytes{0, 0, 0}));
    }
}

TEST(TgaDib, AlphaVariantGivesTheAlphaBytesAsGreyLevels)
{
    Bytes tga = TgaHeader(2, 5, 2, 32);
    for (int k = 0; k < 10; ++k) tga.insert(tga.end(), {1, 2, 3, static_cast<std::uint8_t>(k * 20)});
    const auto image = ConvertTgaAlphaToBmp8(tga.data(), tga.size());
    ASSERT_TRUE(image);
    const auto& file = image->FileImage();
    EXPECT_EQ(U32(&file[10]), 1078u);
    EXPECT_EQ(file.size(), 1094u);
    EXPECT_EQ(DibFileSize(*image), 1094u);
    EXPECT_EQ(file[28], 8);
    ASSERT_NE(image->Palette(), nullptr);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(U32(image->Palette() + 4 * i), static_cast<std::uint32_t>(i * 0x010101)) << i;
    }
    EXPECT_EQ(Bytes(file.begin() + 1078, file.end()), (Bytes{0, 20, 40, 60, 80, 0, 0, 0, 100, 120, 140, 160, 180, 0, 0, 0}));

    for (const auto& other : {TgaHeader(10, 5, 2, 32), TgaHeader(2, 5, 2, 24)}) {
        EXPECT_FALSE(ConvertTgaAlphaToBmp8(other.data(), other.size()));
    }
}

TEST(TgaDib, PacketReadersStopAtTheEndOfTheirInput)
{
    std::uint8_t pixels[TgaPacketPixels * 4];
    std::uint8_t count = 0;
    const Bytes run = {0x83, 1, 2, 3, 4, 0x01, 5, 6, 7, 8};
    CByteCursor input(run);
    ASSERT_TRUE(ReadTgaRlePacket32(input, count, pixels));
    EXPECT_EQ(count, 4);
    EXPECT_EQ(Bytes(pixels, pixels + 16), (Bytes{1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4}));
    EXPECT_FALSE(ReadTgaRlePacket32(input, count, pixels));   // raw packet of 2 with only one pixel
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Bytes(pixels, pixels + 4), (Bytes{5, 6, 7, 8}));
    EXPECT_TRUE(input.AtEnd());
    const Bytes cutRun = {0x81, 1, 2};
    CByteCursor runInput(cutRun);
    std::uint8_t pixels24[TgaPacketPixels * 3];
    EXPECT_FALSE(ReadTgaRlePacket24(runInput, count, pixels24));
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(runInput.AtEnd());

    struct Case {
        Bytes input;
        bool ok;
        std::uint8_t count;
        BmpRle8Status status;
        Bytes bytes;
    } cases[] = {
        {{3, 7}, true, 3, BmpRle8Status::Data, {7, 7, 7}},
        {{0, 0}, true, 0, BmpRle8Status::EndOfLine, {}},
        {{0, 1}, true, 0, BmpRle8Status::EndOfBitmap, {}},
        {{0, 2, 5, 6}, true, 2, BmpRle8Status::Data, {5, 6}},
        {{0, 3, 5, 6, 7, 0}, true, 3, BmpRle8Status::Data, {5, 6, 7}},
        {{0, 3, 5, 6}, false, 0, BmpRle8Status::Data, {}},
        {{4}, false, 0, BmpRle8Status::Data, {}},
    };
    for (const auto& c : cases) {
        std::uint8_t bytes[255];
        CByteCursor cursor(c.input);
        BmpRle8Status status{};
        EXPECT_EQ(ReadBmpRle8Packet(cursor, count, status, bytes), c.ok);
        EXPECT_EQ(count, c.count);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(Bytes(bytes, bytes + count), c.bytes);
        EXPECT_TRUE(cursor.AtEnd());
    }
}

}  // namespace
