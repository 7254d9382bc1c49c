// FSH images: format conversions by exact bytes, the quantiser, scaling,
// hostile BMP and TGA files, and Pillow's pixels for our imports and exports.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "archive/FshImage.h"
#include "core/text/Format.h"
#include "tests/archive/ArchiveTestSupport.h"

namespace {

using archive_test::Bytes;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

std::vector<std::u16string> g_messages;
void Record(const char16_t* text, int) { g_messages.push_back(text); }

class FshImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_messages.clear();
        previous_ = SetImageMessageHandler(Record);
    }
    void TearDown() override { SetImageMessageHandler(previous_); }
    ImageMessageHandler previous_ = nullptr;
};

void Make(CMireloFshImage& image, std::uint8_t type, Bytes pixels, std::uint16_t w, std::uint16_t h)
{
    image.Reset();
    image.SetName("img");
    image.SetPixels(type, std::move(pixels), w, h, false);
}

// The pixels as bytes B, G, R, A.
Bytes Bgra(const CMireloFshImage& image)
{
    CMireloFshImage copy;
    copy.CopyFrom(image);
    EXPECT_TRUE(copy.Convert(0x7D, 0x2A));
    return copy.GetData();
}

TEST_F(FshImageTest, ConvertsOneColourToEveryFormatAndBack)
{
    const struct { std::uint8_t type; Bytes stored, back; } cases[] = {
        {0x6D, {0x42, 0xF8}, {0x20, 0x40, 0x80, 0xF0}},
        {0x78, {0x04, 0x82}, {0x20, 0x40, 0x80, 0xFF}},
        {0x7E, {0x04, 0xC1}, {0x20, 0x40, 0x80, 0xFF}},
        {0x7F, {0x20, 0x40, 0x80}, {0x20, 0x40, 0x80, 0xFF}},
        {0x7D, {0x20, 0x40, 0x80, 0xFF}, {0x20, 0x40, 0x80, 0xFF}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        CMireloFshImage image;
        Make(image, 0x7D, {0x20, 0x40, 0x80, 0xFF}, 1, 1);
        ASSERT_TRUE(image.Convert(c.type, 0));
        EXPECT_EQ(image.GetData(), c.stored);
        EXPECT_EQ(Bgra(image), c.back);
    }
}

TEST_F(FshImageTest, PaletteFormatsAndTheOneBitAlphaRule)
{
    const struct { std::uint8_t type; Bytes stored; } cases[] = {
        {0x23, {0x00, 0x00, 0x00, 0x80}},
        {0x2D, {0x00, 0x00, 0x00, 0x80}},
        {0x24, {0x00, 0x00, 0x00, 0x00, 0x00, 0x01}},
        {0x2E, {0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x01, 0x80}},
        {0x2C, {0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x80}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        CMireloFshImage image;
        Make(image, 0x7B, {0, 1}, 2, 1);
        image.SetPalette(0x2A, {0x00, 0x00, 0x00, 0x80, 0x01, 0x00, 0x00, 0x80}, 2, false);
        ASSERT_TRUE(image.Convert(0x7B, c.type));
        EXPECT_EQ(image.GetPaletteData(), c.stored);
        EXPECT_EQ(image.GetData(), Bytes({0, 1}));
    }
    // An index beyond the palette reads as colour 0.
    CMireloFshImage image;
    Make(image, 0x7B, {1, 5}, 2, 1);
    image.SetPalette(0x2A, {0, 0, 0, 0, 9, 8, 7, 6}, 2, false);
    EXPECT_EQ(Bgra(image), Bytes({9, 8, 7, 6, 0, 0, 0, 0}));
}

TEST_F(FshImageTest, QuantisingKeepsFewColoursExactly)
{
    // Fourteen distinct colours of even channels, repeated; 254 comes back as 255.
    Bytes pixels;
    for (int i = 0; i < 64; ++i) {
        const int k = i % 14;
        pixels.insert(pixels.end(), {static_cast<std::uint8_t>(k * 18), static_cast<std::uint8_t>(254 - k * 2),
                                     static_cast<std::uint8_t>(k * 4), static_cast<std::uint8_t>(k % 2 ? 254 : 100)});
    }
    for (std::uint8_t type : {std::uint8_t{0x7A}, std::uint8_t{0x7B}}) {
        CMireloFshImage image;
        Make(image, 0x7D, pixels, 8, 8);
        ASSERT_TRUE(image.Convert(type, 0x2A));
        EXPECT_EQ(image.GetPaletteCount(), type == 0x7A ? 16 : 256);
        Bytes expected = pixels;
        for (auto& b : expected) b = b == 254 ? 255 : b;
        EXPECT_EQ(Bgra(image), expected);
    }
    CMireloFshImage single;
    Make(single, 0x7D, Bytes(4 * 9, 0x42), 3, 3);
    ASSERT_TRUE(single.Convert(0x7A, 0x2A));
    EXPECT_EQ(single.GetPaletteEntry(0), 0x42424242u);
    for (int i = 1; i < 16; ++i) EXPECT_EQ(single.GetPaletteEntry(i), 0u);
}

TEST_F(FshImageTest, QuantisingManyColoursStaysClose)
{
    Bytes pixels;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) pixels.insert(pixels.end(), {static_cast<std::uint8_t>(x * 8), static_cast<std::uint8_t>(y * 8), 77, 255});
    CMireloFshImage image;
    Make(image, 0x7D, pixels, 32, 32);
    ASSERT_TRUE(image.Convert(0x7B, 0x2A));
    const Bytes back = Bgra(image);
    for (std::size_t i = 0; i < pixels.size(); ++i) ASSERT_NEAR(back[i], pixels[i], 16) << i;
}

TEST_F(FshImageTest, ScalingAveragesBlocksAndEmpties)
{
    Bytes pixels;
    for (int i = 0; i < 16; ++i) pixels.insert(pixels.end(), {static_cast<std::uint8_t>(i * 10), 0, 0, 255});
    CMireloFshImage image;
    Make(image, 0x7D, pixels, 4, 4);
    ASSERT_TRUE(image.Scale(2, 2));
    // Blocks {0,1,4,5}, {2,3,6,7}, {8,9,12,13}, {10,11,14,15} times 10.
    EXPECT_EQ(image.GetData(), Bytes({25, 0, 0, 255, 45, 0, 0, 255, 105, 0, 0, 255, 125, 0, 0, 255}));
    ASSERT_TRUE(image.Scale(0, 5));
    EXPECT_TRUE(image.GetData().empty());
    EXPECT_EQ(image.GetWidth(), 0);
}

TEST_F(FshImageTest, DataShorterThanTheImageIsRefusedByEveryUse)
{
    // Sizes whose byte counts wrap to small numbers in 32 bits.
    const struct { std::uint8_t type; std::uint16_t w, h; } sizes[] = {
        {0x7D, 32768, 32768}, {0x6D, 65535, 32769}, {0x7F, 65535, 21846}, {0x7B, 5, 5}, {0x7A, 7, 2}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(int{size.type});
        CMireloFshImage image;
        Make(image, size.type, Bytes(4, 0x11), size.w, size.h);
        if (image.HasPalette()) image.SetPalette(0x2A, Bytes(64, 0x22), 16, false);
        const std::u16string refused = u"The inputdata is unsupported (Type: " + Format(u"%d", size.type) + u")";
        for (const std::uint8_t target : {std::uint8_t{0x7D}, std::uint8_t{0x7B}, size.type}) {
            g_messages.clear();
            EXPECT_FALSE(image.Convert(target, 0x2A));
            EXPECT_EQ(g_messages, std::vector<std::u16string>{refused});
        }
        EXPECT_EQ(image.GetData(), Bytes(4, 0x11));
        Bytes file;
        EXPECT_FALSE(image.ExportBmp(file, u"o.bmp"));
        EXPECT_FALSE(image.ExportTga(file, u"o.tga"));
        g_messages.clear();
        EXPECT_FALSE(image.Scale(3, 3));
        EXPECT_EQ(g_messages, (std::vector<std::u16string>{refused, u"Can't scale - no image data"}));
    }
}

TEST_F(FshImageTest, APaletteShorterThanItsCountIsRefused)
{
    CMireloFshImage image;
    Make(image, 0x7B, Bytes(4, 3), 2, 2);
    image.SetPalette(0x24, Bytes(3 * 3, 0x40), 4, false);
    Bytes file;
    EXPECT_FALSE(image.Convert(0x7D, 0x2A));
    EXPECT_FALSE(image.ExportBmp(file, u"o.bmp"));
    EXPECT_EQ(g_messages.front(), u"The inputpalette is unsupported (Type: 36)");
    image.SetPalette(0x24, Bytes(4 * 3, 0x40), 4, false);
    EXPECT_TRUE(image.Convert(0x7D, 0x2A));
    Bytes grey;
    for (int k = 0; k < 4; ++k) grey.insert(grey.end(), {0x40, 0x40, 0x40, 0xFF});
    EXPECT_EQ(image.GetData(), grey);
}

TEST_F(FshImageTest, ScalesBeyondTheLimitAreRefusedAndFactorsChecked)
{
    CMireloFshImage image;
    Make(image, 0x7D, Bytes(16, 9), 2, 2);
    EXPECT_FALSE(image.Scale(65535, 65535));
    EXPECT_FALSE(image.Scale(70000, 1));
    EXPECT_FALSE(image.ScaleBy(1e30f, 1));
    EXPECT_FALSE(image.ScaleBy(std::nanf(""), 1));
    EXPECT_EQ(image.GetData(), Bytes(16, 9));
    ASSERT_TRUE(image.ScaleBy(0.5f, 0.5f));
    EXPECT_EQ(image.GetData(), Bytes({9, 9, 9, 9}));
}

TEST_F(FshImageTest, ExportedTgaHeadersAndFooter)
{
    CMireloFshImage image;
    Make(image, 0x7E, Bytes(2 * 3 * 2, 0xFF), 3, 2);
    Bytes tga;
    ASSERT_TRUE(image.ExportTga(tga, u"x.tga"));
    EXPECT_EQ(Bytes(tga.begin(), tga.begin() + 18), Bytes({0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 0x20, 0x20}));
    const std::string footer(tga.end() - 26, tga.end());
    EXPECT_EQ(footer, std::string(8, '\0') + "TRUEVISION-XFILE." + '\0');
    EXPECT_EQ(tga.size(), 18u + 24 + 26);

    Make(image, 0x7B, {0, 1, 2}, 3, 1);
    image.SetPalette(0x2A, Bytes(3 * 4, 9), 3, false);
    ASSERT_TRUE(image.ExportTga(tga, u"x.tga"));
    EXPECT_EQ(Bytes(tga.begin(), tga.begin() + 8), Bytes({0, 1, 1, 0, 0, 3, 0, 0x18}));
    EXPECT_EQ(tga.size(), 18u + 9 + 3 + 26);
}

Bytes Bmp(std::uint32_t bits, std::int32_t width, std::int32_t height, std::uint32_t compression, std::size_t pixelBytes)
{
    Bytes b = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
    for (std::uint32_t v : {40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)})
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    b.insert(b.end(), {1, 0, static_cast<std::uint8_t>(bits), 0, static_cast<std::uint8_t>(compression), 0, 0, 0});
    b.resize(54 + pixelBytes, 0);
    b[2] = static_cast<std::uint8_t>(b.size());
    b[3] = static_cast<std::uint8_t>(b.size() >> 8);
    return b;
}

