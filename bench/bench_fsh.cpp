// Converting a 1024x1024 32-bit image to 8-bit indexed (median cut over a
// photo-like gradient with noise, and over pure noise, the quantiser's worst
// case); the goal is well under 2 s each.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "archive/FshImage.h"

namespace {

constexpr int Side = 1024;

CMireloFshImage::Bytes MakePixels(bool noise)
{
    std::mt19937 random(7);
    CMireloFshImage::Bytes pixels(Side * Side * 4);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            std::uint8_t* p = &pixels[(y * Side + x) * 4];
            const int jitter = static_cast<int>(random() % 8);
            p[0] = static_cast<std::uint8_t>(noise ? random() : x / 4 + jitter);
            p[1] = static_cast<std::uint8_t>(noise ? random() : y / 4 + jitter);
            p[2] = static_cast<std::uint8_t>(noise ? random() : (x + y) / 8);
            p[3] = 255;
        }
    return pixels;
}

void ConvertTo8Bit(benchmark::State& state)
{
    const CMireloFshImage::Bytes pixels = MakePixels(state.range(0) != 0);
    for (auto _ : state) {
        CMireloFshImage image;
        image.SetPixels(0x7D, pixels, Side, Side, false);
        if (!image.Convert(0x7B, 0x2A)) state.SkipWithError("conversion failed");
    }
}
BENCHMARK(ConvertTo8Bit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
