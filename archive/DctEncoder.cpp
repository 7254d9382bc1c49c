#include "archive/DctEncoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/CheckedSize.h"

namespace {

struct VlcCode {
    std::uint32_t bits = 0;
    int length = 0;
};

constexpr VlcCode Bits(const char* text)
{
    VlcCode code;
    for (; *text != 0; ++text) {
        if (*text == ' ') continue;
        code.bits = code.bits << 1 | (*text == '1' ? 1u : 0u);
        ++code.length;
    }
    return code;
}

// ISO/IEC 13818-2 Table B.13, dct_dc_size_chrominance, sizes 0 to 11.
constexpr VlcCode DcSizeCodes[12] = {
    Bits("00"),         Bits("01"),          Bits("10"),          Bits("110"),
    Bits("1110"),       Bits("1111 0"),      Bits("1111 10"),     Bits("1111 110"),
    Bits("1111 1110"),  Bits("1111 1111 0"), Bits("1111 1111 10"), Bits("1111 1111 11"),
};

constexpr VlcCode EndOfBlock = Bits("10");
constexpr VlcCode Escape = Bits("0000 01");

struct RunLevelCode {
    int run;
    int level;
    const char* code;   // without the sign bit
};

// ISO/IEC 11172-2 Table B.14 (dct_coeff_next): run 0, level 1 is "11".
constexpr RunLevelCode RunLevelCodes[] = {
    {0, 1, "11"},              {1, 1, "011"},             {0, 2, "0100"},            {2, 1, "0101"},
    {0, 3, "0010 1"},          {3, 1, "0011 1"},          {4, 1, "0011 0"},          {1, 2, "0001 10"},
    {5, 1, "0001 11"},         {6, 1, "0001 01"},         {7, 1, "0001 00"},         {0, 4, "0000 110"},
    {2, 2, "0000 100"},        {8, 1, "0000 111"},        {9, 1, "0000 101"},        {0, 5, "0010 0110"},
    {0, 6, "0010 0001"},       {1, 3, "0010 0101"},       {3, 2, "0010 0100"},       {10, 1, "0010 0111"},
    {11, 1, "0010 0011"},      {12, 1, "0010 0010"},      {13, 1, "0010 0000"},      {0, 7, "0000 0010 10"},
    {1, 4, "0000 0011 00"},    {2, 3, "0000 0010 11"},    {4, 2, "0000 0011 11"},    {5, 2, "0000 0010 01"},
    {14, 1, "0000 0011 10"},   {15, 1, "0000 0011 01"},   {16, 1, "0000 0010 00"},   {0, 8, "0000 0001 1101"},
    {0, 9, "0000 0001 1000"},  {0, 10, "0000 0001 0011"}, {0, 11, "0000 0001 0000"}, {1, 5, "0000 0001 1011"},
    {2, 4, "0000 0001 0100"},  {3, 3, "0000 0001 1100"},  {4, 3, "0000 0001 0010"},  {6, 2, "0000 0001 1110"},
    {7, 2, "0000 0001 0101"},  {8, 2, "0000 0001 0001"},  {17, 1, "0000 0001 1111"}, {18, 1, "0000 0001 1010"},
    {19, 1, "0000 0001 1001"}, {20, 1, "0000 0001 0111"}, {21, 1, "0000 0001 0110"}, {0, 12, "0000 0000 1101 0"},
    {0, 13, "0000 0000 1100 1"}, {0, 14, "0000 0000 1100 0"}, {0, 15, "0000 0000 1011 1"},
    {1, 6, "0000 0000 1011 0"},  {1, 7, "0000 0000 1010 1"},  {2, 5, "0000 0000 1010 0"},
    {3, 4, "0000 0000 1001 1"},  {5, 3, "0000 0000 1001 0"},  {9, 2, "0000 0000 1000 1"},
    {10, 2, "0000 0000 1000 0"}, {22, 1, "0000 0000 1111 1"}, {23, 1, "0000 0000 1111 0"},
    {24, 1, "0000 0000 1110 1"}, {25, 1, "0000 0000 1110 0"}, {26, 1, "0000 0000 1101 1"},
    {0, 16, "0000 0000 0111 11"}, {0, 17, "0000 0000 0111 10"}, {0, 18, "0000 0000 0111 01"},
    {0, 19, "0000 0000 0111 00"}, {0, 20, "0000 0000 0110 11"}, {0, 21, "0000 0000 0110 10"},
    {0, 22, "0000 0000 0110 01"}, {0, 23, "0000 0000 0110 00"}, {0, 24, "0000 0000 0101 11"},
    {0, 25, "0000 0000 0101 10"}, {0, 26, "0000 0000 0101 01"}, {0, 27, "0000 0000 0101 00"},
    {0, 28, "0000 0000 0100 11"}, {0, 29, "0000 0000 0100 10"}, {0, 30, "0000 0000 0100 01"},
    {0, 31, "0000 0000 0100 00"}, {0, 32, "0000 0000 0011 000"}, {0, 33, "0000 0000 0010 111"},
    {0, 34, "0000 0000 0010 110"}, {0, 35, "0000 0000 0010 101"}, {0, 36, "0000 0000 0010 100"},
    {0, 37, "0000 0000 0010 011"}, {0, 38, "0000 0000 0010 010"}, {0, 39, "0000 0000 0010 001"},
    {0, 40, "0000 0000 0010 000"}, {1, 8, "0000 0000 0011 111"},  {1, 9, "0000 0000 0011 110"},
    {1, 10, "0000 0000 0011 101"}, {1, 11, "0000 0000 0011 100"}, {1, 12, "0000 0000 0011 011"},
    {1, 13, "0000 0000 0011 010"}, {1, 14, "0000 0000 0011 001"}, {1, 15, "0000 0000 0001 0011"},
    {1, 16, "0000 0000 0001 0010"}, {1, 17, "0000 0000 0001 0001"}, {1, 18, "0000 0000 0001 0000"},
    {6, 3, "0000 0000 0001 0100"},  {11, 2, "0000 0000 0001 1010"}, {12, 2, "0000 0000 0001 1001"},
    {13, 2, "0000 0000 0001 1000"}, {14, 2, "0000 0000 0001 0111"}, {15, 2, "0000 0000 0001 0110"},
    {16, 2, "0000 0000 0001 0101"}, {27, 1, "0000 0000 0001 1111"}, {28, 1, "0000 0000 0001 1110"},
    {29, 1, "0000 0000 0001 1101"}, {30, 1, "0000 0000 0001 1100"}, {31, 1, "0000 0000 0001 1011"},
};

constexpr int TableRuns = 32;
constexpr int TableLevels = 41;
using RunLevelTable = std::array<std::array<VlcCode, TableLevels>, TableRuns>;

constexpr RunLevelTable BuildRunLevelTable()
{
    RunLevelTable table{};
    for (const auto& entry : RunLevelCodes) table[entry.run][entry.level] = Bits(entry.code);
    return table;
}

constexpr RunLevelTable RunLevelLookup = BuildRunLevelTable();

void Write(CDctBitWriter& writer, VlcCode code) { writer.WriteBits(code.length, code.bits); }

// The constants of the Arai-Agui-Nakajima DCT and the scale that turns its
// outputs into T.81 coefficients divided by 8.
struct AanTables {
    float c4 = 0, c2MinusC6 = 0, c2PlusC6 = 0, c6 = 0;
    float scale[64] = {};
};

const AanTables& Aan()
{
    static const AanTables tables = [] {
        const double pi = 3.14159265358979323846;
        AanTables t;
        t.c4 = static_cast<float>(std::cos(pi / 4));
        t.c2MinusC6 = static_cast<float>(std::cos(pi / 8) - std::cos(3 * pi / 8));
        t.c2PlusC6 = static_cast<float>(std::cos(pi / 8) + std::cos(3 * pi / 8));
        t.c6 = static_cast<float>(std::cos(3 * pi / 8));
        double a[8];
        a[0] = std::sqrt(8.0);
        for (int k = 1; k < 8; ++k) a[k] = 4 * std::cos(k * pi / 16);
        for (int u = 0; u < 8; ++u) {
            for (int v = 0; v < 8; ++v) t.scale[u * 8 + v] = static_cast<float>(0.125 / (a[u] * a[v]));
        }
        return t;
    }();
    return tables;
}

// One 8-point AAN pass over d[0], d[step], ..., d[7 * step], in place.
void AanPass(float* d, int step)
{
    const AanTables& t = Aan();
    float* p[8];
    for (int k = 0; k < 8; ++k) p[k] = d + k * step;
    const float tmp0 = *p[0] + *p[7], tmp7 = *p[0] - *p[7];
    const float tmp1 = *p[1] + *p[6], tmp6 = *p[1] - *p[6];
    const float tmp2 = *p[2] + *p[5], tmp5 = *p[2] - *p[5];
    const float tmp3 = *p[3] + *p[4], tmp4 = *p[3] - *p[4];

    const float even10 = tmp0 + tmp3, even13 = tmp0 - tmp3;
    const float even11 = tmp1 + tmp2, even12 = tmp1 - tmp2;
    *p[0] = even10 + even11;
    *p[4] = even10 - even11;
    const float z1 = (even12 + even13) * t.c4;
    *p[2] = even13 + z1;
    *p[6] = even13 - z1;

    const float odd10 = tmp4 + tmp5, odd11 = tmp5 + tmp6, odd12 = tmp6 + tmp7;
    const float z5 = (odd10 - odd12) * t.c6;
    const float z2 = t.c2MinusC6 * odd10 + z5;
    const float z4 = t.c2PlusC6 * odd12 + z5;
    const float z3 = odd11 * t.c4;
    const float z11 = tmp7 + z3, z13 = tmp7 - z3;
    *p[5] = z13 + z2;
    *p[3] = z13 - z2;
    *p[1] = z11 + z4;
    *p[7] = z11 - z4;
}

float RoundHalfEven(float value) { return std::nearbyint(value); }

// The state of one encoding: DC predictors and the bit writer.
class CDctEncoder {
public:
    CDctEncoder(const std::uint8_t* pixels, int width, int height, int stridePixels, unsigned flags)
        : pixels_(pixels), width_(width), height_(height), stride_(stridePixels), flags_(flags), writer_(output_)
    {
    }

