// Our DCT coefficients against scipy's transform.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>

#include "archive/DctEncoder.h"
#include "tests/common/TestSupport.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

template <typename T>
void Append(Bytes& out, const T* values, std::size_t count)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(values);
    out.insert(out.end(), bytes, bytes + count * sizeof(T));
}

// An RGB picture of gradients, edges and noise, with edge blocks.
Bytes Picture(int width, int height)
{
    std::mt19937 random(11);
    Bytes pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int noise = static_cast<int>(random() % 41) - 20;
            const int edge = (x / 13 + y / 7) % 2 * 90;
            for (const int base : {x * 3, y * 4, (x + y) * 2 + edge}) {
                pixels.push_back(static_cast<std::uint8_t>(std::clamp(base % 256 + noise, 0, 255)));
            }
            pixels.push_back(255);
        }
    }
    return pixels;
}

TEST(DctCrossCheck, CoefficientsAreScipysDctDividedBy8)
{
    const int width = 61, height = 45;
    const Bytes pixels = Picture(width, height);
    Bytes samples, coefficients;
    for (int y = 0; y < height; y += 8) {
        for (int x = 0; x < width; x += 8) {
            DctPlanes planes;
            FetchBlockRgba(pixels.data(), width, x, y, std::min(8, width - x), std::min(8, height - y), planes);
            for (int c = 0; c < 3; ++c) {
                std::int32_t block[64];
                ForwardDctBlock(planes[c], block);
                Append(samples, planes[c], 64);
                Append(coefficients, block, 64);
            }
        }
    }
    testing_support::TempFolder folder;
    testing_support::WriteBytes(folder.File(u"samples.f32"), samples);
    testing_support::WriteBytes(folder.File(u"coefficients.i32"), coefficients);
    std::string native = testing_support::Narrow(folder.Path());
    for (char& c : native) c = c == '\\' ? '/' : c;
    const std::string command = std::string(TR_PYTHON) + " '" + TR_IMAGECHECK_DIR + "/check_dct.py' '" + native + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

}  // namespace