TEST_F(FshImageTest, HostileBmpAndTgaFilesAreRefused)
{
    Bytes wrongSize = Bmp(24, 1, 1, 0, 4);
    wrongSize[2] = 99;
    Bytes notBm = Bmp(24, 1, 1, 0, 4);
    notBm[0] = 'X';
    const Bytes tgaRle = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 24, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    Bytes tgaShort = tgaRle;
    tgaShort[2] = 2;
    tgaShort[12] = 9;
    Bytes tgaMap = {0, 1, 1, 0, 0, 0xFF, 0, 24, 0, 0, 0, 0, 1, 0, 1, 0, 8, 0};
    tgaMap.resize(40, 0);
    const struct { const char* what; Bytes file; bool tga; std::u16string message; } cases[] = {
        {"short bmp", Bytes(20, 'B'), false, u"f has a unsupported format or is corrupt"},
        {"not BM", notBm, false, u"f is not a valid BMP file"},
        {"size field", wrongSize, false, u"f seem to be corrupt - can't import"},
        {"compressed", Bmp(8, 1, 1, 1, 1028), false, u"f is a compressed or unknown bitmap file - can't import"},
        {"16 bits", Bmp(16, 1, 1, 0, 4), false, u"f has an unsupported bitformat (16 bpp)"},
        {"short pixels", Bmp(24, 4, 4, 0, 40), false, u"f has a unsupported format or is corrupt"},
        {"width 0", Bmp(24, 0, 4, 0, 40), false, u"f has a unsupported format or is corrupt"},
        {"huge", Bmp(32, 0x7FFFFFFF, -0x7FFFFFFF, 0, 4), false, u"f has a unsupported format or is corrupt"},
        {"tga rle", tgaRle, true, u"f has an unsupported format"},
        {"tga truncated", tgaShort, true, u"f is not a valid TGA file"},
        {"tga map truncated", tgaMap, true, u"f is not a valid TGA file"},
        {"tga tiny", Bytes(10, 0), true, u"f is not a valid TGA file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_messages.clear();
        CMireloFshImage image;
        EXPECT_FALSE(c.tga ? image.ImportTga(c.file, u"f") : image.ImportBmp(c.file, u"f"));
        ASSERT_FALSE(g_messages.empty());
        EXPECT_EQ(g_messages.back(), c.message);
    }
}

TEST_F(FshImageTest, FourBitBmpRoundTripsAndUnknownFormatsFail)
{
    CMireloFshImage image;
    Make(image, 0x7A, {0x21, 0x03, 0x54, 0x06}, 3, 2);
    Bytes palette;
    for (int i = 0; i < 16; ++i) palette.insert(palette.end(), {static_cast<std::uint8_t>(i * 16), 1, 2, 255});
    image.SetPalette(0x2A, palette, 16, false);
    Bytes bmp, again;
    ASSERT_TRUE(image.ExportBmp(bmp, u"f"));
    CMireloFshImage back;
    ASSERT_TRUE(back.ImportBmp(bmp, u"f"));
    EXPECT_EQ(back.GetType(), 0x7A);
    EXPECT_EQ(back.GetData(), image.GetData());
    EXPECT_EQ(back.GetPaletteData(), palette);
    ASSERT_TRUE(back.ExportBmp(again, u"f"));
    EXPECT_EQ(again, bmp);
    EXPECT_EQ(GetImageFileFormat(u"a.b\\C.TGA"), image_file_format::Tga);
    EXPECT_EQ(GetImageFileFormat(u"c.Bmp"), image_file_format::Bmp);
    EXPECT_FALSE(back.Import(u"x.png", 0));
    EXPECT_FALSE(back.Export(u"x.png", 0));
}

// Pillow's fixtures and its view of our exports; skipped where the test
// cannot run Python (the Windows build under Wine).
class PillowTest : public FshImageTest {
protected:
    TempFolder folder;
    std::string Native(const std::u16string& path)
    {
        std::string n = testing_support::Narrow(path);
        for (char& c : n) c = c == '\\' ? '/' : c;
        return n;
    }
    bool Run(const std::string& args)
    {
        const std::string script = Native(testing_support::SourcePath(u"tests\\archive\\fsh_image_fixtures.py"));
        return std::system(("/usr/bin/python3 " + script + " " + args).c_str()) == 0;
    }
};

TEST_F(PillowTest, ImportsAndExportsMatchPillowPixelForPixel)
{
    if (std::system("/usr/bin/python3 -c \"import PIL\"") != 0) {
        GTEST_SKIP() << "no Pillow";
    }
    ASSERT_TRUE(Run("make " + Native(folder.Path())));
    std::ifstream list(Native(folder.File(u"fixtures.txt")));
    std::string name;
    int alpha = 0;
    std::string exports;
    std::vector<std::pair<std::u16string, Bytes>> ours;
    while (list >> name >> alpha) {
        SCOPED_TRACE(name);
        const std::u16string path = folder.File(std::u16string(name.begin(), name.end()));
        const bool tga = GetImageFileFormat(path) == image_file_format::Tga;
        CMireloFshImage image;
        ASSERT_TRUE(image.Import(path, 0));
        const Bytes bgra = Bgra(image), rgba = ReadBytes(path + u".rgba");
        ASSERT_EQ(bgra.size(), rgba.size());
        for (std::size_t i = 0; i < bgra.size(); i += 4) {
            ASSERT_EQ(Bytes({bgra[i + 2], bgra[i + 1], bgra[i]}), Bytes({rgba[i], rgba[i + 1], rgba[i + 2]})) << i / 4;
            if (alpha) {
                ASSERT_EQ(bgra[i + 3], rgba[i + 3]) << i / 4;
            }
        }
        // Export, import and export again: the same bytes.
        const std::u16string out = path + (tga ? u".out.tga" : u".out.bmp");
        ASSERT_TRUE(image.Export(out, 0));
        CMireloFshImage back;
        ASSERT_TRUE(back.Import(out, 0));
        Bytes first = ReadBytes(out), second;
        ASSERT_TRUE(tga ? back.ExportTga(second, out) : back.ExportBmp(second, out));
        EXPECT_EQ(first, second);
        // Pillow reads a 4-bit file with a black and white palette as a 1-bit one.
        if (name == "bmp1.bmp") continue;
        exports += " " + Native(out);
        ours.emplace_back(out, bgra);
        if (name != "bmp24.bmp") continue;
        ASSERT_TRUE(image.Convert(0x7A, 0x2A));
        ASSERT_TRUE(image.Export(out + u".4.bmp", 0));
        exports += " " + Native(out + u".4.bmp");
        ours.emplace_back(out + u".4.bmp", Bgra(image));
    }
    ASSERT_EQ(ours.size(), 11u);
    ASSERT_TRUE(Run("read" + exports));
    for (const auto& [out, bgra] : ours) {
        SCOPED_TRACE(testing_support::Narrow(out));
        const Bytes rgba = ReadBytes(out + u".rgba");
        ASSERT_EQ(rgba.size(), bgra.size());
        for (std::size_t i = 0; i < bgra.size(); i += 4)
            ASSERT_EQ(Bytes({bgra[i + 2], bgra[i + 1], bgra[i]}), Bytes({rgba[i], rgba[i + 1], rgba[i + 2]})) << i / 4;
    }
    for (const auto& m : g_messages) EXPECT_EQ(m, u"") << testing_support::Narrow(m);
}

}  // namespace