    std::vector<std::uint8_t> Encode()
    {
        WriteHeader();
        for (int y = 0; y < height_; y += 8) {
            for (int x = 0; x < width_; x += 8) EncodeBlock(x, y, std::min(8, width_ - x), std::min(8, height_ - y));
        }
        writer_.Flush();
        return std::move(output_);
    }

private:
    void WriteHeader()
    {
        const bool key = flags_ & dct_flags::ColourKey;
        std::uint8_t mode = 0x64;
        if (flags_ & dct_flags::Alpha) mode |= 0x80;
        if (flags_ & dct_flags::YCbCr) mode |= 0x10;
        if (!key) mode |= 0x01;
        output_ = {static_cast<std::uint8_t>(width_), static_cast<std::uint8_t>(width_ >> 8),
                   static_cast<std::uint8_t>(height_), static_cast<std::uint8_t>(height_ >> 8), mode,
                   static_cast<std::uint8_t>(key ? 255 : 0), 0, static_cast<std::uint8_t>(key ? 255 : 0)};
    }

    void EncodeBlock(int x, int y, int blockWidth, int blockHeight)
    {
        DctPlanes planes;
        const std::uint8_t* start = pixels_ + (std::size_t(y) * stride_ + x) * 4;
        if (flags_ & dct_flags::YCbCr) {
            FetchBlockYCbCrA(start, stride_, 0, 0, blockWidth, blockHeight, planes);
        } else {
            FetchBlockRgba(start, stride_, 0, 0, blockWidth, blockHeight, planes);
        }
        const int components = flags_ & dct_flags::Alpha ? 4 : 3;
        for (int c = 0; c < components; ++c) {
            std::int32_t coefficients[64];
            ForwardDctBlock(planes[c], coefficients);
            EncodeCoefficients(c, coefficients);
        }
        if (flags_ & dct_flags::ColourKey) WriteKeyMasks(start, blockWidth, blockHeight);
    }

