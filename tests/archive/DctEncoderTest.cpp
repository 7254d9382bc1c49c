#include "archive/DctEncoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "tests/common/TestSupport.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

template <typename Write>
Bytes Written(Write write)
{
    Bytes bytes;
    CDctBitWriter writer(bytes);
    write(writer);
    writer.Flush();
    return bytes;
}

// The bytes a bit string gives once padded and stored.
Bytes Stream(const std::string& bits)
{
    return Written([&](CDctBitWriter& w) { for (const char bit : bits) w.WriteBits(1, bit == '1'); });
}

// The bits of a stored stream, in the order they were written.
std::string BitString(const Bytes& bytes, std::size_t from = 0)
{
    std::string bits;
    for (std::size_t at = from; at + 4 <= bytes.size(); at += 4) {
        const std::uint32_t word =
            bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t{bytes[at + 3]} << 24;
        for (int bit = 31; bit >= 0; --bit) bits += (word >> bit) & 1 ? '1' : '0';
    }
    return bits;
}

// Codes of the run/level table as bit strings, found by writing each value.
std::string CodeOf(int run, int level)
{
    Bytes bytes;
    CDctBitWriter writer(bytes);
    WriteAcRunLevel(writer, run, level);
    const std::size_t length = writer.BitCount();
    writer.Flush();
    return BitString(bytes).substr(0, length);
}

Bytes Encode(const Bytes& bgra, int width, int height, unsigned flags)
{
    return EncodeDctImage(bgra, width, height, width * 4, flags);
}

Bytes Uniform(int width, int height, Bytes bgra)
{
    Bytes pixels;
    for (int k = 0; k < width * height; ++k) pixels.insert(pixels.end(), bgra.begin(), bgra.end());
    return pixels;
}

TEST(DctEncoder, HeadersAndTheSmallestStreams)
{
    const Bytes black = {0, 0, 0, 255};
    EXPECT_EQ(Encode(black, 1, 1, 0), (Bytes{1, 0, 1, 0, 0x65, 0, 0, 0, 0x08, 0x20, 0x80, 0x00}));
    EXPECT_EQ(Encode(black, 1, 1, dct_flags::ColourKey), (Bytes{1, 0, 1, 0, 0x64, 0xFF, 0, 0xFF, 0x08, 0x20, 0x80, 0}));
    EXPECT_EQ(Encode(black, 1, 1, dct_flags::ColourKey | dct_flags::YCbCr)[4], 0x74);
    EXPECT_EQ(Encode(black, 1, 1, dct_flags::Alpha | dct_flags::YCbCr)[4], 0xF5);
    // Grey 100 in a uniform block: DC 100 raw, then the end of block at once.
    const Bytes grey = Encode(Uniform(8, 8, {100, 100, 100, 0}), 8, 8, 0);
    EXPECT_EQ(Bytes(grey.begin() + 8, grey.end()), Stream("0110010010" "0110010010" "0110010010"));
    EXPECT_TRUE(EncodeDctImage({}, 1, 1, 4, 0).empty());
    EXPECT_TRUE(Encode(black, 1, 1, 0).size() % 4 == 0);
    EXPECT_TRUE(EncodeDctImage(black, 2, 1, 4, 0).empty());
    EXPECT_TRUE(EncodeDctImage(black, 0, 1, 4, 0).empty());
    // Rows the buffer does not hold: a stride of 16 puts the second row's
    // last pixel at bytes 20..23.
    const Bytes rows(24, 7);
    EXPECT_FALSE(EncodeDctImage(rows, 2, 2, 16, 0).empty());
    EXPECT_TRUE(EncodeDctImage(std::span(rows).first(23), 2, 2, 16, 0).empty());
    EXPECT_TRUE(EncodeDctImage(rows, 2, 0x10000 / 2, 0x7FFFFFFC, 0).empty());
}

TEST(DctEncoder, KeyMasksCostOneOr65Bits)
{
    const Bytes grey = Uniform(8, 8, {100, 100, 100, 0});
    const Bytes key = Uniform(8, 8, {255, 0, 255, 0});
    // 3 × 10 bits + one mask bit; then 3 × 10 + 65.
    EXPECT_EQ(Encode(grey, 8, 8, dct_flags::ColourKey).size(), 8u + 4);
    const Bytes keyed = Encode(key, 8, 8, dct_flags::ColourKey);
    EXPECT_EQ(Bytes(keyed.begin() + 8, keyed.end()),
              Stream("1111111110" "0000000010" "1111111110" "1" + std::string(64, '1')));
    // A 3 × 2 black picture keyed at the right end of its second row:
    // masks 000 and 001 (the DCs of the key pixel's block follow the table).
    Bytes small = Uniform(3, 2, {0, 0, 0, 0});
    std::copy(key.begin(), key.begin() + 4, small.begin() + 5 * 4);
    std::string bits = BitString(Encode(small, 3, 2, dct_flags::ColourKey), 8);
    bits.erase(bits.find_last_of('1') + 1);
    ASSERT_GE(bits.size(), 17u);
    EXPECT_EQ(bits.substr(bits.size() - 17), "1" "00000000" "00000001");
}

