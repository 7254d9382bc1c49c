#pragma once
// A lossy encoder for 32-bit B, G, R, A pictures: 8 × 8 DCT blocks of three
// or four full-resolution components, coded with the dc size codes of
// MPEG-2 and the run/level codes of MPEG-1 video behind an 8-byte header,
// optionally with per-block masks of a key colour. There is no decoder.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "archive/DctBitWriter.h"

namespace dct_flags {
inline constexpr unsigned Alpha = 1;
inline constexpr unsigned ColourKey = 2;
// Y, Cb, Cr components and differential DC values.
inline constexpr unsigned YCbCr = 4;
}  // namespace dct_flags

using DctPlanes = float[4][64];

// The whole coded picture; empty for no pixels, a size outside 1..65535, a
// stride shorter than a row or rows that pixels does not hold.
std::vector<std::uint8_t> EncodeDctImage(std::span<const std::uint8_t> pixels, int width, int height, int strideBytes,
                                         unsigned flags);

// The 8 × 8 DCT of ITU-T T.81 divided by 8, rounded half to even.
void ForwardDctBlock(const float (&plane)[64], std::int32_t (&coefficients)[64]);
// One block's planes from the picture; positions outside it are 0.
void FetchBlockRgba(const std::uint8_t* pixels, int stridePixels, int x, int y, int blockWidth, int blockHeight,
                    DctPlanes& planes);
void FetchBlockYCbCrA(const std::uint8_t* pixels, int stridePixels, int x, int y, int blockWidth, int blockHeight,
                      DctPlanes& planes);

void WriteAcRunLevel(CDctBitWriter& writer, int run, int level);
void WriteDcDifference(CDctBitWriter& writer, int difference);

// The T.81 zig-zag order of the 64 coefficient positions.
extern const std::uint8_t DctZigZag[64];