    void EncodeCoefficients(int component, const std::int32_t (&coefficients)[64])
    {
        const std::int32_t dc = coefficients[0];
        if (flags_ & dct_flags::YCbCr) {
            WriteDcDifference(writer_, dc - predictors_[component]);
            predictors_[component] = dc;
        } else {
            if (dc < 0 || dc > 255) std::printf("warning! DC out of range :%d\n", static_cast<int>(dc));
            writer_.WriteBits(8, static_cast<std::uint32_t>(dc) & 0xFF);
        }
        int run = 0;
        for (int k = 1; k < 64; ++k) {
            const std::int32_t level = coefficients[DctZigZag[k]];
            if (level == 0) {
                ++run;
                continue;
            }
            WriteAcRunLevel(writer_, run, level);
            run = 0;
        }
        Write(writer_, EndOfBlock);
    }

    void WriteKeyMasks(const std::uint8_t* start, int blockWidth, int blockHeight)
    {
        std::uint8_t masks[8] = {};
        bool any = false;
        for (int row = 0; row < blockHeight; ++row) {
            const std::uint8_t* pixel = start + std::size_t(row) * stride_ * 4;
            for (int column = 0; column < blockWidth; ++column, pixel += 4) {
                const bool keyed = pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255;
                masks[row] = static_cast<std::uint8_t>(masks[row] << 1 | (keyed ? 1 : 0));
            }
            any = any || masks[row] != 0;
        }
        writer_.WriteBits(1, any ? 1 : 0);
        if (!any) return;
        for (const std::uint8_t mask : masks) writer_.WriteBits(8, mask);
    }