TEST(DctEncoder, RunLevelCodesFollowTheTables)
{
    EXPECT_EQ(CodeOf(1, -3), "00100101" "1");
    EXPECT_EQ(CodeOf(0, 1), "11" "0");
    EXPECT_EQ(CodeOf(40, 1), "000001" "101000" "00000001");
    EXPECT_EQ(CodeOf(0, 41), "000001" "000000" "00101001");
    EXPECT_EQ(CodeOf(2, 6), "000001" "000010" "00000110");
    EXPECT_EQ(CodeOf(0, 200), "000001" "000000" "00000000" "11001000");
    EXPECT_EQ(CodeOf(0, -200), "000001" "000000" "10000000" "00111000");
    EXPECT_EQ(CodeOf(0, -127), "000001" "000000" "10000001");

    const Bytes file = testing_support::ReadBytes(testing_support::SourcePath(u"tests\\archive\\fixtures\\dct_codes.txt"));
    std::istringstream list(std::string(file.begin(), file.end()));
    std::string line;
    int checked = 0;
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        std::string kind, bits;
        int first = 0, second = 0;
        if (!(fields >> kind) || kind[0] == '#') continue;
        if (kind == "dc") {
            fields >> first >> bits;
            const int difference = first == 0 ? 0 : 1 << (first - 1);   // the smallest of its size
            const std::string tail = first == 0 ? "" : "1" + std::string(first - 1, '0');
            EXPECT_EQ(Written([&](CDctBitWriter& w) { WriteDcDifference(w, difference); }), Stream(bits + tail)) << line;
        } else {
            fields >> first >> second >> bits;
            EXPECT_EQ(CodeOf(first, second), bits + "0") << line;
            EXPECT_EQ(CodeOf(first, -second), bits + "1") << line;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 31);
    const std::uint8_t zigZagStart[] = {0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5};
    EXPECT_TRUE(std::equal(std::begin(zigZagStart), std::end(zigZagStart), DctZigZag));
}

TEST(DctEncoder, TheRunLevelTableWithEndOfBlockAndEscapeIsPrefixFree)
{
    std::vector<std::string> codes = {"10", "000001"};
    for (int run = 0; run < 32; ++run) {
        for (int level = 1; level <= 40; ++level) {
            const std::string code = CodeOf(run, level);
            if (code.rfind("000001", 0) != 0) codes.push_back(code.substr(0, code.size() - 1));
        }
    }
    EXPECT_EQ(codes.size(), 2u + 111);
    double kraft = 0;
    for (const auto& a : codes) {
        kraft += std::ldexp(1.0, -static_cast<int>(a.size()));
        for (const auto& b : codes) {
            if (&a != &b) {
                EXPECT_NE(b.rfind(a, 0), 0u) << a << " begins " << b;
            }
        }
    }
    // Only the words beginning with twelve zeros are left unused.
    EXPECT_DOUBLE_EQ(kraft, 1.0 - std::ldexp(1.0, -12));
}

TEST(DctEncoder, DcDifferencesCodeTheirSizeThenTheirBits)
{
    struct Case {
        int difference;
        std::string bits;
    } cases[] = {{0, "00"},          {1, "01" "1"},        {-1, "01" "0"},           {5, "110" "101"},
                 {-5, "110" "010"},  {255, "11111110" "11111111"}, {-255, "11111110" "00000000"},
                 {300, "11111110" "00101100"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Written([&](CDctBitWriter& w) { WriteDcDifference(w, c.difference); }), Stream(c.bits)) << c.difference;
    }
}

TEST(DctEncoder, YCbCrDifferencesFollowThePreviousBlock)
{
    // Two uniform blocks, white then black, coded with differential DCs.
    Bytes pixels(16 * 8 * 4, 0);
    for (int y = 0; y < 8; ++y) std::fill_n(pixels.begin() + y * 64, 32, 255);
    const Bytes coded = Encode(pixels, 16, 8, dct_flags::YCbCr);
    DctPlanes planes;
    FetchBlockYCbCrA(pixels.data(), 16, 0, 0, 8, 8, planes);
    EXPECT_EQ(planes[0][0], 234.0f);   // 255 × 219 / 256 + 16
    EXPECT_EQ(planes[1][0], 128.0f);
    EXPECT_EQ(planes[2][0], 128.0f);
    FetchBlockYCbCrA(pixels.data(), 16, 8, 0, 8, 8, planes);
    EXPECT_EQ(planes[0][0], 16.0f);
    // White: Y 234, Cb 128, Cr 128 as differences from 0; black: Y 16 as
    // −218 from 234, Cb and Cr unchanged.
    const std::string expected = "11111110" "11101010" "10" "11111110" "10000000" "10" "11111110" "10000000" "10"
                                 "11111110" "00100101" "10" "00" "10" "00" "10";
    EXPECT_EQ(Bytes(coded.begin() + 8, coded.end()), Stream(expected));
}

// Random blocks against the exact transform: the golden file holds each
// block's samples and scipy's dctn(block, "ortho") / 8, which
// imagecheck/dct_random_blocks.py made and the ctest beside it checks
// against scipy again. Each coefficient is the exact value rounded.
TEST(DctEncoder, RandomBlocksGiveTheExactTransformRounded)
{
    const Bytes file =
        testing_support::ReadBytes(testing_support::SourcePath(u"tests\\archive\\fixtures\\dct_random_blocks.txt"));
    std::istringstream lines(std::string(file.begin(), file.end()));
    int blocks = 0;
    float samples[64];
    while (lines >> samples[0]) {
        for (int k = 1; k < 64; ++k) lines >> samples[k];
        double exact[64];
        for (double& value : exact) lines >> value;
        ASSERT_TRUE(lines) << "block " << blocks;
        std::int32_t coefficients[64];
        ForwardDctBlock(samples, coefficients);
        for (int k = 0; k < 64; ++k) {
            // Half a step from rounding, and a little for the single-precision sums.
            EXPECT_LE(std::abs(coefficients[k] - exact[k]), 0.51) << "block " << blocks << ", coefficient " << k;
        }
        ++blocks;
    }
    EXPECT_EQ(blocks, 48);
}

}  // namespace