    const std::uint8_t* pixels_;
    int width_;
    int height_;
    int stride_;
    unsigned flags_;
    std::int32_t predictors_[4] = {};
    std::vector<std::uint8_t> output_;
    CDctBitWriter writer_;
};

template <typename Convert>
void FetchBlock(const std::uint8_t* pixels, int stridePixels, int x, int y, int blockWidth, int blockHeight,
                DctPlanes& planes, Convert convert)
{
    for (auto& plane : planes) std::fill(std::begin(plane), std::end(plane), 0.0f);
    for (int row = 0; row < blockHeight && row < 8; ++row) {
        const std::uint8_t* pixel = pixels + (std::size_t(y + row) * stridePixels + x) * 4;
        for (int column = 0; column < blockWidth && column < 8; ++column, pixel += 4) {
            convert(pixel, planes, row * 8 + column);
        }
    }
}

}  // namespace

const std::uint8_t DctZigZag[64] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
};

std::vector<std::uint8_t> EncodeDctImage(std::span<const std::uint8_t> pixels, int width, int height, int strideBytes,
                                         unsigned flags)
{
    if (pixels.empty() || width < 1 || height < 1 || width > 0xFFFF || height > 0xFFFF) return {};
    const int stridePixels = strideBytes / 4;
    if (stridePixels < width) return {};
    // The last row is read up to its last pixel only.
    const auto lastRow = checked_size::Product({std::uint64_t(height - 1), std::uint64_t(stridePixels), 4});
    if (!lastRow || !checked_size::Fits(*lastRow, std::uint64_t(width) * 4, pixels.size())) return {};
    return CDctEncoder(pixels.data(), width, height, stridePixels, flags).Encode();
}

void ForwardDctBlock(const float (&plane)[64], std::int32_t (&coefficients)[64])
{
    float work[64];
    std::copy(std::begin(plane), std::end(plane), work);
    for (int column = 0; column < 8; ++column) AanPass(work + column, 8);
    for (int row = 0; row < 8; ++row) AanPass(work + row * 8, 1);
    const AanTables& t = Aan();
    for (int k = 0; k < 64; ++k) coefficients[k] = static_cast<std::int32_t>(RoundHalfEven(work[k] * t.scale[k]));
}

void FetchBlockRgba(const std::uint8_t* pixels, int stridePixels, int x, int y, int blockWidth, int blockHeight,
                    DctPlanes& planes)
{
    FetchBlock(pixels, stridePixels, x, y, blockWidth, blockHeight, planes,
               [](const std::uint8_t* p, DctPlanes& out, int at) {
                   out[0][at] = p[2];
                   out[1][at] = p[1];
                   out[2][at] = p[0];
                   out[3][at] = p[3];
               });
}

void FetchBlockYCbCrA(const std::uint8_t* pixels, int stridePixels, int x, int y, int blockWidth, int blockHeight,
                      DctPlanes& planes)
{
    FetchBlock(pixels, stridePixels, x, y, blockWidth, blockHeight, planes,
               [](const std::uint8_t* p, DctPlanes& out, int at) {
                   const float r = p[2], g = p[1], b = p[0];
                   const float y0 = 0.299f * r + 0.587f * g + 0.114f * b;
                   out[0][at] = RoundHalfEven(y0 * 0.85546875f + 16.0f);
                   out[1][at] = RoundHalfEven((b - y0) * 0.5643341f * 0.875f + 128.0f);
                   out[2][at] = RoundHalfEven((r - y0) * 0.71326673f * 0.875f + 128.0f);
                   out[3][at] = p[3];
               });
}

void WriteDcDifference(CDctBitWriter& writer, int difference)
{
    int magnitude = std::abs(difference);
    if (magnitude > 255) {
        std::printf("warning:: DC value out of range (%d)\n", difference);
        magnitude = 255;
    }
    int size = 0;
    while ((magnitude >> size) != 0) ++size;
    Write(writer, DcSizeCodes[size]);
    if (size > 0) {
        const int value = difference > 0 ? difference : difference + (1 << size) - 1;
        writer.WriteBits(size, static_cast<std::uint32_t>(value));
    }
}

void WriteAcRunLevel(CDctBitWriter& writer, int run, int level)
{
    int magnitude = std::abs(level);
    if (run < 0 || run > 63 || magnitude < 1 || magnitude > 255) {
        std::printf("warning:: AC value out of range (run=%d, signed_level=%d)\n", run, level);
        magnitude = 255;
    }
    if (run >= 0 && ((run < 2 && magnitude <= 40) || (run < 32 && magnitude <= 5))) {
        const VlcCode code = RunLevelLookup[run][magnitude];
        if (code.length > 0) {
            Write(writer, code);
            writer.WriteBits(1, level < 0 ? 1 : 0);
            return;
        }
    }
    Write(writer, Escape);
    writer.WriteBits(6, static_cast<std::uint32_t>(run));
    if (level > 127) writer.WriteBits(8, 0);
    if (level < -127) writer.WriteBits(8, 0x80);
    writer.WriteBits(8, static_cast<std::uint32_t>(level) & 0xFF);
}
